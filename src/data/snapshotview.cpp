// SPDX-FileCopyrightText: 2026 The Lexora English developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "data/itemview.h"

#include "data/itemviewsupport.h"
#include "data/sqlitedb.h"
#include "data/storeerror.h"

#include <QFileInfo>

#include <algorithm>
#include <numeric>
#include <unordered_map>

namespace lexora {

using namespace viewsupport;

// ---------------------------------------------------------------- SnapshotView

// The copied rows, held column by column: a column is read for all rows at once when a
// criterion needs it, the long texts of a single row when that row is read.
struct SnapshotView::Data {
    const TableDef* table = nullptr;
    std::shared_ptr<SqliteDb> db; // dropped once every column is held
    QString file;                 // canonical path, to find the copies of a file
    std::string orderBy;          // the copy's order as the engine reads it
    std::vector<qint64> keys;                       // rowid of each copied row, in the copy's order
    std::vector<std::vector<QVariant>> columns;     // per column: a value per row, or empty while not read
    std::unordered_map<int, std::vector<QVariant>> rowsRead; // whole rows read one by one

    bool holds(int column) const { return !columns[size_t(column)].empty() || keys.empty(); }

    std::vector<int> missing(const std::vector<int>& wanted) const {
        std::vector<int> out;
        for (int c : wanted)
            if (!holds(c))
                out.push_back(c);
        return out;
    }

    std::string select(const std::vector<int>& cols) const {
        std::string sql = "SELECT rowid";
        for (int c : cols)
            sql += ", \"" + table->fields[size_t(c)].name.toStdString() + '"';
        return sql + " FROM \"" + table->name.toStdString() + "\"";
    }

    QVariant cell(int index, int column) const {
        if (holds(column))
            return columns[size_t(column)][size_t(index)];
        return wholeRow(index)[size_t(column)];
    }

    const std::vector<QVariant>& wholeRow(int index) const {
        auto it = rowsRead.find(index);
        if (it != rowsRead.end())
            return it->second;
        std::vector<int> all(table->fields.size());
        std::iota(all.begin(), all.end(), 0);
        Statement read = db->prepare(select(all) + " WHERE rowid = ?");
        read.bind(1, QVariant(keys[size_t(index)]));
        if (!read.step())
            throw StoreError(StoreError::Kind::NoCurrentRow, StoreError::Reason::ItemDeleted);
        std::vector<QVariant> row(all.size());
        for (size_t i = 0; i < all.size(); ++i)
            row[i] = read.column(int(i) + 1);
        return const_cast<Data*>(this)->rowsRead.emplace(index, std::move(row)).first->second;
    }

    // Reads the given columns for every row in one pass, in the given order (the copy's own
    // by default) where the table still has it, by row key otherwise.
    void load(const std::vector<int>& wanted, const std::string& passOrder = std::string()) {
        const std::vector<int> cols = missing(wanted);
        if (cols.empty() || !db)
            return;
        // The columns count as held only once the whole pass has read them: a pass that fails
        // half-way (a damaged file) leaves them unread, not empty.
        std::vector<std::vector<QVariant>> values(cols.size(), std::vector<QVariant>(keys.size()));
        std::vector<bool> seen(keys.size());
        std::unordered_map<qint64, size_t> indexOf;
        Statement read = db->prepare(select(cols) + " ORDER BY " + (passOrder.empty() ? orderBy : passOrder));
        size_t next = 0;
        while (read.step()) {
            const qint64 key = read.columnInt(0);
            size_t index = next;
            if (index >= keys.size() || keys[index] != key) {
                if (indexOf.empty())
                    for (size_t i = 0; i < keys.size(); ++i)
                        indexOf.emplace(keys[i], i);
                const auto it = indexOf.find(key);
                if (it == indexOf.end())
                    continue; // not part of this copy
                index = it->second;
            }
            next = index + 1;
            seen[index] = true;
            for (size_t i = 0; i < cols.size(); ++i)
                values[i][index] = read.column(int(i) + 1);
        }
        // A row the pass did not meet (an index of a damaged file that misses it) is read by
        // its key; one that is no longer in the table at all keeps empty fields.
        for (size_t index = 0; index < keys.size(); ++index) {
            if (seen[index])
                continue;
            Statement one = db->prepare(select(cols) + " WHERE rowid = ?");
            one.bind(1, QVariant(keys[index]));
            if (one.step())
                for (size_t i = 0; i < cols.size(); ++i)
                    values[i][index] = one.column(int(i) + 1);
        }
        for (size_t i = 0; i < cols.size(); ++i)
            columns[size_t(cols[i])] = std::move(values[i]);
    }

    void completeAll() {
        std::vector<int> all(table->fields.size());
        std::iota(all.begin(), all.end(), 0);
        // In the table's own order the engine reads every field from the table itself. In the
        // copy's order it may take some from a covering index, which in a damaged file can
        // disagree with the table that the copy's single rows are read from.
        load(all, "rowid");
        rowsRead.clear();
        db.reset();
    }
};

// Reads one copied row for a criterion.
class SnapshotRow : public CellReader {
public:
    SnapshotRow(const SnapshotView::Data& data, int index) : m_data(data), m_index(index) {}
    QVariant cell(int column) const override { return m_data.cell(m_index, column); }

private:
    const SnapshotView::Data& m_data;
    int m_index;
};

namespace {

// The copies that are alive, so that a write can make them complete first.
std::vector<SnapshotView::Data*>& liveCopies() {
    static std::vector<SnapshotView::Data*> copies;
    return copies;
}

QString canonicalFile(const QString& path) {
    const QString canonical = QFileInfo(path).canonicalFilePath();
    return canonical.isEmpty() ? path : canonical;
}


} // namespace

std::unique_ptr<SnapshotView> SnapshotView::open(const QString& path, const QString& table, const QString& orderField,
                                                 const QString& criteria) {
    return open(SqliteDb::open(path), table, orderField, criteria);
}

std::unique_ptr<SnapshotView> SnapshotView::open(std::shared_ptr<SqliteDb> db, const QString& tableName,
                                                 const QString& orderField, const QString& criteria) {
    const TableDef& table = tableNamed(tableName);
    const int orderColumn = orderField.isEmpty() ? -1 : table.fieldIndex(orderField);
    if (orderColumn < 0 && !orderField.isEmpty())
        throw StoreError(StoreError::Kind::UnknownField, StoreError::Reason::NoSuchField, {table.name, orderField});
    std::optional<Criterion> criterion;
    if (!criteria.isNull())
        criterion = Criterion::parse(criteria, table);

    auto data = std::shared_ptr<Data>(new Data, [](Data* d) {
        auto& copies = liveCopies();
        copies.erase(std::remove(copies.begin(), copies.end(), d), copies.end());
        delete d;
    });
    data->table = &table;
    data->orderBy = orderColumn < 0 ? std::string("rowid") : '"' + table.fields[size_t(orderColumn)].name.toStdString() + '"';
    data->file = canonicalFile(db->path());
    data->columns.resize(table.fields.size());

    // Making the copy reads only the order field and what the criterion needs; ordering by
    // the field alone lets the engine read a covering index in its order.
    std::vector<int> eager;
    if (orderColumn >= 0)
        eager.push_back(orderColumn);
    if (criterion)
        for (int c : criterion->columns())
            if (c != orderColumn)
                eager.push_back(c);
    std::vector<std::vector<QVariant>> read(eager.size());
    std::vector<QVariant> row(table.fields.size());
    Statement rows = db->prepare(data->select(eager) + " ORDER BY " + data->orderBy);
    while (rows.step()) {
        for (size_t i = 0; i < eager.size(); ++i)
            row[size_t(eager[i])] = rows.column(int(i) + 1);
        if (criterion && !criterion->matches(row.data()))
            continue;
        data->keys.push_back(rows.columnInt(0));
        for (size_t i = 0; i < eager.size(); ++i)
            read[i].push_back(row[size_t(eager[i])]);
    }
    for (size_t i = 0; i < eager.size(); ++i)
        data->columns[size_t(eager[i])] = std::move(read[i]);
    data->db = std::move(db);
    liveCopies().push_back(data.get());

    std::unique_ptr<SnapshotView> view(new SnapshotView(table));
    view->m_data = std::move(data);
    view->m_rows.resize(view->m_data->keys.size());
    std::iota(view->m_rows.begin(), view->m_rows.end(), 0);
    view->resetToFirst();
    return view;
}

SnapshotView::~SnapshotView() = default;

void SnapshotView::completeCopiesOf(const QString& path) {
    // Called before every write: with no copy alive the file's name need not be looked up.
    if (liveCopies().empty())
        return;
    const QString file = canonicalFile(path);
    for (Data* data : liveCopies())
        if (data->db && data->file == file)
            data->completeAll();
}

std::unique_ptr<SnapshotView> SnapshotView::filtered(const QString& criteria) const {
    const Criterion criterion = Criterion::parse(criteria, *m_table);
    m_data->load(criterion.columns());
    std::unique_ptr<SnapshotView> view(new SnapshotView(*m_table));
    view->m_data = m_data;
    for (int index : m_rows) {
        if (criterion.matches(SnapshotRow(*m_data, index)))
            view->m_rows.push_back(index);
    }
    view->resetToFirst();
    return view;
}

QVariant SnapshotView::cell(int pos, int column) const {
    return m_data->cell(m_rows[size_t(pos)], column);
}

int SnapshotView::scan(const Criterion& criterion, int from) const {
    m_data->load(criterion.columns());
    for (int pos = from; pos < size(); ++pos) {
        if (criterion.matches(SnapshotRow(*m_data, m_rows[size_t(pos)])))
            return pos;
    }
    return -1;
}

} // namespace lexora
