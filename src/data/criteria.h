// SPDX-FileCopyrightText: 2026 The Lexora English developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "data/schema.h"

#include <QString>
#include <QVariant>

#include <memory>

namespace lexora {

// A selection criterion such as "kulcs1 = '1' And kulcs2 = 'a'", parsed into a small
// expression tree and evaluated by the program itself: a criteria text never reaches SQL.
//
// Terms compare a field with a literal (=, <>, <, <=, >, >=), match it against a pattern
// (Like, with * for any run of characters, ? for one character and # for one digit), or test
// it for emptiness (Is Null, Is Not Null). Terms join with And, Or, Not and parentheses.
// Numbers are written bare, texts in single or double quotes (a quote is doubled inside).
// Keywords and field names are matched in any letter case, and so are texts, as in the
// database engine. A comparison with an empty field is neither true nor false, so a
// criterion that depends on it does not select the row.
// Hands a criterion the values of one row, by column of the table.
class CellReader {
public:
    virtual ~CellReader() = default;
    virtual QVariant cell(int column) const = 0;
};

class Criterion {
public:
    struct Node;

    // Parses a criteria text and binds its field names to the columns of `table`.
    // Throws StoreError (BadCriterion or UnknownField).
    static Criterion parse(const QString& text, const TableDef& table);

    // `cells` holds the row's values in the column order of the table (null QVariant = empty).
    bool matches(const QVariant* cells) const;
    bool matches(const CellReader& row) const;

    // Columns that the criterion reads, so a scan can fetch only those.
    const std::vector<int>& columns() const { return m_columns; }

private:
    std::shared_ptr<const Node> m_root;
    std::vector<int> m_columns;
};

} // namespace lexora
