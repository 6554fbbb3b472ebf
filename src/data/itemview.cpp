#include "data/itemview.h"

#include "data/sqlitedb.h"
#include "data/storeerror.h"

#include <QFileInfo>

#include <algorithm>
#include <numeric>
#include <unordered_map>

namespace lexora {

namespace {

[[noreturn]] void noCurrentRow() {
    throw StoreError(StoreError::Kind::NoCurrentRow, StoreError::Reason::NoCurrentItem);
}

const TableDef& tableNamed(const QString& name) {
    const TableDef* table = findTable(name);
    if (!table)
        throw StoreError(StoreError::Kind::UnknownField, StoreError::Reason::NoSuchTable, {name});
    return *table;
}

std::string quotedColumnList(const TableDef& table) {
    std::string list;
    for (const FieldDef& field : table.fields) {
        if (!list.empty())
            list += ", ";
        list += '"' + field.name.toStdString() + '"';
    }
    return list;
}

} // namespace

// ---------------------------------------------------------------- ItemView

void ItemView::moveFirst() {
    beforeMove();
    if (size() == 0)
        noCurrentRow();
    standOn(0);
}

void ItemView::moveLast() {
    beforeMove();
    if (size() == 0)
        noCurrentRow();
    standOn(size() - 1);
}

void ItemView::moveNext() {
    beforeMove();
    if (eof())
        noCurrentRow();
    const int target = m_gone ? m_pos : m_pos + 1;
    m_gone = false;
    m_bof = false;
    if (target >= size()) {
        m_pos = size();
        m_eof = true;
    } else {
        m_pos = target;
    }
}

void ItemView::movePrevious() {
    beforeMove();
    if (bof())
        noCurrentRow();
    const int target = m_pos - 1;
    m_gone = false;
    m_eof = false;
    if (target < 0) {
        m_pos = -1;
        m_bof = true;
    } else {
        m_pos = target;
    }
}

void ItemView::findFirst(const QString& criteria) {
    const Criterion criterion = Criterion::parse(criteria, *m_table);
    beforeMove();
    const int found = scan(criterion, 0);
    m_noMatch = found < 0;
    if (found >= 0)
        standOn(found);
}

void ItemView::findNext(const QString& criteria) {
    const Criterion criterion = Criterion::parse(criteria, *m_table);
    beforeMove();
    int from = m_gone ? m_pos : m_pos + 1;
    if (m_bof || m_pos < 0)
        from = 0;
    const int found = (m_eof || from >= size()) ? -1 : scan(criterion, from);
    m_noMatch = found < 0;
    if (found >= 0)
        standOn(found);
}

QVariant ItemView::field(const QString& name) const {
    return currentCell(columnOf(name));
}

QString ItemView::text(const QString& name) const {
    const QVariant value = field(name);
    return value.isNull() ? QString() : value.toString();
}

QVariant ItemView::currentCell(int column) const {
    requireCurrent();
    return cell(m_pos, column);
}

int ItemView::columnOf(const QString& name) const {
    const int column = m_table->fieldIndex(name);
    if (column < 0)
        throw StoreError(StoreError::Kind::UnknownField, StoreError::Reason::NoSuchField, {m_table->name, name});
    return column;
}

void ItemView::requireCurrent() const {
    if (!hasCurrent())
        noCurrentRow();
}

void ItemView::standOn(int pos) {
    m_pos = pos;
    m_bof = false;
    m_eof = false;
    m_gone = false;
}

void ItemView::resetToFirst() {
    m_noMatch = false;
    m_gone = false;
    if (size() > 0) {
        standOn(0);
    } else {
        m_pos = -1;
        m_bof = true;
        m_eof = true;
    }
}

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

void LiveView::addNew() {
    requireOpen();
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
        std::string marks;
        for (size_t i = 0; i < m_buffer.size(); ++i)
            marks += i ? ", ?" : "?";
        Statement write =
            m_db->prepare("INSERT INTO " + table + " (" + quotedColumnList(*m_table) + ") VALUES (" + marks + ")");
        for (size_t i = 0; i < m_buffer.size(); ++i)
            write.bind(int(i) + 1, m_buffer[i]);
        write.step();
        // A new row joins the end of the view; the current row stays where it was.
        m_keys.push_back(m_db->lastInsertRowid());
    }
    m_mode = EditMode::None;
    m_cache.key = -1;
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

// ---------------------------------------------------------------- values

QVariant storedValue(const FieldDef& field, const QVariant& value) {
    if (value.isNull())
        return {};
    if (field.type == FieldType::Integer) {
        bool ok = false;
        const QString text = value.toString().trimmed();
        if (text.isEmpty())
            return {};
        const qlonglong number = text.toLongLong(&ok);
        if (!ok || number < kIntegerMin || number > kIntegerMax)
            throw StoreError(StoreError::Kind::BadValue, StoreError::Reason::NotWholeNumber,
                             {field.name, QString::number(kIntegerMin), QString::number(kIntegerMax),
                              value.toString()});
        return QVariant(number);
    }
    const QString text = value.toString();
    if (text.isEmpty())
        return {};
    if (field.maxLength > 0 && text.size() > field.maxLength)
        throw StoreError(StoreError::Kind::BadValue, StoreError::Reason::TooLong,
                         {field.name, QString::number(field.maxLength), text});
    return QVariant(text);
}

} // namespace lexora
