// SPDX-FileCopyrightText: 2026 The Lexora English developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "data/answernotes.h"

#include <QString>

#include <memory>
#include <optional>
#include <utility>
#include <vector>

namespace lexora {

class SqliteDb;
class Transaction;

// Why an item's right answer is right, in English and in Hungarian. A reason a teacher wrote
// on the Database screen is marked as such: it goes on with the item when the teacher edits
// it, while a shipped reason fits only the content it was written for.
struct Reason {
    QString english;
    QString hungarian;
    bool byTeacher = false;

    bool isEmpty() const { return english.trimmed().isEmpty() && hungarian.trimmed().isEmpty(); }
    // The text for a working language: Hungarian for Hungarian, English for the others.
    QString inLanguage(bool hungarian) const;
};

// Longest reason a bank may ship, in characters.
constexpr int kReasonMaxLength = 240;

// The reasons of one item file: the table `reasons`, keyed by the fingerprint of an item's
// content (see itemfingerprint.h), so a reason stays with its item through renumbering,
// Delete and its undo, and an edited item no longer finds the reason of its old content.
// The table is optional: files without it (older copies, files from elsewhere) have no
// reasons, and a table of another shape is treated the same way.
class ReasonTable {
public:
    explicit ReasonTable(std::shared_ptr<SqliteDb> db) : m_db(std::move(db)) {}

    static const char* createSql();

    bool exists() const;
    // The item file the table belongs to.
    QString filePath() const;
    // The reason for a fingerprint; nothing when the file has none (or no usable table).
    std::optional<Reason> find(const QString& fingerprint) const;
    // Writes (or, for an empty reason, removes) the reason for a fingerprint, creating the
    // table first when the file has none. Throws StoreError like every write.
    void write(const QString& fingerprint, const Reason& reason) const;
    // Writes many in one transaction: all of them or none.
    void writeAll(const std::vector<std::pair<QString, Reason>>& reasons) const;
    // The same within a transaction the caller holds on this file, so that the reasons are
    // written with the items they belong to (`held` stands for that transaction).
    void writeAll(const Transaction& held, const std::vector<std::pair<QString, Reason>>& reasons) const;
    // After an edit of an item's content: a teacher's reason moves to the new content;
    // nothing else does.
    void follow(const QString& oldFingerprint, const QString& newFingerprint) const;
    // The notes on the wrong answers, kept beside the reasons in the same file.
    AnswerNoteTable answerNotes() const { return AnswerNoteTable(m_db); }

private:
    std::shared_ptr<SqliteDb> m_db;
};

} // namespace lexora
