// SPDX-FileCopyrightText: 2026 The Lexora English developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

namespace lexora {

class SqliteDb;

// The engine's quick integrity check of an item file, run when a connection opens it. A
// file found sound is remembered by its identity (where it is, its inode, size and time of
// change, and those of its write-ahead log): opening the same unchanged file again within a
// run does not read it through once more. Writes made by this program keep it remembered.
class QuickCheck {
public:
    // Checks the file of `db` unless it is known sound as it is; a damaged file is refused
    // with a StoreError (not an item database).
    static void ensure(SqliteDb& db);
    // Remembers the file as sound as it is now: called when one of this program's connections,
    // which found it sound at opening, has just written it.
    static void rememberAsSound(const QString& path);
    // Forgets every file (for tests that damage a file in place without changing its identity).
    static void forgetAll();
};

} // namespace lexora
