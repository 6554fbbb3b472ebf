// SPDX-FileCopyrightText: 2026 The Lexora English developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <QStringList>

namespace lexora {

class StoreError;

// The program's own messages, beside the caption catalogue: what it tells about a database
// that is missing or unusable, a refused edit, a failed reshuffle, an unexpected failure.
// Each is kept in English, Hungarian, Spanish and French; the working language picks one.
namespace Messages {

enum class Id {
    UnexpectedError,     // detail
    UnexpectedErrorBare, // -
    NoDatabaseChosen,    // -
    DatabaseMissing,     // file name, folder
    NotAnItemDatabase,   // file name, folder
    ReshuffleFailed,     // -
    PlaceholderMissing,  // -
    NoFreeRecordNumber,  // highest record number
    NoTopicForQuestion,  // - (why a question of an imported file was left out)
    ControlCharacter,    // - (why an item or a question was left out of a question file)
    WorksheetOnDatabase, // path
    WorksheetUnwritable, // path, detail
    PrinterUnusable,     // -
};

// The message `id` for working-language offset `langcode` (English for any other offset),
// with %1, %2 ... replaced by `args`.
QString text(Id id, int langcode, const QStringList& args = {});

// What went wrong in the store, in the working language.
QString of(const StoreError& error, int langcode);
// The same in English, for the tools and for logs.
QString english(const StoreError& error);

// A detail that the system or the database engine gives in English (a file not found, a
// permission denied, a full disk, a locked database ...), told in the working language when its
// meaning is known; any other detail is kept as it came, as the last resort.
QString systemDetail(const QString& detail, int langcode);

// A number as the working language writes it: 2.5 and 32,767 in English, 2,5 and 32 767 in
// Hungarian and French, 2,5 and 32.767 in Spanish. Counts and sizes go through these; item
// numbers and places stay plain, as the Database screen shows and takes them.
QString number(qint64 value, int langcode);
QString number(double value, int decimals, int langcode);

// Replaces %1 to %9 in `pattern` by `args` in one pass, so that an argument holding "%1"
// (a path may) stays as it is.
QString fill(const QString& pattern, const QStringList& args);

} // namespace Messages

} // namespace lexora
