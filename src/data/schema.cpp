// SPDX-FileCopyrightText: 2026 The Lexora English developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "data/schema.h"

namespace lexora {

int TableDef::fieldIndex(const QString& fieldName) const {
    for (size_t i = 0; i < fields.size(); ++i) {
        if (fields[i].name.compare(fieldName, Qt::CaseInsensitive) == 0)
            return int(i);
    }
    return -1;
}

const IndexDef* TableDef::index(const QString& indexName) const {
    for (const auto& idx : indexes) {
        if (idx.name.compare(indexName, Qt::CaseInsensitive) == 0)
            return &idx;
    }
    return nullptr;
}

const TableDef& itemTable() {
    static const TableDef table{
        "test1",
        {{"sorszam", FieldType::Integer, 0},
         {"sorrend", FieldType::Integer, 0},
         {"sorrend2", FieldType::Integer, 0},
         {"szint", FieldType::Integer, 0},
         {"mondat", FieldType::Text, 0},
         {"a", FieldType::Text, 0},
         {"b", FieldType::Text, 0},
         {"c", FieldType::Text, 0},
         {"d", FieldType::Text, 0},
         {"felelet1", FieldType::Text, 0},
         {"felelet2", FieldType::Text, 1},
         {"kulcs1", FieldType::Text, 1},
         {"kulcs2", FieldType::Text, 1}},
        {{"sorszam", "sorszam", true}, {"sorrend2", "sorrend2", true}, {"sorrend", "sorrend", false}}};
    return table;
}

const TableDef& failedTable() {
    static const TableDef table{"hiba1",
                                {{"hiba", FieldType::Text, 1},
                                 {"mondat", FieldType::Text, 0},
                                 {"a", FieldType::Text, 0},
                                 {"b", FieldType::Text, 0},
                                 {"c", FieldType::Text, 0},
                                 {"d", FieldType::Text, 0},
                                 {"felelet1", FieldType::Text, 0},
                                 {"felelet2", FieldType::Text, 0}},
                                {}};
    return table;
}

const TableDef* findTable(const QString& name) {
    for (const TableDef* table : {&itemTable(), &failedTable()}) {
        if (table->name.compare(name, Qt::CaseInsensitive) == 0)
            return table;
    }
    return nullptr;
}

const char* schemaSql() {
    return "CREATE TABLE test1 (sorszam INTEGER, sorrend INTEGER, sorrend2 INTEGER, szint INTEGER, "
           "mondat TEXT, a TEXT, b TEXT, c TEXT, d TEXT, felelet1 TEXT, felelet2 TEXT, kulcs1 TEXT, kulcs2 TEXT);"
           "CREATE UNIQUE INDEX sorszam ON test1 (sorszam);"
           "CREATE UNIQUE INDEX sorrend2 ON test1 (sorrend2);"
           "CREATE INDEX sorrend ON test1 (sorrend);"
           // Level and topic keys in sequence order: a copy of the items of a level or a topic,
           // in that order, is read from this index alone.
           "CREATE INDEX selection ON test1 (sorrend2, szint, kulcs1, kulcs2);"
           // The hidden key keeps the failed items in the order they were stored.
           "CREATE TABLE hiba1 (id INTEGER PRIMARY KEY AUTOINCREMENT, hiba TEXT, mondat TEXT, "
           "a TEXT, b TEXT, c TEXT, d TEXT, felelet1 TEXT, felelet2 TEXT);";
}

} // namespace lexora
