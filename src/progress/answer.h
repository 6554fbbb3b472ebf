// SPDX-FileCopyrightText: 2026 The Lexora English developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QDateTime>
#include <QString>

namespace lexora {

class ItemView;

// Where an answer was given.
enum class AnswerPlace { Practice = 1, Test = 2, Review = 3 };

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
    QString choice; // "A" to "D"; empty when the solution was asked for before any choice, or time ran out
    bool right = false;
    AnswerPlace place = AnswerPlace::Practice;
    double seconds = 0; // from the item coming up to the answer
};

} // namespace lexora
