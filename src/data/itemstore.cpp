// SPDX-FileCopyrightText: 2026 The Lexora English developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "data/itemstore.h"

#include "data/sqlitedb.h"

namespace lexora {

ItemStore ItemStore::open(const QString& path) {
    return ItemStore(SqliteDb::open(path));
}

QString ItemStore::path() const {
    return m_db->path();
}

std::unique_ptr<LiveView> ItemStore::tableView(const QString& table) const {
    return LiveView::open(m_db, table);
}

std::unique_ptr<SnapshotView> ItemStore::sortedCopy(const QString& table, const QString& orderField,
                                                    const QString& criteria) const {
    return SnapshotView::open(m_db, table, orderField, criteria);
}

qint64 ItemStore::changeStamp() const {
    return m_db->changeStamp();
}

std::unique_ptr<Transaction> ItemStore::transaction() const {
    return std::make_unique<Transaction>(m_db);
}

std::unique_ptr<Transaction> beginTransaction(const LiveView& view) {
    if (!view.database())
        throw StoreError(StoreError::Kind::Io, StoreError::Reason::ViewNotOpen);
    return std::make_unique<Transaction>(view.database());
}

std::optional<std::pair<QString, QString>> topicKeysOfSentence(const LiveView& anyView, const QString& sentence) {
    if (!anyView.database())
        return std::nullopt;
    Statement query = anyView.database()->prepare("SELECT kulcs1, kulcs2 FROM test1 WHERE trim(mondat) = ? ORDER BY rowid LIMIT 1");
    query.bind(1, sentence.trimmed());
    if (!query.step())
        return std::nullopt;
    return std::make_pair(query.column(0).toString(), query.column(1).toString());
}

bool hasItemNumberUpTo(LiveView& byNumber, int highest) {
    if (highest < 1)
        return false;
    // The first number of 1 or more decides.
    for (byNumber.moveFirst(); !byNumber.eof(); byNumber.moveNext()) {
        const QVariant number = byNumber.field(QStringLiteral("sorszam"));
        if (!number.isNull() && number.toLongLong() >= 1)
            return number.toLongLong() <= highest;
    }
    return false;
}

} // namespace lexora
