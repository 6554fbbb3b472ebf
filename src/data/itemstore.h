// SPDX-FileCopyrightText: 2026 The Lexora English developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "data/itemview.h"
#include "data/reasons.h"
#include "data/storeerror.h"

#include <QString>

#include <memory>
#include <optional>
#include <utility>

namespace lexora {

class SqliteDb;
class Transaction;

// An opened item database file: the entry point of the item store. Opening never
// creates a file; a missing file, a file that is not a database, or one without the
// item tables fails with a StoreError.
class ItemStore {
public:
    static ItemStore open(const QString& path);

    QString path() const;

    // A live view on a table ("test1" or "hiba1", in any letter case), on its first row.
    std::unique_ptr<LiveView> tableView(const QString& table) const;
    // A copy of a table's rows in ascending order of a field, restricted by a criterion.
    std::unique_ptr<SnapshotView> sortedCopy(const QString& table, const QString& orderField,
                                             const QString& criteria = QString()) const;
    // Changes whenever the file's contents change, through this store or any other connection.
    qint64 changeStamp() const;
    // The reasons kept in this file.
    ReasonTable reasons() const { return ReasonTable(m_db); }
    // Starts a transaction on this file; writes made through views of other connections are not part of it.
    std::unique_ptr<Transaction> transaction() const;

private:
    explicit ItemStore(std::shared_ptr<SqliteDb> db) : m_db(std::move(db)) {}
    std::shared_ptr<SqliteDb> m_db;
};

// Starts a transaction on the connection of a live view, for a batch of writes made through it.
std::unique_ptr<Transaction> beginTransaction(const LiveView& view);

// Whether some item has a number (`sorszam`) from 1 to `highest`, so that drawing numbers in
// that range until one belongs to an item ends. `byNumber` is a view of the item table in
// ascending item number; it is left standing wherever the search ended.
bool hasItemNumberUpTo(LiveView& byNumber, int highest);

// The topic keys (kulcs1, kulcs2) of the first item of the file whose sentence is `sentence`,
// for a copy of an item kept elsewhere (the failed items keep no keys); nothing when no item
// has that sentence. `anyView` is a view of any table of the file.
std::optional<std::pair<QString, QString>> topicKeysOfSentence(const LiveView& anyView, const QString& sentence);

} // namespace lexora
