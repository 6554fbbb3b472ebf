// SPDX-FileCopyrightText: 2026 The Lexora English developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>
#include <QString>

namespace lexora {

// Reading and writing the question files: whole files in memory, of a bounded size, written
// all at once so that a failed write leaves no half file behind.
class TextFile {
public:
    // Question files larger than this are refused before they are read.
    static constexpr qint64 kMaxBytes = 64 * 1024 * 1024;

    // The bytes of the file; ExchangeError when it cannot be read or is too large.
    static QByteArray readBytes(const QString& path);
    // The text of the bytes: UTF-8 (with or without a byte order mark) or UTF-16 with a byte order
    // mark. Anything else is refused with the line of the first byte that is not such text.
    static QString decode(const QByteArray& bytes, const QString& path);
    static QString read(const QString& path) { return decode(readBytes(path), path); }
    // Writes UTF-8 text through a temporary file that replaces `path` only when complete.
    static void write(const QString& path, const QString& text) { write(path, text.toUtf8()); }
    static void write(const QString& path, const QByteArray& bytes);
};

} // namespace lexora
