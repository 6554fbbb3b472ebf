// SPDX-FileCopyrightText: 2026 The Lexora English developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "data/itemrules.h"
#include "data/reasons.h"

#include <QString>
#include <QStringList>

#include <array>
#include <vector>

namespace lexora {

struct BankProblem {
    int line; // line of the text form (the header is line 1); 0 for the bank as a whole
    QString message;
};

// Limits for the bank as a whole; a small fixture bank checks none of them.
struct BankProfile {
    int minPerTopic = 0;              // items each of the 23 topics must have (0 = topics need not all be there)
    bool letterSpread = false;        // each right letter A to D on 20% to 30% of the items
    bool levelSpread = false;         // levels roughly 40/35/25 and at least two levels in every topic
    bool freshNumbering = false;      // sorszam and sorrend run 1..n without gaps
    bool reasonsRequired = false;     // every item has both reasons (a shipped bank)
    bool answerNotesRequired = false; // every wrong answer has its note in both languages (a shipped bank)
};

// The notes of one item in its text form: one for each wrong answer, in letter order.
using BankNotes = std::array<AnswerNote, 3>;

// An item bank: the items of one database in the column order of the item table,
// as text cells, each with its reason and the notes on its wrong answers. Its text form is
// UTF-8, tab-separated, one item a line, with a header line naming the fields, then the two
// reason columns, then the six note columns: note1_en to note3_en and note1_hu to note3_hu, where
// note K explains the item's K-th wrong answer in letter order (with the right answer B, note 1
// is A's, note 2 C's, note 3 D's). A text form without the notes, or without reasons too, from
// before them, is read as well; an empty cell is an empty field.
class ItemBank {
public:
    static QStringList header();          // the fields of the item table
    static QStringList headerWithReasons(); // ... and reason_en, reason_hu
    static QStringList headerWithNotes();   // ... and note1_en to note3_en, note1_hu to note3_hu

    std::vector<QStringList> items;
    std::vector<Reason> reasons;  // one for each item, empty where the item has none
    std::vector<BankNotes> notes; // one set for each item, empty where the item has none

    // Reads the text form; lines that do not fit the format are reported and skipped.
    static ItemBank readText(const QString& path, std::vector<BankProblem>& problems);
    void writeText(const QString& path) const;

    // The reason of item `i` (empty when the bank has none for it).
    Reason reasonOf(size_t i) const { return i < reasons.size() ? reasons[i] : Reason{}; }
    // The notes of item `i` (empty ones where the bank has none).
    BankNotes notesOf(size_t i) const { return i < notes.size() ? notes[i] : BankNotes{}; }

    // Every rule an item must follow, and the limits of `profile` for the bank as a whole.
    std::vector<BankProblem> check(const BankProfile& profile = {}) const;

    // Creates a new database file with the items, their reasons and notes (as shipped ones) and the
    // placeholder row of the failed-items table; an existing file at `path` is replaced. Only
    // the item bank tool and tests do this.
    void createDatabase(const QString& path) const;
    // Replaces the items of an existing database and writes their reasons and notes as a
    // teacher's; its failed-items table and other reasons and notes stay as they are.
    void replaceItemsIn(const QString& path) const;
    static ItemBank readDatabase(const QString& path);
};

} // namespace lexora
