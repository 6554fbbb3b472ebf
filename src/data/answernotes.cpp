// SPDX-FileCopyrightText: 2026 The Lexora English developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "data/answernotes.h"

#include "data/optionaltable.h"
#include "data/sqlitedb.h"
#include "data/storeerror.h"

namespace lexora {

namespace {

constexpr int kShownMaxLength = 500;

QString cut(const QVariant& value) {
    return shownText(value, kShownMaxLength);
}

} // namespace

std::vector<QString> wrongAnswers(const ItemContent& content) {
    const QString key = content.key.trimmed().toUpper();
    const QString answers[] = {content.a, content.b, content.c, content.d};
    std::vector<QString> wrong;
    if (key.size() != 1 || key[0] < QLatin1Char('A') || key[0] > QLatin1Char('D'))
        return wrong;
    for (int i = 0; i < 4; ++i) {
        if (QChar('A' + i) != key[0])
            wrong.push_back(answers[i].trimmed());
    }
    return wrong;
}

const char* AnswerNoteTable::createSql() {
    return "CREATE TABLE answer_notes (fingerprint TEXT NOT NULL, answer TEXT NOT NULL, en TEXT, hu TEXT,"
           " teacher INTEGER);"
           "CREATE UNIQUE INDEX answer_notes_key ON answer_notes (fingerprint, answer);";
}

bool AnswerNoteTable::exists() const {
    return hasTable(*m_db, "answer_notes");
}

AnswerNotes AnswerNoteTable::find(const QString& fingerprint) const {
    AnswerNotes notes;
    try {
        if (!exists())
            return notes;
        Statement query = m_db->prepare("SELECT answer, en, hu, teacher FROM answer_notes WHERE fingerprint = ?");
        query.bind(1, fingerprint);
        while (query.step()) {
            AnswerNote note{cut(query.column(1)), cut(query.column(2)), query.columnInt(3) != 0};
            if (!note.isEmpty())
                notes.emplace(query.column(0).toString().trimmed(), note);
        }
    } catch (const StoreError& error) {
        if (meansNoExplanations(error))
            return {};
        throw;
    }
    return notes;
}

void AnswerNoteTable::writeAll(const std::vector<AnswerNoteRow>& rows) const {
    Transaction transaction(m_db);
    writeAll(transaction, rows);
    transaction.commit();
}

void AnswerNoteTable::writeAll(const Transaction&, const std::vector<AnswerNoteRow>& rows) const {
    if (!exists())
        m_db->exec(createSql());
    for (const AnswerNoteRow& row : rows) {
        // Delete and insert rather than an upsert: a table from elsewhere may lack the unique index.
        Statement remove = m_db->prepare("DELETE FROM answer_notes WHERE fingerprint = ? AND answer = ?");
        remove.bind(1, row.fingerprint);
        remove.bind(2, row.answer.trimmed());
        remove.step();
        if (row.note.isEmpty())
            continue;
        Statement insert =
            m_db->prepare("INSERT INTO answer_notes (fingerprint, answer, en, hu, teacher) VALUES (?, ?, ?, ?, ?)");
        insert.bind(1, row.fingerprint);
        insert.bind(2, row.answer.trimmed());
        insert.bind(3, row.note.english.trimmed());
        insert.bind(4, row.note.hungarian.trimmed());
        insert.bind(5, row.note.byTeacher ? 1 : 0);
        insert.step();
    }
}

void AnswerNoteTable::follow(const ItemContent& before, const ItemContent& after) const {
    const QString oldFingerprint = itemFingerprint(before);
    const QString newFingerprint = itemFingerprint(after);
    if (oldFingerprint == newFingerprint)
        return;
    const AnswerNotes old = find(oldFingerprint);
    if (old.empty())
        return;
    const AnswerNotes present = find(newFingerprint);
    std::vector<AnswerNoteRow> moving;
    for (const QString& answer : wrongAnswers(after)) {
        const auto it = old.find(answer);
        if (it != old.end() && it->second.byTeacher && !present.count(answer))
            moving.push_back({newFingerprint, answer, it->second});
    }
    if (!moving.empty())
        writeAll(moving);
}

} // namespace lexora
