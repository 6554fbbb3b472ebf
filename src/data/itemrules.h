// SPDX-FileCopyrightText: 2026 The Lexora English developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <QStringList>

#include <vector>

namespace lexora {

// The gap in an item's sentence, written the same way in every item.
inline const QString kGap = QStringLiteral("......");

// One rule of a well-formed item that an item breaks. The item bank tool words it in English for
// its report; the Database screen words it in the working language while the teacher types.
struct ItemFault {
    enum class Kind {
        BadLevel,        // detail: the level as typed
        NoTopic,         // detail: kulcs1 and kulcs2, joined by a tab
        BadKey,          // detail: the right letter as typed
        EmptyAnswer,     // detail: the letter of the empty answer
        EqualAnswers,    // two answers read the same (letter case and outer blanks aside)
        NoGap,           // the sentence has no gap
        SeveralGaps,     // the sentence has more than one gap
        SolutionDiffers, // detail: the right letter; the solution is not the sentence with that answer in
        NotANumber,      // detail: the field's name and the text, joined by a tab
        OrderOutOfRange, // detail: the sequence place
    };
    Kind kind;
    QString detail;
};

// Every rule the item breaks, in a fixed order. `item` holds the fields of the item table as
// texts, in the table's column order.
std::vector<ItemFault> itemFaults(const QStringList& item);

// The solution sentence of an item: its sentence with `answer` in the gap, its blanks tidied and
// its first letter capital. Two solutions are the same when they compose to the same text.
QString solutionSentence(const QString& sentence, const QString& answer);
QString tidiedSolution(const QString& solution);

// The index (0 to 3) of the answer the right letter names, or -1 for any other text.
int answerIndex(const QString& letter);

} // namespace lexora
