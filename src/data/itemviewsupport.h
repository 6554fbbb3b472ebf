// SPDX-FileCopyrightText: 2026 The Lexora English developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Small pieces the item views share: how a missing row and an unknown table are told, and
// the quoted column list of a table.

#include "data/schema.h"
#include "data/storeerror.h"

#include <string>

namespace lexora::viewsupport {

[[noreturn]] inline void noCurrentRow() {
    throw StoreError(StoreError::Kind::NoCurrentRow, StoreError::Reason::NoCurrentItem);
}

inline const TableDef& tableNamed(const QString& name) {
    const TableDef* table = findTable(name);
    if (!table)
        throw StoreError(StoreError::Kind::UnknownField, StoreError::Reason::NoSuchTable, {name});
    return *table;
}

inline std::string quotedColumnList(const TableDef& table) {
    std::string list;
    for (const FieldDef& field : table.fields) {
        if (!list.empty())
            list += ", ";
        list += '"' + field.name.toStdString() + '"';
    }
    return list;
}

} // namespace lexora::viewsupport
