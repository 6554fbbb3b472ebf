// SPDX-FileCopyrightText: 2026 The Lexora English developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

#include <array>

class QButtonGroup;
class QFrame;
class QLabel;
class QPushButton;
class QRadioButton;
class QWidget;

namespace lexora {

class LiveView;

// The controls that show one item on the Test and Failed-items screens: the counter and
// its dot, the sentence, the four answers behind their letters, and the answer panel
// with an option for each answer and a hidden fifth option that stands for no answer.
// All of them start hidden; the screen places them and shows them as its state changes.
struct ItemBoard {
    QLabel* counter = nullptr;              // Label22
    QLabel* dot = nullptr;                  // Label11
    QLabel* sentence = nullptr;             // Label13
    std::array<QLabel*, 4> answers{};       // Label14, Label12, Label15, Label16: answers a to d
    std::array<QLabel*, 4> letters{};       // Label1 to Label4
    QFrame* panel = nullptr;                // Frame3D1
    std::array<QRadioButton*, 4> options{}; // Option3D1 to Option3D4
    QRadioButton* noAnswer = nullptr;       // Option3D5, never visible
    std::array<QLabel*, 4> optionLetters{}; // Label5 to Label8
    QButtonGroup* group = nullptr;

    static ItemBoard build(QWidget* canvas);

    // Sentence, answers, their letters and the dot (not the counter, not the panel).
    void setItemShown(bool shown) const;
    // Chooses the no-answer option: none of A to D is selected and no click handler runs.
    void clearChoice() const;
    // Places the option of answer `index` (0 to 3) and its letter inside the panel.
    void placeOption(int index, int left, int top) const;
    // Tells screen readers what the sentence, the answers, the options and the counter stand for.
    void markForScreenReaders() const;
    // Names the answer panel and tells its keys in the working language; names the options.
    void nameForScreenReaders(int langcode) const;
    // Names each option after its letter and the answer shown now ("A: heard").
    void nameChoices() const;
    // The item on show as a screen reader says it: number, sentence and answers.
    QString spoken(int langcode) const;
};

// Gives a button on a coloured window the grey of the buttons on the other screens.
void giveGreyLook(QPushButton* button);

// Plain-text labels used by the screens.
QLabel* makeLabel(QWidget* parent, const QString& name, const QString& text = QString());

// What a bound label shows: the field of the view's current row, or nothing without one.
QString boundText(const LiveView& view, const char* field);
// A label that shows an item text: bold serif on white, word-wrapped, kept exactly as given.
QLabel* makeItemLabel(QWidget* parent, const QString& name);
// A label with light text on a coloured ground, centred.
QLabel* makeBadge(QWidget* parent, const QString& name, const QString& text, const char* background, double points);

} // namespace lexora
