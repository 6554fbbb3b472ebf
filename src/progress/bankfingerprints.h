// SPDX-FileCopyrightText: 2026 The Lexora English developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "progress/progressstore.h"

#include <QDateTime>
#include <QHash>
#include <QSet>
#include <QString>

#include <vector>

namespace lexora {

class Statement;

// The fingerprints of the items of an item file as they are now, by item number: the progress
// file knows an item by number and fingerprint, and an item edited since it was answered is not
// the one answered. Hashing every item of a large bank takes a noticeable moment, so the whole
// bank is worked out once for each state of its file (time of change and size).
class BankFingerprints {
public:
    // Every item of the bank at `path`. Throws StoreError when the file cannot be read.
    const QHash<int, QString>& all(const QString& path);
    // The items numbered in `numbers` only; from the whole bank when it is known for this state.
    QHash<int, QString> some(const QString& path, const QSet<int>& numbers);

    // The fingerprint of the item on the current row of `SELECT sorszam, mondat, a, b, c, d,
    // felelet2`, the same as itemFingerprint() gives; `joined` is room the caller keeps.
    static QString ofRow(const Statement& row, QByteArray& joined);

private:
    bool current(const QString& path) const;
    static QHash<int, QString> read(const QString& path, const QSet<int>* numbers);

    QString m_path;
    QDateTime m_changed;
    qint64 m_size = -1;
    QHash<int, QString> m_items;
};

// The items of the bank at `bankPath` due before `before` whose content has not changed since
// they were answered, the most overdue first. Throws ProgressError or StoreError.
std::vector<ProgressStore::DueItem> unchangedDueItems(ProgressStore& store, BankFingerprints& fingerprints,
                                                      const QString& bankPath, const QDateTime& before);

} // namespace lexora
