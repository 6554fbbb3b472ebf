// SPDX-FileCopyrightText: 2026 The Lexora English developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "data/itemfingerprint.h"

#include <QString>

#include <map>
#include <memory>
#include <utility>
#include <vector>

namespace lexora {

class SqliteDb;
class Transaction;

// Why one wrong answer of an item is wrong, in English and in Hungarian. As with reasons, a
// teacher's note is marked so: it goes on with the item when the teacher edits its other
// answers, while a shipped note fits only the content it was written for.
struct AnswerNote {
    QString english;
    QString hungarian;
    bool byTeacher = false;

    bool isEmpty() const { return english.trimmed().isEmpty() && hungarian.trimmed().isEmpty(); }
    // The text for a working language: Hungarian for Hungarian, English for the others.
    QString inLanguage(bool hungarian) const { return hungarian ? this->hungarian : english; }
};

// Longest note a bank may ship, in characters.
constexpr int kAnswerNoteMaxLength = 120;

// The notes of one item, by the text of the wrong answer they explain (trimmed).
using AnswerNotes = std::map<QString, AnswerNote>;

// One note to be written: the item's fingerprint, the answer's text and the note (an empty note
// removes the one stored).
struct AnswerNoteRow {
    QString fingerprint;
    QString answer;
    AnswerNote note;
};

// The item's wrong answers in letter order, trimmed; fewer when the key names no answer.
std::vector<QString> wrongAnswers(const ItemContent& content);

// The notes of one item file: the table `answer_notes`, keyed by the fingerprint of an item's
// content and the wrong answer's text. So a note stays with its item through renumbering, Delete
// and its undo, and an item whose answer was edited no longer finds that answer's note. The
// table is optional, as the reasons' is: files without it, or with a table of another shape,
// have no notes.
class AnswerNoteTable {
public:
    explicit AnswerNoteTable(std::shared_ptr<SqliteDb> db) : m_db(std::move(db)) {}

    static const char* createSql();

    bool exists() const;
    // Every note of the item with this fingerprint; none when the file has none.
    AnswerNotes find(const QString& fingerprint) const;
    // Writes the rows, creating the table first when the file has none. Throws StoreError.
    void writeAll(const std::vector<AnswerNoteRow>& rows) const;
    // The same within a transaction the caller holds on this file (`held`).
    void writeAll(const Transaction& held, const std::vector<AnswerNoteRow>& rows) const;
    // After an edit of an item's content: a teacher's note moves to the new content when its
    // answer is still one of the item's wrong answers, word for word; nothing else does.
    void follow(const ItemContent& before, const ItemContent& after) const;

private:
    std::shared_ptr<SqliteDb> m_db;
};

} // namespace lexora
