// SPDX-FileCopyrightText: 2026 The Lexora English developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

namespace lexora {

class SqliteDb;

// An item file holds data, never code. Its schema may have the two item tables as ordinary
// tables, indexes on their columns, further ordinary tables (a teacher's notes) and the
// engine's own statistics and sequence tables; nothing in it may run statements or
// expressions of its own: no trigger, no view (least of all one posing as an item table), no
// virtual table, no CHECK constraint, no generated column, no index on an expression or with
// a WHERE clause. The item tables must also keep their row numbers, which the views rely on.
//
// Throws a StoreError (not an item database) naming the first object that breaks this.
void checkSchemaObjects(SqliteDb& db);

// True when `sql` has `keyword` as a word of its own, outside quoted names, texts and comments.
bool hasKeyword(const QString& sql, QLatin1String keyword);

} // namespace lexora
