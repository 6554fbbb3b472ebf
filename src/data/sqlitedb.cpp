// SPDX-FileCopyrightText: 2026 The Lexora English developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "data/sqlitedb.h"

#include "data/connectionguard.h"
#include "data/quickcheck.h"
#include "data/schema.h"
#include "data/schemacheck.h"
#include "data/storeerror.h"

#include <QFileInfo>

#include <sqlite3.h>

#include <array>

namespace lexora {

Statement::~Statement() {
    sqlite3_reset(m_stmt);
    sqlite3_clear_bindings(m_stmt);
}

void Statement::bind(int index, const QVariant& value) {
    int rc = SQLITE_OK;
    if (value.isNull()) {
        rc = sqlite3_bind_null(m_stmt, index);
    } else if (value.typeId() == QMetaType::QString) {
        const QByteArray utf8 = value.toString().toUtf8();
        rc = sqlite3_bind_text(m_stmt, index, utf8.constData(), int(utf8.size()), SQLITE_TRANSIENT);
    } else {
        rc = sqlite3_bind_int64(m_stmt, index, value.toLongLong());
    }
    if (rc != SQLITE_OK)
        m_db.fail(rc, StoreError::Step::value);
}

bool Statement::step() {
    m_db.startStatement();
    const int rc = sqlite3_step(m_stmt);
    if (rc == SQLITE_ROW)
        return true;
    if (rc == SQLITE_DONE) {
        m_db.statementDone();
        return false;
    }
    m_db.fail(rc, StoreError::Step::readWrite);
}

// The one-letter fields (keys, answer letters) repeat a handful of values; sharing one
// text per letter saves an allocation for each of them when many rows are read.
QVariant Statement::oneLetter(char letter) {
    static const std::array<QVariant, 128> letters = [] {
        std::array<QVariant, 128> all;
        for (int c = 0; c < 128; ++c)
            all[size_t(c)] = QVariant(QString(QChar(c)));
        return all;
    }();
    return letters[size_t(uchar(letter))];
}

QVariant Statement::column(int index) const {
    switch (sqlite3_column_type(m_stmt, index)) {
    case SQLITE_NULL:
        return {};
    case SQLITE_INTEGER:
        return QVariant(qlonglong(sqlite3_column_int64(m_stmt, index)));
    default: {
        const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(m_stmt, index));
        const int bytes = sqlite3_column_bytes(m_stmt, index);
        if (bytes == 1 && uchar(text[0]) < 128)
            return oneLetter(text[0]);
        return QVariant(QString::fromUtf8(text, bytes));
    }
    }
}

qint64 Statement::columnInt(int index) const {
    return sqlite3_column_int64(m_stmt, index);
}

QByteArrayView Statement::columnUtf8(int index) const {
    const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(m_stmt, index));
    return QByteArrayView(text, sqlite3_column_bytes(m_stmt, index));
}

// A file whose owner may not write it is opened for reading only, whoever runs the program:
// a file marked read-only stays unchanged even for an administrator. So is a file in a folder
// its owner may not write, where the engine could not make its journal.
bool SqliteDb::markedReadOnly(const QFileInfo& file) {
    return !(file.permissions() & QFileDevice::WriteOwner) ||
           !(QFileInfo(file.absolutePath()).permissions() & QFileDevice::WriteOwner);
}

std::shared_ptr<SqliteDb> SqliteDb::open(const QString& path, bool create) {
    const QFileInfo info(path);
    if (!create && !info.exists())
        throw StoreError(StoreError::Kind::NotFound, StoreError::Reason::FileMissing, {path});
    if (info.exists() && !info.isFile())
        throw StoreError(StoreError::Kind::NotADatabase, StoreError::Reason::NotAFile, {path});

    const bool readOnly = info.exists() && markedReadOnly(info);
    sqlite3* handle = nullptr;
    // Each connection is used by one thread only, so the engine need not lock it.
    const int flags = (readOnly ? SQLITE_OPEN_READONLY : SQLITE_OPEN_READWRITE) |
                      (create ? SQLITE_OPEN_CREATE : 0) | SQLITE_OPEN_NOMUTEX;
    const int rc = sqlite3_open_v2(path.toUtf8().constData(), &handle, flags, nullptr);
    if (rc != SQLITE_OK) {
        sqlite3_close(handle);
        throw StoreError(StoreError::Kind::NotFound, StoreError::Reason::CannotOpen, {path});
    }
    sqlite3_extended_result_codes(handle, 1);
    sqlite3_busy_timeout(handle, 2000);
    std::shared_ptr<SqliteDb> db(new SqliteDb(handle, path));
    // Sizes of cells are checked as pages are read, and no page is read through a memory map:
    // the engine's advice for files of unknown origin.
    db->exec("PRAGMA cell_size_check = ON; PRAGMA mmap_size = 0;");
    if (!create)
        db->checkItemDatabase();
    // The item files are small enough to be kept in the connection's cache, which makes a
    // scan over all items cheap. They are not read through a memory map: a file that another
    // program shortens while it is open (a copy made over it) would end the process there.
    // Set once the tables are known, as it reads them: on a locked file it would wait too.
    db->startStatement();
    sqlite3_exec(handle, "PRAGMA cache_size = -32000;", nullptr, nullptr, nullptr);
    return db;
}

SqliteDb::SqliteDb(sqlite3* db, QString path)
    : m_db(db), m_path(std::move(path)), m_guard(std::make_unique<ConnectionGuard>(db)) {}

// A file that is damaged, is not a database, lacks the item tables or holds anything
// besides data is refused at once, before any screen relies on it. The integrity check
// comes first, before anything else in the file is read.
void SqliteDb::checkItemDatabase() {
    try {
        QuickCheck::ensure(*this);
        checkSchemaObjects(*this);
        checkItemFields();
    } catch (const StoreError& e) {
        // A file another program holds locked may well be an item database; a check that
        // ran too long is told as such.
        if (e.kind() == StoreError::Kind::NotADatabase || e.kind() == StoreError::Kind::Busy ||
            e.reason() == StoreError::Reason::TookTooLong)
            throw;
        // The engine's own words say what it met instead of the tables.
        throw StoreError(StoreError::Kind::NotADatabase, StoreError::Reason::NotItemDatabase,
                         {m_path, e.details().value(e.details().size() - 1)});
    }
    m_checked = true;
    m_notedChanges = sqlite3_total_changes(m_db);
}

void SqliteDb::checkItemFields() {
    for (const TableDef* table : {&itemTable(), &failedTable()}) {
        Statement info = prepare("SELECT name FROM pragma_table_info(?)");
        info.bind(1, table->name);
        std::vector<QString> present;
        while (info.step())
            present.push_back(info.column(0).toString());
        for (const FieldDef& field : table->fields) {
            bool found = false;
            for (const QString& name : present)
                found = found || name.compare(field.name, Qt::CaseInsensitive) == 0;
            if (!found)
                throw present.empty() ? StoreError(StoreError::Kind::NotADatabase, StoreError::Reason::TableMissing,
                                                   {m_path, table->name})
                                      : StoreError(StoreError::Kind::NotADatabase, StoreError::Reason::FieldMissing,
                                                   {m_path, table->name, field.name});
        }
    }
}

void SqliteDb::startStatement() {
    m_guard->startStatement();
}

// Once this program has written a file it found sound, the file is remembered as sound as
// it now is, so that the next opening does not check it through again.
void SqliteDb::statementDone() {
    if (!m_checked || !sqlite3_get_autocommit(m_db))
        return;
    const int changes = sqlite3_total_changes(m_db);
    if (changes == m_notedChanges)
        return;
    m_notedChanges = changes;
    QuickCheck::rememberAsSound(m_path);
}

SqliteDb::~SqliteDb() {
    for (auto& entry : m_cache)
        sqlite3_finalize(entry.second);
    sqlite3_close(m_db);
}

Statement SqliteDb::prepare(const std::string& sql) {
    auto it = m_cache.find(sql);
    if (it == m_cache.end()) {
        startStatement(); // preparing reads the schema, which may run long on a hostile file
        sqlite3_stmt* stmt = nullptr;
        const int rc = sqlite3_prepare_v2(m_db, sql.c_str(), int(sql.size()), &stmt, nullptr);
        if (rc != SQLITE_OK)
            fail(rc, StoreError::Step::query);
        it = m_cache.emplace(sql, stmt).first;
    }
    return Statement(*this, it->second);
}

void SqliteDb::exec(const char* sql) {
    char* message = nullptr;
    startStatement();
    const int rc = sqlite3_exec(m_db, sql, nullptr, nullptr, &message);
    sqlite3_free(message);
    if (rc != SQLITE_OK)
        fail(rc, StoreError::Step::command);
    statementDone();
}

qint64 SqliteDb::lastInsertRowid() const {
    return sqlite3_last_insert_rowid(m_db);
}

qint64 SqliteDb::changeStamp() {
    Statement version = prepare("PRAGMA data_version");
    const qint64 others = version.step() ? version.columnInt(0) : 0;
    return (others << 32) ^ qint64(sqlite3_total_changes(m_db));
}

bool SqliteDb::readOnly() const {
    if (sqlite3_db_readonly(m_db, "main") == 1)
        return true;
    // A file marked read-only after it was opened is not written either. Within a transaction
    // the marks were looked at when it began.
    if (!sqlite3_get_autocommit(m_db))
        return false;
    const QFileInfo file(m_path);
    return file.exists() && markedReadOnly(file);
}

void SqliteDb::fail(int rc, const char* step) const {
    const QString detail = QString::fromUtf8(sqlite3_errmsg(m_db));
    const int primary = rc & 0xff;
    // The one place a statement stopped for running too long is told. The engine has taken
    // back what the statement wrote (and its whole transaction, for a write).
    if (primary == SQLITE_INTERRUPT && m_guard->timedOut())
        throw StoreError(StoreError::Kind::Io, StoreError::Reason::TookTooLong, {m_path});
    if (rc == SQLITE_CONSTRAINT_UNIQUE || rc == SQLITE_CONSTRAINT_PRIMARYKEY)
        throw StoreError(StoreError::Kind::DuplicateKey, StoreError::Reason::ValueTaken, {detail});
    if (rc == SQLITE_READONLY_DBMOVED)
        throw StoreError(StoreError::Kind::NotFound, StoreError::Reason::MovedOrDeleted, {m_path});
    if (primary == SQLITE_READONLY || primary == SQLITE_PERM || primary == SQLITE_AUTH)
        throw StoreError(StoreError::Kind::ReadOnly, StoreError::Reason::FileReadOnly, {m_path});
    if (primary == SQLITE_BUSY || primary == SQLITE_LOCKED)
        throw StoreError(StoreError::Kind::Busy, StoreError::Reason::InUse, {m_path});
    // The engine cannot create its journal beside the file: the folder cannot be written.
    if (primary == SQLITE_CANTOPEN)
        throw StoreError(StoreError::Kind::ReadOnly, StoreError::Reason::FolderReadOnly, {m_path});
    // Engine versions word a damaged index or page differently ("index corruption", "wrong # of
    // entries in index ..."); every one of them is told as the damaged file it is.
    if (primary == SQLITE_CORRUPT)
        throw StoreError(StoreError::Kind::NotADatabase, StoreError::Reason::NotItemDatabase,
                         {m_path, QString::fromUtf8(sqlite3_errstr(SQLITE_CORRUPT))});
    if (primary == SQLITE_NOTADB)
        throw StoreError(StoreError::Kind::NotADatabase, StoreError::Reason::NotItemDatabase, {m_path, detail});
    throw StoreError(StoreError::Kind::Io, StoreError::Reason::EngineFailure,
                     {m_path, QString::fromLatin1(step), detail});
}

Transaction::Transaction(std::shared_ptr<SqliteDb> db) : m_db(std::move(db)) {
    if (m_db->readOnly())
        throw StoreError(StoreError::Kind::ReadOnly, StoreError::Reason::FileReadOnly, {m_db->path()});
    m_db->exec("BEGIN IMMEDIATE");
}

Transaction::~Transaction() {
    if (m_open) {
        try {
            m_db->exec("ROLLBACK");
        } catch (...) {
        }
    }
}

void Transaction::commit() {
    m_db->exec("COMMIT");
    m_open = false;
}

} // namespace lexora
