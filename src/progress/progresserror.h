// SPDX-FileCopyrightText: 2026 The Lexora English developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

#include <stdexcept>

namespace lexora {

// A failure of the progress file. The kind decides what the program does: a damaged file is
// set aside and a new one started; the others leave the run unrecorded.
class ProgressError : public std::runtime_error {
public:
    enum class Kind {
        ReadOnly,      // the file or its folder cannot be written
        Busy,          // another program holds the file locked
        Damaged,       // the file is not a sound progress file
        FolderMissing, // the folder the file belongs in is not there
        Failed         // any other failure of the storage engine
    };

    ProgressError(Kind kind, const QString& path, const QString& detail = QString())
        : std::runtime_error(("progress file " + path + ": " + detail).toStdString()), m_kind(kind), m_path(path),
          m_detail(detail) {}

    Kind kind() const { return m_kind; }
    const QString& path() const { return m_path; }
    const QString& detail() const { return m_detail; }

private:
    Kind m_kind;
    QString m_path;
    QString m_detail;
};

} // namespace lexora
