// SPDX-FileCopyrightText: 2026 The Lexora English developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

namespace lexora {

// The folder in which the user last chose a file, kept between runs in a small file of the user's
// own configuration folder, so that the next file box opens where the last one was left.
class FolderMemory {
public:
    // `file` keeps the folder; defaultFile() is the user's.
    explicit FolderMemory(QString file) : m_file(std::move(file)) {}
    static QString defaultFile();

    // The remembered folder while it still exists, else the home folder.
    QString folder() const;
    // Remembers the folder of `chosenFile`; an empty name (a cancelled box) changes nothing. A
    // memory that cannot be written is done without.
    void remember(const QString& chosenFile);

private:
    QString m_file;
};

} // namespace lexora
