// SPDX-FileCopyrightText: 2026 The Lexora English developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QChar>
#include <QString>

class QLabel;
class QWidget;

namespace lexora {

// What a control without a caption of its own stands for, as a screen reader says it.
enum class Spoken {
    Sentence,     // the gapped sentence
    Answer,       // one of the four answers (with its letter)
    Choice,       // the option that chooses an answer (with its letter)
    Right,        // the green box
    Wrong,        // the red box
    TimeUsed,     // the gauge of the timed Test, which fills as the time of an item runs
    Solution,     // the explanation of the right answer
    RightLetter,  // the letter of the right answer
    ItemNumber,   // the running number of the item on show
    RecordNumber, // the record number of an item on the Database screen
    Level,        // the level of an item on the Database screen
    Explanation,  // why the right answer is right
};

// The name of `what` in the working language `langcode`; `letter` fills in Answer and Choice.
QString spokenName(Spoken what, int langcode, QChar letter = QChar());

// Marks a control with what it stands for. Its accessible name is then that name (set by
// nameControls in the working language); a label keeps telling what it shows as its description.
void markSpoken(QWidget* control, Spoken what, QChar letter = QChar());

// Gives every marked control of a window the name of what it stands for in the working
// language; the others are named by their captions. Screens run it after each change of
// the working language.
void nameControls(QWidget* window, int langcode);

// Names a panel after the label that stands beside it, as the label reads (without its access key
// and closing colon), and makes the label its buddy, so the two stay paired for screen readers.
void nameAfterLabel(QWidget* panel, QLabel* label);

} // namespace lexora
