// SPDX-FileCopyrightText: 2026 The Lexora English developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArrayView>
#include <QString>
#include <QVariant>

#include <map>
#include <memory>
#include <string>

class QFileInfo;
struct sqlite3;
struct sqlite3_stmt;

namespace lexora {

class ConnectionGuard;
class SqliteDb;

// A prepared statement borrowed from the connection's cache; it is reset when the
// borrow ends, so no read keeps a lock on the file longer than one call.
class Statement {
public:
    Statement(SqliteDb& db, sqlite3_stmt* stmt) : m_db(db), m_stmt(stmt) {}
    Statement(const Statement&) = delete;
    Statement& operator=(const Statement&) = delete;
    ~Statement();

    void bind(int index, const QVariant& value); // 1-based, as SQLite counts
    bool step();                                 // true while a row is there
    QVariant column(int index) const;            // 0-based
    qint64 columnInt(int index) const;
    // The column's text as stored (UTF-8), valid until the next step; for reading many rows fast.
    QByteArrayView columnUtf8(int index) const;

private:
    static QVariant oneLetter(char letter);

    SqliteDb& m_db;
    sqlite3_stmt* m_stmt;
};

// One open connection to an item database file.
class SqliteDb {
public:
    // Opens an existing file; with `create` (item bank tool and tests only) a new file may be made.
    static std::shared_ptr<SqliteDb> open(const QString& path, bool create = false);
    ~SqliteDb();

    Statement prepare(const std::string& sql);
    void exec(const char* sql);
    qint64 lastInsertRowid() const;
    // Changes whenever this file was written, through this connection or any other.
    qint64 changeStamp();
    // True when the file was opened for reading only or has been marked read-only since.
    bool readOnly() const;
    const QString& path() const { return m_path; }

    // Turns the engine's last error into a StoreError: throws the StoreError for engine result `rc`; `step` is one of StoreError::Step.
    [[noreturn]] void fail(int rc, const char* step) const;

private:
    friend class Statement;
    static bool markedReadOnly(const QFileInfo& file);
    SqliteDb(sqlite3* db, QString path);
    void checkItemDatabase();
    void checkItemFields();
    // Called as a statement starts and after one has finished.
    void startStatement();
    void statementDone();

    sqlite3* m_db;
    QString m_path;
    std::unique_ptr<ConnectionGuard> m_guard;
    std::map<std::string, sqlite3_stmt*> m_cache;
    bool m_checked = false; // the file was found sound and of the item schema at opening
    int m_notedChanges = 0; // rows written when the file was last remembered as sound
};

// Runs a batch of writes as one transaction: all of them or none.
class Transaction {
public:
    explicit Transaction(std::shared_ptr<SqliteDb> db);
    Transaction(const Transaction&) = delete;
    Transaction& operator=(const Transaction&) = delete;
    ~Transaction(); // rolls back unless committed
    void commit();

private:
    std::shared_ptr<SqliteDb> m_db;
    bool m_open = true;
};

} // namespace lexora
