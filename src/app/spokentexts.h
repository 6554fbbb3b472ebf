// SPDX-FileCopyrightText: 2026 The Lexora English developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

#include <array>

class QAbstractButton;
class QKeyEvent;
class QLabel;

namespace lexora {

// What a screen reader says about the exercise, in the working language `langcode`: an item
// as it comes up, a verdict, the solution, the score and the end of an item's time. The
// screens hand these texts to Platform::speak.
namespace SpokenTexts {

// "Item 3. I gap a noise. A: heard. B: hear. C: have heard. D: heared." The gap in the
// sentence (a run of dots) is said as a word, and each answer follows its letter.
QString item(int langcode, const QString& number, const QString& sentence, const std::array<QString, 4>& answers);
// "Item 3. I gap a noise." without the answers, for an item whose answer is to be written.
QString itemSentence(int langcode, const QString& number, const QString& sentence);
QString right(int langcode);
QString wrong(int langcode);
QString solution(int langcode, const QString& letter, const QString& text);
QString score(int langcode, const QString& fraction, const QString& percent);
QString timeUp(int langcode);
// "Explanation: <the item's reason>", said after the verdict.
QString explanation(int langcode, const QString& reason);

// The name of the option of answer `letter`: "A: heard".
QString choice(QChar letter, const QString& answer);
// Names the four options after their letters and the answers shown beside them.
void nameChoices(const std::array<QAbstractButton*, 4>& options, const std::array<QLabel*, 4>& answers);

// How the answer panel is worked from the keyboard, for its description and its tooltip.
QString answersHelp(int langcode);
// The name of an answer panel.
QString answersGroup(int langcode);
// The review's two Next buttons: the one that goes on to the next failed item and the
// one in the row of record buttons.
QString nextItem(int langcode);
QString nextRecord(int langcode);

// The key that reads the item on show again.
bool isReadAgain(const QKeyEvent* event);

} // namespace SpokenTexts

} // namespace lexora
