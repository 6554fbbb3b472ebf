// SPDX-FileCopyrightText: 2026 The Lexora English developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "exchange/exchangeitem.h"
#include "exchange/feedbacklanguage.h"

#include <QString>

#include <optional>
#include <vector>

namespace lexora {

// What an export wrote.
struct ExportSummary {
    int written = 0;
    std::vector<ExchangeNote> skipped; // items that cannot be questions; `line` is the item's number
    std::vector<ExchangeNote> unsafe;  // items left out of an Aiken file as they would break it (the same)
    std::vector<ExchangeNote> unwritable; // items holding characters no question file carries (the same)
};

// How many texts of each kind an import took, by language.
struct FeedbackCount {
    int english = 0;
    int hungarian = 0;
    int total() const { return english + hungarian; }
};

// What an import did.
struct ImportSummary {
    int imported = 0;
    int firstNumber = 0; // sorszam of the first item imported, 0 when none was
    int lastNumber = 0;
    bool replaced = false;
    std::vector<ExchangeNote> skipped;    // questions of the file left out, by line
    std::vector<ExchangeNote> duplicates; // questions left out as the database already holds their item
    std::vector<ExchangeNote> notes;      // questions taken with a remark, by line
    FeedbackCount reasons;                // general feedback taken as the items' reasons
    FeedbackCount answerNotes;            // wrong answers' feedback taken as their notes
};

// The topic and level the teacher gives the questions whose category names no topic (every
// question of an Aiken file, and those of a platform's own categories). Without a topic such
// questions are left out: no item is written with topic keys that name no topic.
struct TopicChoice {
    std::optional<int> topic; // the Topic menu's entry, 0 to 22
    std::optional<int> level; // 1 to 3, for those whose category names no level either; else level 1
    // The language of the feedback of every question, or decided for each text from the text.
    FeedbackLanguage feedback = FeedbackLanguage::FromText;
};

// The questions of a file that need a TopicChoice: those whose category names no topic, and of
// them those whose category names no level either.
struct Unplaced {
    int withoutTopic = 0;
    int withoutLevel = 0;
    int withFeedback = 0; // questions of the whole file with a reason or a note
};

// Moves items between an item database and a question file. An import is one transaction: the file
// is read whole first, and a file that cannot be read, or questions that do not fit the database,
// leave the database as it was.
class ItemExchange {
public:
    // Writes the items of `database`, in the order of their numbers, as a question file.
    static ExportSummary exportItems(const QString& database, const QString& file, ExchangeFormat format,
                                     int langcode);
    // Reads a question file; ExchangeError when it cannot be read at all.
    static ReadResult readFile(const QString& file, ExchangeFormat format);
    // Adds the items read from `file` to the existing `database`, numbered after its highest sorszam with
    // free sorrend2 values; with `replace` they take the place of the items it holds. A question
    // whose sentence, answers and key an item of the database (or an earlier question) already has
    // is left out, so importing the same file twice adds nothing the second time.
    static ImportSummary importItems(const QString& file, const QString& database, ExchangeFormat format,
                                     bool replace, const TopicChoice& choice = {});
    // The storing half of importItems, for items already read.
    static ImportSummary store(const ReadResult& read, const QString& database, bool replace,
                               const TopicChoice& choice = {});
    static Unplaced unplaced(const ReadResult& read);
};

} // namespace lexora
