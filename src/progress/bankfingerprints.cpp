// SPDX-FileCopyrightText: 2026 The Lexora English developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "progress/bankfingerprints.h"

#include "data/itemfingerprint.h"
#include "data/sqlitedb.h"

#include <QCryptographicHash>
#include <QFileInfo>

#include <algorithm>

namespace lexora {

bool BankFingerprints::current(const QString& path) const {
    const QFileInfo file(path);
    return path == m_path && file.lastModified() == m_changed && file.size() == m_size;
}

const QHash<int, QString>& BankFingerprints::all(const QString& path) {
    if (current(path))
        return m_items;
    const QFileInfo file(path);
    // The state is taken before reading: a write meanwhile makes the next look read again.
    const QDateTime changed = file.lastModified();
    const qint64 size = file.size();
    m_items = read(path, nullptr);
    m_path = path;
    m_changed = changed;
    m_size = size;
    return m_items;
}

QHash<int, QString> BankFingerprints::some(const QString& path, const QSet<int>& numbers) {
    if (!current(path))
        return read(path, &numbers);
    QHash<int, QString> wanted;
    for (int number : numbers)
        if (auto it = m_items.constFind(number); it != m_items.cend())
            wanted.insert(number, *it);
    return wanted;
}

namespace {

bool asciiSpace(char c) {
    return c == ' ' || (c >= '\t' && c <= '\r');
}

QByteArrayView trimmedAscii(QByteArrayView text) {
    while (!text.isEmpty() && asciiSpace(text.front()))
        text = text.sliced(1);
    while (!text.isEmpty() && asciiSpace(text.back()))
        text.chop(1);
    return text;
}

} // namespace

// The fingerprint of the item on the current row. Items in plain ASCII, nearly all of them, are
// hashed straight from the stored bytes, which gives what itemFingerprint() gives without
// building strings; any other item goes through itemFingerprint() itself.
QString BankFingerprints::ofRow(const Statement& row, QByteArray& joined) {
    QByteArrayView fields[6];
    for (int i = 0; i < 6; ++i) {
        fields[i] = row.columnUtf8(i + 1);
        for (char c : fields[i])
            if (uchar(c) >= 0x80)
                return itemFingerprint(ItemContent{row.column(1).toString(), row.column(2).toString(),
                                                   row.column(3).toString(), row.column(4).toString(),
                                                   row.column(5).toString(), row.column(6).toString()});
    }
    joined.clear();
    for (int i = 0; i < 6; ++i) {
        if (i > 0)
            joined += char(0x1f);
        joined += trimmedAscii(fields[i]);
    }
    // The key is compared without regard to letter case.
    const qsizetype key = joined.lastIndexOf(char(0x1f)) + 1;
    for (qsizetype i = key; i < joined.size(); ++i)
        joined[i] = char(QChar::toUpper(uchar(joined[i])));
    const QByteArray digest = QCryptographicHash::hash(joined, QCryptographicHash::Sha256);
    return QString::fromLatin1(digest.left(8).toHex());
}

// One pass over the item table; only the items asked for are hashed.
QHash<int, QString> BankFingerprints::read(const QString& path, const QSet<int>* numbers) {
    QHash<int, QString> items;
    if (numbers && numbers->isEmpty())
        return items;
    auto db = SqliteDb::open(path);
    Statement rows = db->prepare("SELECT sorszam, mondat, a, b, c, d, felelet2 FROM test1");
    QByteArray joined;
    while (rows.step()) {
        const int number = int(rows.columnInt(0));
        if (!numbers || numbers->contains(number))
            items.insert(number, ofRow(rows, joined));
    }
    return items;
}

std::vector<ProgressStore::DueItem> unchangedDueItems(ProgressStore& store, BankFingerprints& fingerprints,
                                                      const QString& bankPath, const QDateTime& before) {
    std::vector<ProgressStore::DueItem> due = store.dueItems(QFileInfo(bankPath).fileName(), before);
    QSet<int> numbers;
    for (const ProgressStore::DueItem& item : due)
        numbers.insert(item.number);
    const QHash<int, QString> now = fingerprints.some(bankPath, numbers);
    due.erase(std::remove_if(due.begin(), due.end(),
                             [&now](const ProgressStore::DueItem& item) {
                                 return now.value(item.number) != item.fingerprint;
                             }),
              due.end());
    return due;
}

} // namespace lexora
