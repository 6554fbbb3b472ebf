// SPDX-FileCopyrightText: 2026 The Lexora English developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <QVariant>

namespace lexora {

class SqliteDb;
class StoreError;

// Helpers for the tables an item file may or may not carry beside its items (the reasons and
// the notes on wrong answers). Older copies and files from elsewhere lack them, or have a table
// of the same name in another shape; either way such a file simply has no explanations.

// Whether the file has a table of this name (compared as SQLite does, without case).
bool hasTable(SqliteDb& db, const char* name);

// Whether a failed read means the table cannot be read as ours (another shape) or the file's
// extra table is unreadable, rather than the file failing as a whole (locked, gone), which is
// the caller's business as for every other read.
bool meansNoExplanations(const StoreError& error);

// A stored text as shown: one longer than `maxLength` is not one of ours and is cut rather than
// filling the screen.
QString shownText(const QVariant& value, int maxLength);

} // namespace lexora
