// SPDX-FileCopyrightText: 2026 The Lexora English developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

#include <vector>

namespace lexora {

enum class FieldType { Integer, Text };

struct FieldDef {
    QString name;
    FieldType type;
    int maxLength; // for texts; 0 = no limit
};

struct IndexDef {
    QString name;
    QString field;
    bool unique;
};

// The fixed shape of the two tables of an item database. Names are matched
// without regard to letter case, as the screens spell them in several ways.
struct TableDef {
    QString name;
    std::vector<FieldDef> fields;
    std::vector<IndexDef> indexes;

    int fieldIndex(const QString& name) const; // -1 when there is no such field
    const IndexDef* index(const QString& name) const;
};

// Whole numbers in the item table are 16-bit, as the item numbers are.
constexpr int kIntegerMin = -32768;
constexpr int kIntegerMax = 32767;

const TableDef& itemTable();   // test1
const TableDef& failedTable(); // hiba1
const TableDef* findTable(const QString& name);

// The SQL that creates an empty item database. Only the item bank tool and tests
// create database files; the program itself never does.
const char* schemaSql();

} // namespace lexora
