// SPDX-FileCopyrightText: 2026 The Lexora English developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "data/reasons.h"

#include "data/optionaltable.h"
#include "data/sqlitedb.h"
#include "data/storeerror.h"

namespace lexora {

namespace {

constexpr int kShownMaxLength = 1000;

QString cut(const QVariant& value) {
    return shownText(value, kShownMaxLength);
}

} // namespace

QString Reason::inLanguage(bool hungarian) const {
    return hungarian ? this->hungarian : english;
}

const char* ReasonTable::createSql() {
    return "CREATE TABLE reasons (fingerprint TEXT NOT NULL, en TEXT, hu TEXT, teacher INTEGER);"
           "CREATE UNIQUE INDEX reasons_fingerprint ON reasons (fingerprint);";
}

QString ReasonTable::filePath() const {
    return m_db->path();
}

bool ReasonTable::exists() const {
    return hasTable(*m_db, "reasons");
}

std::optional<Reason> ReasonTable::find(const QString& fingerprint) const {
    try {
        if (!exists())
            return std::nullopt;
        Statement query = m_db->prepare("SELECT en, hu, teacher FROM reasons WHERE fingerprint = ? LIMIT 1");
        query.bind(1, fingerprint);
        if (!query.step())
            return std::nullopt;
        Reason reason{cut(query.column(0)), cut(query.column(1)), query.columnInt(2) != 0};
        if (reason.isEmpty())
            return std::nullopt;
        return reason;
    } catch (const StoreError& error) {
        if (meansNoExplanations(error))
            return std::nullopt;
        throw;
    }
}

void ReasonTable::write(const QString& fingerprint, const Reason& reason) const {
    writeAll({{fingerprint, reason}});
}

void ReasonTable::writeAll(const std::vector<std::pair<QString, Reason>>& reasons) const {
    Transaction transaction(m_db);
    writeAll(transaction, reasons);
    transaction.commit();
}

void ReasonTable::writeAll(const Transaction&, const std::vector<std::pair<QString, Reason>>& reasons) const {
    if (!exists())
        m_db->exec(createSql());
    for (const auto& [fingerprint, reason] : reasons) {
        // Delete and insert rather than an upsert: a table from elsewhere may lack the unique index.
        Statement remove = m_db->prepare("DELETE FROM reasons WHERE fingerprint = ?");
        remove.bind(1, fingerprint);
        remove.step();
        if (reason.isEmpty())
            continue;
        Statement insert = m_db->prepare("INSERT INTO reasons (fingerprint, en, hu, teacher) VALUES (?, ?, ?, ?)");
        insert.bind(1, fingerprint);
        insert.bind(2, reason.english.trimmed());
        insert.bind(3, reason.hungarian.trimmed());
        insert.bind(4, reason.byTeacher ? 1 : 0);
        insert.step();
    }
}

void ReasonTable::follow(const QString& oldFingerprint, const QString& newFingerprint) const {
    if (oldFingerprint == newFingerprint)
        return;
    const std::optional<Reason> old = find(oldFingerprint);
    if (old && old->byTeacher && !find(newFingerprint))
        write(newFingerprint, *old);
}

} // namespace lexora
