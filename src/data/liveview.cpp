// SPDX-FileCopyrightText: 2026 The Lexora English developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "data/itemview.h"

#include "data/itemviewsupport.h"
#include "data/sqlitedb.h"
#include "data/storeerror.h"

#include <algorithm>
#include <unordered_map>

namespace lexora {

using namespace viewsupport;

// ---------------------------------------------------------------- LiveView

LiveView::LiveView() : ItemView(itemTable()) {}
LiveView::~LiveView() = default;

std::unique_ptr<LiveView> LiveView::open(const QString& path, const QString& table) {
    auto view = std::make_unique<LiveView>();
    view->setDatabaseName(path);
    view->setRecordSource(table);
    view->refresh();
    return view;
}

std::unique_ptr<LiveView> LiveView::open(std::shared_ptr<SqliteDb> db, const QString& table) {
    auto view = std::make_unique<LiveView>();
    view->m_path = db->path();
    view->m_source = table;
    view->attach(std::move(db), table);
    return view;
}

void LiveView::refresh() {
    const TableDef& table = tableNamed(m_source);
    m_mode = EditMode::None;
    m_db.reset();
    m_keys.clear();
    resetToFirst();
    attach(SqliteDb::open(m_path), table.name);
}

void LiveView::reconnect() {
    if (!m_db) {
        refresh();
        return;
    }
    std::shared_ptr<SqliteDb> db = SqliteDb::open(m_path);
    m_db = std::move(db);
    m_cache.key = -1;
}

void LiveView::attach(std::shared_ptr<SqliteDb> db, const QString& table) {
    m_table = &tableNamed(table);
    m_db = std::move(db);
    m_index.clear();
    m_mode = EditMode::None;
    loadKeys();
    resetToFirst();
}

void LiveView::loadKeys() {
    std::string order = "rowid";
    if (!m_index.isEmpty())
        order = '"' + m_table->index(m_index)->field.toStdString() + "\", rowid";
    Statement rows = m_db->prepare("SELECT rowid FROM \"" + m_table->name.toStdString() + "\" ORDER BY " + order);
    m_keys.clear();
    while (rows.step())
        m_keys.push_back(rows.columnInt(0));
    m_cache.key = -1;
}

void LiveView::requireOpen() const {
    if (!m_db)
        throw m_path.isEmpty() ? StoreError(StoreError::Kind::NotFound, StoreError::Reason::ViewNotOpen)
                               : StoreError(StoreError::Kind::NotFound, StoreError::Reason::DatabaseNotOpen, {m_path});
}

bool LiveView::writable() const {
    return m_db && !m_db->readOnly();
}

void LiveView::requireWritable() const {
    requireOpen();
    if (m_db->readOnly())
        throw StoreError(StoreError::Kind::ReadOnly, StoreError::Reason::FileReadOnly, {m_db->path()});
}

std::string LiveView::selectColumns() const {
    return "SELECT " + quotedColumnList(*m_table) + " FROM \"" + m_table->name.toStdString() + "\"";
}

void LiveView::setIndex(const QString& name) {
    requireOpen();
    if (!name.isEmpty() && !m_table->index(name))
        throw StoreError(StoreError::Kind::UnknownField, StoreError::Reason::NoSuchIndex, {m_table->name, name});
    m_index = name.isEmpty() ? QString() : m_table->index(name)->name;
    m_mode = EditMode::None;
    loadKeys();
    resetToFirst();
}

void LiveView::seek(const QVariant& key) {
    requireOpen();
    if (m_index.isEmpty())
        throw StoreError(StoreError::Kind::UnknownField, StoreError::Reason::NoIndexChosen);
    beforeMove();
    const IndexDef* index = m_table->index(m_index);
    const FieldDef& field = m_table->fields[size_t(m_table->fieldIndex(index->field))];
    Statement find = m_db->prepare("SELECT rowid FROM \"" + m_table->name.toStdString() + "\" WHERE \"" +
                                   field.name.toStdString() + "\" = ? ORDER BY rowid LIMIT 1");
    find.bind(1, storedValue(field, key));
    m_noMatch = true;
    if (find.step()) {
        const qint64 rowid = find.columnInt(0);
        for (size_t i = 0; i < m_keys.size(); ++i) {
            if (m_keys[i] == rowid) {
                standOn(int(i));
                m_noMatch = false;
                break;
            }
        }
    }
}

QVariant LiveView::cell(int pos, int column) const {
    requireOpen();
    const qint64 key = m_keys[size_t(pos)];
    const qint64 stamp = m_db->changeStamp();
    if (m_cache.key != key || m_cache.stamp != stamp) {
        Statement row = m_db->prepare(selectColumns() + " WHERE rowid = ?");
        row.bind(1, QVariant(key));
        if (!row.step())
            throw StoreError(StoreError::Kind::NoCurrentRow, StoreError::Reason::ItemDeleted);
        m_cache.cells.resize(m_table->fields.size());
        for (size_t i = 0; i < m_table->fields.size(); ++i)
            m_cache.cells[i] = row.column(int(i));
        m_cache.key = key;
        m_cache.stamp = stamp;
    }
    return m_cache.cells[size_t(column)];
}

QVariant LiveView::currentCell(int column) const {
    if (m_mode != EditMode::None)
        return m_buffer[size_t(column)];
    return ItemView::currentCell(column);
}

// A scan reads only the columns the criterion needs. When the view is in stored order
// (the usual case) it walks the table from the starting row and stops at the first match.
int LiveView::scan(const Criterion& criterion, int from) const {
    requireOpen();
    if (from >= size())
        return -1;
    std::string sql = "SELECT rowid";
    for (int column : criterion.columns())
        sql += ", \"" + m_table->fields[size_t(column)].name.toStdString() + '"';
    sql += " FROM \"" + m_table->name.toStdString() + "\"";
    std::vector<QVariant> cells(m_table->fields.size());
    auto readInto = [&](const Statement& row) {
        for (size_t i = 0; i < criterion.columns().size(); ++i)
            cells[size_t(criterion.columns()[i])] = row.column(int(i) + 1);
    };

    if (std::is_sorted(m_keys.begin() + from, m_keys.end())) {
        Statement rows = m_db->prepare(sql + " WHERE rowid >= ? ORDER BY rowid");
        rows.bind(1, QVariant(m_keys[size_t(from)]));
        size_t pos = size_t(from);
        while (pos < m_keys.size() && rows.step()) {
            const qint64 key = rows.columnInt(0);
            while (pos < m_keys.size() && m_keys[pos] < key)
                ++pos; // a row of the view that was deleted elsewhere
            if (pos == m_keys.size() || m_keys[pos] != key)
                continue; // a row added elsewhere, not part of the view
            readInto(rows);
            if (criterion.matches(cells.data()))
                return int(pos);
            ++pos;
        }
        return -1;
    }

    std::unordered_map<qint64, std::vector<QVariant>> rows;
    rows.reserve(m_keys.size());
    Statement all = m_db->prepare(sql);
    while (all.step()) {
        readInto(all);
        rows.emplace(all.columnInt(0), cells);
    }
    for (int pos = from; pos < size(); ++pos) {
        const auto it = rows.find(m_keys[size_t(pos)]);
        if (it != rows.end() && criterion.matches(it->second.data()))
            return pos;
    }
    return -1;
}

void LiveView::beforeMove() {
    // Moving abandons an edit that was not written, as the database engine does.
    m_mode = EditMode::None;
}

void LiveView::edit() {
    requireOpen();
    requireCurrent();
    std::vector<QVariant> current(m_table->fields.size());
    for (size_t i = 0; i < current.size(); ++i)
        current[i] = cell(m_pos, int(i));
    m_buffer = std::move(current);
    m_mode = EditMode::Edit;
}

void LiveView::addNew(qint64 place) {
    requireOpen();
    m_wantedPlace = place;
    m_buffer.assign(m_table->fields.size(), QVariant());
    m_mode = EditMode::Add;
}

void LiveView::setField(const QString& name, const QVariant& value) {
    const int column = columnOf(name);
    if (m_mode == EditMode::None)
        throw StoreError(StoreError::Kind::NoCurrentRow, StoreError::Reason::NotEditing);
    m_buffer[size_t(column)] = storedValue(m_table->fields[size_t(column)], value);
}

void LiveView::update() {
    if (m_mode == EditMode::None)
        throw StoreError(StoreError::Kind::NoCurrentRow, StoreError::Reason::NotEditing);
    requireWritable();
    SnapshotView::completeCopiesOf(m_db->path());
    const std::string table = '"' + m_table->name.toStdString() + '"';
    if (m_mode == EditMode::Edit) {
        std::string sql = "UPDATE " + table + " SET ";
        for (size_t i = 0; i < m_table->fields.size(); ++i)
            sql += (i ? ", \"" : "\"") + m_table->fields[i].name.toStdString() + "\" = ?";
        Statement write = m_db->prepare(sql + " WHERE rowid = ?");
        for (size_t i = 0; i < m_buffer.size(); ++i)
            write.bind(int(i) + 1, m_buffer[i]);
        write.bind(int(m_buffer.size()) + 1, QVariant(m_keys[size_t(m_pos)]));
        write.step();
    } else {
        insertBuffer(table);
    }
    m_mode = EditMode::None;
    m_cache.key = -1;
}

// Writes the row being added: at its wanted place of the stored order when that is free, else
// at the end of the table. In stored order the row takes its place in the view too; in the
// order of an index it joins the end. The current row stays the row it was.
void LiveView::insertBuffer(const std::string& table) {
    bool atPlace = false;
    if (m_wantedPlace > 0) {
        Statement taken = m_db->prepare("SELECT 1 FROM " + table + " WHERE rowid = ?");
        taken.bind(1, QVariant(m_wantedPlace));
        atPlace = !taken.step();
    }
    std::string marks = atPlace ? "?" : "";
    for (size_t i = 0; i < m_buffer.size(); ++i)
        marks += (i || atPlace) ? ", ?" : "?";
    const std::string columns = (atPlace ? std::string("rowid, ") : std::string()) + quotedColumnList(*m_table);
    Statement write = m_db->prepare("INSERT INTO " + table + " (" + columns + ") VALUES (" + marks + ")");
    int column = 1;
    if (atPlace)
        write.bind(column++, QVariant(m_wantedPlace));
    for (const QVariant& value : m_buffer)
        write.bind(column++, value);
    write.step();
    m_added = m_db->lastInsertRowid();
    m_wantedPlace = 0;
    if (!atPlace || !m_index.isEmpty()) {
        m_keys.push_back(m_added);
        return;
    }
    const auto at = std::lower_bound(m_keys.begin(), m_keys.end(), m_added);
    const int index = int(at - m_keys.begin());
    m_keys.insert(at, m_added);
    if (m_pos >= index)
        ++m_pos;
}

qint64 LiveView::storedPlace() const {
    requireCurrent();
    return m_keys[size_t(m_pos)];
}

void LiveView::moveToAdded() {
    const auto at = std::find(m_keys.begin(), m_keys.end(), m_added);
    if (at == m_keys.end())
        throw StoreError(StoreError::Kind::NoCurrentRow, StoreError::Reason::NoCurrentItem);
    moveTo(int(at - m_keys.begin()));
}

void LiveView::cancelUpdate() {
    m_mode = EditMode::None;
}

void LiveView::deleteCurrent() {
    m_mode = EditMode::None;
    requireCurrent();
    requireWritable();
    SnapshotView::completeCopiesOf(m_db->path());
    Statement remove = m_db->prepare("DELETE FROM \"" + m_table->name.toStdString() + "\" WHERE rowid = ?");
    remove.bind(1, QVariant(m_keys[size_t(m_pos)]));
    remove.step();
    m_keys.erase(m_keys.begin() + m_pos);
    m_gone = true;
    m_cache.key = -1;
}

} // namespace lexora
