// SPDX-FileCopyrightText: 2026 The Lexora English developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "data/itembank.h"
#include "data/storeerror.h"

#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include <vector>

namespace lexora::testing {

// A fresh item database in its own temporary folder, removed with the object.
// Built from a fixture bank in tests/fixtures or from items given in the test.
class TempDatabase {
public:
    explicit TempDatabase(const QString& fixture = QStringLiteral("items.tsv"),
                          const QString& fileName = QStringLiteral("en_data1.mdb"));
    TempDatabase(const std::vector<QStringList>& items, const QString& fileName = QStringLiteral("en_data1.mdb"));

    QString path() const { return m_path; }
    QString dir() const; // the folder, with one trailing "/"

    ItemBank items() const { return ItemBank::readDatabase(m_path); }
    // Rows of the failed-items table in stored order, each as hiba, mondat, a, b, c, d, felelet1, felelet2.
    std::vector<QStringList> failedRows() const;
    void setReadOnly(bool readOnly = true);

private:
    QTemporaryDir m_dir;
    QString m_path;
};

// An item row in the column order of the item table, with answers "a1".."d1" style texts.
QStringList makeItem(int sorszam, int sorrend2, int szint = 1, const QString& kulcs1 = QStringLiteral("1"),
                     const QString& kulcs2 = QStringLiteral("0"), const QString& felelet2 = QStringLiteral("A"));

// The bytes of a file, to prove it unchanged; empty when it cannot be read.
QByteArray contentsOf(const QString& path);

// Reads a fixture bank from tests/fixtures.
ItemBank fixtureBank(const QString& fixture = QStringLiteral("items.tsv"));

// The kind of store error `f` raises; an impossible kind when it raises none.
template <typename F> StoreError::Kind failureOf(F&& f) {
    try {
        f();
    } catch (const StoreError& e) {
        return e.kind();
    }
    return StoreError::Kind(-1);
}

} // namespace lexora::testing
