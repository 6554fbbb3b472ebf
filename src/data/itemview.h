// SPDX-FileCopyrightText: 2026 The Lexora English developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "data/criteria.h"
#include "data/schema.h"

#include <QString>
#include <QVariant>

#include <memory>
#include <vector>

namespace lexora {

class SqliteDb;

// An ordered set of rows of one table with a current row. Moving past the last row
// sets EOF, moving before the first sets BOF; on an empty view both are set. A move
// that the flags forbid (next at EOF, first on an empty view) fails with NoCurrentRow,
// and so does reading a field while there is no current row. A failed find leaves the
// current row where it was and sets the no-match flag.
class ItemView {
public:
    explicit ItemView(const TableDef& table) : m_table(&table) {}
    virtual ~ItemView() = default;
    ItemView(const ItemView&) = delete;
    ItemView& operator=(const ItemView&) = delete;

    const TableDef& table() const { return *m_table; }

    bool eof() const { return m_eof || size() == 0; }
    bool bof() const { return m_bof || size() == 0; }
    bool noMatch() const { return m_noMatch; }
    bool hasCurrent() const { return !m_gone && m_pos >= 0 && m_pos < size(); }
    int count() const { return size(); }
    int position() const { return hasCurrent() ? m_pos : -1; } // counted from 0; -1 without a current row

    void moveFirst();
    void moveLast();
    void moveNext();
    void movePrevious();
    void moveTo(int pos); // `pos` counted from 0, as position() gives it; must name a row

    void findFirst(const QString& criteria);
    void findNext(const QString& criteria);

    QVariant field(const QString& name) const; // null QVariant for an empty field
    QString text(const QString& name) const;   // the field as text, "" when empty

protected:
    virtual int size() const = 0;
    virtual QVariant cell(int pos, int column) const = 0;
    // First position at or after `from` whose row satisfies the criterion, or -1.
    virtual int scan(const Criterion& criterion, int from) const = 0;
    virtual QVariant currentCell(int column) const;
    virtual void beforeMove() {}

    int columnOf(const QString& name) const;
    void requireCurrent() const;
    void standOn(int pos); // pos must be a valid row
    void resetToFirst();   // after (re)loading the rows: first row, or both flags on an empty view

    const TableDef* m_table;
    int m_pos = -1;
    bool m_bof = true;
    bool m_eof = true;
    bool m_noMatch = false;
    bool m_gone = false; // the current row was deleted; m_pos names the row after it
};

// A live view of a table in a database file: it reads the current row afresh on each
// access (so writes made elsewhere show), orders its rows by the table's stored order
// or a named index, seeks by index key, and edits, adds and deletes rows.
//
// It plays both the bound view of a screen (file and table named first, opened by
// refresh) and the table view opened directly on a table.
class LiveView : public ItemView {
public:
    enum class EditMode { None, Edit, Add };

    LiveView();
    ~LiveView() override;

    // Opens `table` of the database file `path` and stands on its first row.
    static std::unique_ptr<LiveView> open(const QString& path, const QString& table);
    static std::unique_ptr<LiveView> open(std::shared_ptr<SqliteDb> db, const QString& table);

    // The source of the view; takes effect at the next refresh().
    void setDatabaseName(const QString& path) { m_path = path; }
    void setRecordSource(const QString& table) { m_source = table; }
    QString databaseName() const { return m_path; }
    // Closes and opens the view again on its file and table; the current row is the first.
    void refresh();
    // Opens the view's file afresh under it, keeping its rows, its current row and an edit under
    // way, so that a file mended, unlocked or put back since a fault is the one used. A file that
    // still cannot be opened fails, and the view stays as it was. A closed view is refreshed.
    void reconnect();
    bool isOpen() const { return bool(m_db); }
    // Whether the view is open on a file that can be written now.
    bool writable() const;
    // Fails with NotFound on a closed view and with ReadOnly when its file cannot be written.
    void requireWritable() const;

    void setIndex(const QString& name); // "" = stored order
    QString index() const { return m_index; }
    void seek(const QVariant& key); // first row whose index key equals `key`; sets the no-match flag

    void edit();
    // Begins a new row. With a `place` of the table's stored order (as storedPlace() gave it for a
    // row since deleted) the row is written there when no row holds it, else at the end.
    void addNew(qint64 place = 0);
    void setField(const QString& name, const QVariant& value); // checks and converts the value
    void update();                                             // writes the edited or new row
    void cancelUpdate();
    void deleteCurrent();
    EditMode editMode() const { return m_mode; }
    // The place of the current row in the table's stored order; it stays the row's for its life.
    qint64 storedPlace() const;
    // Makes the row the last update() added the current row.
    void moveToAdded();

    std::shared_ptr<SqliteDb> database() const { return m_db; }

protected:
    int size() const override { return int(m_keys.size()); }
    QVariant cell(int pos, int column) const override;
    int scan(const Criterion& criterion, int from) const override;
    QVariant currentCell(int column) const override;
    void beforeMove() override;

private:
    void requireOpen() const;
    void attach(std::shared_ptr<SqliteDb> db, const QString& table);
    void loadKeys();
    void insertBuffer(const std::string& table);
    std::string selectColumns() const;

    std::shared_ptr<SqliteDb> m_db;
    QString m_path;
    QString m_source;
    QString m_index;
    std::vector<qint64> m_keys;
    EditMode m_mode = EditMode::None;
    std::vector<QVariant> m_buffer;
    qint64 m_wantedPlace = 0; // where the row being added goes in the stored order; 0: at the end
    qint64 m_added = -1;      // the stored place of the row added last

    struct RowCache {
        qint64 key = -1;
        qint64 stamp = -1;
        std::vector<QVariant> cells;
    };
    mutable RowCache m_cache;
};

// A sorted and filtered copy of a table: later changes to the table do not show in it.
// A copy can be filtered again into a narrower one.
//
// Making the copy reads only the order field and the fields its criterion needs; the
// other fields are read when they are first needed.
// Before any write through the item store touches the file, every copy of that file
// reads the rest of its rows, so what it holds stays what the table held when it was made.
class SnapshotView : public ItemView {
public:
    struct Data;

    // Rows of `table` in ascending order of `orderField` (empty: the table's stored order),
    // restricted by `criteria` (null = all rows).
    static std::unique_ptr<SnapshotView> open(const QString& path, const QString& table, const QString& orderField,
                                              const QString& criteria = QString());
    static std::unique_ptr<SnapshotView> open(std::shared_ptr<SqliteDb> db, const QString& table,
                                              const QString& orderField, const QString& criteria = QString());
    std::unique_ptr<SnapshotView> filtered(const QString& criteria) const;
    ~SnapshotView() override;

    // Makes every copy of the file at `path` read the rest of its rows; the store calls it before writing.
    static void completeCopiesOf(const QString& path);

protected:
    int size() const override { return int(m_rows.size()); }
    QVariant cell(int pos, int column) const override;
    int scan(const Criterion& criterion, int from) const override;

private:
    explicit SnapshotView(const TableDef& table) : ItemView(table) {}

    std::shared_ptr<Data> m_data; // the copied rows, shared by narrower copies
    std::vector<int> m_rows;      // the rows of this copy, by index into m_data
};

// Checks a value for a field and brings it into the stored form: empty texts become
// empty fields, numbers typed as text become numbers. Throws StoreError(BadValue).
QVariant storedValue(const FieldDef& field, const QVariant& value);

} // namespace lexora
