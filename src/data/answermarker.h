// SPDX-FileCopyrightText: 2026 The Lexora English developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "data/itemfingerprint.h"

#include <QString>
#include <QStringList>

#include <array>

namespace lexora {

// Marks an answer the learner wrote into an item's gap the way a teacher marks it on paper:
// the key's text is right whatever its letter case, spacing or kind of apostrophe; a contraction
// and its full form count alike unless the item sets one against the other; one slip of the pen
// (a wrong, missing, extra or swapped letter) in a word of four or more letters is "nearly"; and
// writing one of the item's other answers is that answer, wrong. Marking never throws.
class AnswerMarker {
public:
    static constexpr int kMaxLength = 100; // characters a written answer may have

    enum class Verdict {
        Empty,  // nothing was written: no answer to mark
        Right,  // the key's text
        Nearly, // the key's text with one slip of spelling: counted as wrong
        Wrong,
    };

    struct Mark {
        Verdict verdict = Verdict::Empty;
        int option = -1; // the answer (0 to 3, A to D) whose text was written, or -1 for none
        QString written; // what was marked, as `clean` leaves it
    };

    explicit AnswerMarker(const ItemContent& item);

    Mark mark(const QString& written) const;

    // The right answer's text as the item gives it (empty when the key is not one of A to D).
    QString keyText() const;
    int keyIndex() const { return m_keyIndex; }
    // The text of answer `option` (0 to 3) as the item gives it.
    QString answerText(int option) const { return option >= 0 && option < 4 ? m_answers[size_t(option)] : QString(); }

    // What a text box keeps of typed or pasted text: line breaks and tabs become spaces, other
    // control characters and invisible format characters go, and at most kMaxLength characters stay.
    static QString clean(const QString& typed);

private:
    struct Form {
        QStringList words;    // folded: lower case, one kind of apostrophe, no outer punctuation
        QStringList expanded; // the same with the contractions that are certain written out
    };
    Form formOf(const QString& text) const;
    Mark judge(const QString& written) const;
    bool sameAnswer(const Form& written, int option) const;
    bool nearly(const Form& written, int option) const;

    std::array<QString, 4> m_answers;
    std::array<Form, 4> m_forms;
    int m_keyIndex = -1;
    QString m_wordAfterGap; // the sentence's first word after the gap, folded
    bool m_keyTakesFullForms = true;
};

} // namespace lexora
