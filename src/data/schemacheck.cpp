// SPDX-FileCopyrightText: 2026 The Lexora English developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "data/schemacheck.h"

#include "data/schema.h"
#include "data/sqlitedb.h"
#include "data/storeerror.h"

#include <vector>

namespace lexora {

namespace {

struct SchemaObject {
    QString type, name, table, sql;
};

// The one place a file is refused for what its schema holds; `object` names the object.
[[noreturn]] void refuse(const SqliteDb& db, const QString& object) {
    throw StoreError(StoreError::Kind::NotADatabase, StoreError::Reason::ForeignObject, {db.path(), object});
}

std::vector<SchemaObject> schemaObjects(SqliteDb& db) {
    std::vector<SchemaObject> objects;
    Statement rows = db.prepare("SELECT type, name, tbl_name, sql FROM sqlite_master ORDER BY rowid");
    while (rows.step())
        objects.push_back({rows.column(0).toString(), rows.column(1).toString(), rows.column(2).toString(),
                           rows.column(3).toString()});
    return objects;
}

bool isItemTable(const QString& name) {
    return findTable(name) != nullptr;
}

// Tables the engine makes itself: the counters of AUTOINCREMENT keys and the statistics
// that ANALYZE gathers. They hold data the engine reads, never code.
bool isEngineTable(const QString& name) {
    static const QStringList names{"sqlite_sequence", "sqlite_stat1", "sqlite_stat4"};
    return names.contains(name, Qt::CaseInsensitive);
}

void checkTable(SqliteDb& db, const SchemaObject& table) {
    if (table.sql.trimmed().startsWith(QLatin1String("CREATE VIRTUAL"), Qt::CaseInsensitive))
        refuse(db, QStringLiteral("virtual table \"%1\"").arg(table.name));
    if (isEngineTable(table.name))
        return;
    if (hasKeyword(table.sql, QLatin1String("CHECK")))
        refuse(db, QStringLiteral("a CHECK constraint on table \"%1\"").arg(table.name));
    // Hidden 2 and 3 mark columns whose values the engine computes from an expression.
    Statement columns = db.prepare("SELECT name FROM pragma_table_xinfo(?) WHERE hidden IN (2, 3)");
    columns.bind(1, table.name);
    if (columns.step())
        refuse(db,
               QStringLiteral("generated column \"%1\" of table \"%2\"").arg(columns.column(0).toString(), table.name));
    if (isItemTable(table.name) && hasKeyword(table.sql, QLatin1String("WITHOUT")))
        refuse(db, QStringLiteral("table \"%1\" without row numbers (WITHOUT ROWID)").arg(table.name));
}

void checkIndex(SqliteDb& db, const SchemaObject& index) {
    if (index.sql.isEmpty())
        return; // made by the engine for a UNIQUE or PRIMARY KEY constraint: columns only
    Statement list = db.prepare("SELECT partial FROM pragma_index_list(?) WHERE name = ?");
    list.bind(1, index.table);
    list.bind(2, index.name);
    if (list.step() && list.columnInt(0) != 0)
        refuse(db, QStringLiteral("index \"%1\" on %2 with a WHERE clause").arg(index.name, index.table));
    // Column number -2 stands for an expression among the indexed terms.
    Statement terms = db.prepare("SELECT 1 FROM pragma_index_xinfo(?) WHERE key = 1 AND cid = -2");
    terms.bind(1, index.name);
    if (terms.step())
        refuse(db, QStringLiteral("index \"%1\" on %2 over an expression").arg(index.name, index.table));
}

} // namespace

void checkSchemaObjects(SqliteDb& db) {
    for (const SchemaObject& object : schemaObjects(db)) {
        if (object.type == QLatin1String("trigger"))
            refuse(db, QStringLiteral("trigger \"%1\" on %2").arg(object.name, object.table));
        else if (object.type == QLatin1String("view"))
            refuse(db, isItemTable(object.name) ? QStringLiteral("view \"%1\" in place of the table").arg(object.name)
                                                : QStringLiteral("view \"%1\"").arg(object.name));
        else if (object.type == QLatin1String("table"))
            checkTable(db, object);
        else if (object.type == QLatin1String("index"))
            checkIndex(db, object);
        else
            refuse(db, QStringLiteral("%1 \"%2\"").arg(object.type, object.name));
    }
}

bool hasKeyword(const QString& sql, QLatin1String keyword) {
    const qsizetype n = sql.size();
    auto isWordChar = [](QChar c) { return c.isLetterOrNumber() || c == QLatin1Char('_') || c == QLatin1Char('$'); };
    qsizetype i = 0;
    while (i < n) {
        const QChar c = sql[i];
        if (c == QLatin1Char('\'') || c == QLatin1Char('"') || c == QLatin1Char('`') || c == QLatin1Char('[')) {
            const QChar close = c == QLatin1Char('[') ? QLatin1Char(']') : c;
            // A doubled closing quote stands for the quote itself and goes on.
            for (++i; i < n; ++i) {
                if (sql[i] == close) {
                    if (close != QLatin1Char(']') && i + 1 < n && sql[i + 1] == close)
                        ++i;
                    else
                        break;
                }
            }
            ++i;
        } else if (c == QLatin1Char('-') && i + 1 < n && sql[i + 1] == QLatin1Char('-')) {
            while (i < n && sql[i] != QLatin1Char('\n'))
                ++i;
        } else if (c == QLatin1Char('/') && i + 1 < n && sql[i + 1] == QLatin1Char('*')) {
            const qsizetype end = sql.indexOf(QLatin1String("*/"), i + 2);
            i = end < 0 ? n : end + 2;
        } else if (isWordChar(c)) {
            const qsizetype start = i;
            while (i < n && isWordChar(sql[i]))
                ++i;
            if (QStringView(sql).mid(start, i - start).compare(keyword, Qt::CaseInsensitive) == 0)
                return true;
        } else {
            ++i;
        }
    }
    return false;
}

} // namespace lexora
