// SPDX-FileCopyrightText: 2026 The Lexora English developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QDateTime>
#include <QString>

namespace lexora {

class ItemView;

// Where an answer was given.
enum class AnswerPlace { Practice = 1, Test = 2, Review = 3 };

// How an answer was given: one of the four answers chosen, or the missing words written.
enum class AnswerMode { Chosen = 1, Typed = 2 };

// Which item was answered: the bank file, the item's number, and a fingerprint of its
// content (an edited item counts as a new one), with its level and topic keys.
struct ItemRef {
    QString bank; // file name of the item database, e.g. "en_data1.mdb"
    int number = 0;
    QString fingerprint;
    int level = 0;
    QString topic1; // kulcs1
    QString topic2; // kulcs2

    // The item on the current row of `view`, from the item database at `bankPath`.
    static ItemRef of(const ItemView& view, const QString& bankPath);
};

// One recorded answer.
struct Answer {
    QDateTime at; // UTC
    ItemRef item;
    // "A" to "D"; empty when the solution was asked for before any choice, or time ran out. A typed
    // answer gives the letter of the answer whose text was written, empty for any other text.
    QString choice;
    bool right = false;
    AnswerPlace place = AnswerPlace::Practice;
    double seconds = 0; // from the item coming up to the answer
    AnswerMode mode = AnswerMode::Chosen;
    QString typed; // what the learner wrote (typed answers only)
};

} // namespace lexora
