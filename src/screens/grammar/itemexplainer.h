// SPDX-FileCopyrightText: 2026 The Lexora English developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "data/itemfingerprint.h"

#include <QObject>
#include <QString>

class QAction;
class QMenu;

namespace lexora {

struct AppContext;
class ExplanationLabel;
class ReasonTable;
class Screen;

// What Practice and the failed-items review share to explain an item: the explanation area
// with the note on the wrong answer chosen and the item's reason, and a Help menu whose entry (mnunote, key F1) opens
// the grammar note of the item's topic. The screen tells it which item is on display and when the learner has chosen or
// asked for the solution.
class ItemExplainer : public QObject {
    Q_OBJECT

public:
    // The explanation area stands at `left`, `top` with `width`, `height` (twips) on the screen's canvas.
    ItemExplainer(Screen* screen, AppContext& context, int left, int top, int width, int height);

    void language(int langcode);
    // A new item is on display: the area clears until the learner answers it.
    void itemShown(const ItemContent& content, const QString& kulcs1, const QString& kulcs2);
    // The learner has chosen an answer or asked for the solution: the reason shows, after a
    // wrong answer (`wrongAnswer`, its text as chosen or typed) below that answer's note. A
    // second wrong answer shows its own note; a right one or the solution the reason alone.
    void reveal(const ReasonTable& reasons, const QString& wrongAnswer = QString());
    // The text of answer `letter` ("A" to "D", any case) of the item on display; empty for another letter.
    QString answerOf(const QString& letter) const;
    // Has screen readers say the note and the reason on show ("Explanation: ..."), in the working
    // language; the screen calls it right after saying the verdict or the solution.
    void speakReason();
    void clear();

    ExplanationLabel* area() const { return m_area; }
    QAction* noteEntry() const { return m_note; }

private:
    void openNote();

    Screen* m_screen;
    AppContext& m_context;
    ExplanationLabel* m_area;
    QMenu* m_menu;
    QAction* m_note;
    ItemContent m_content;
    QString m_shownNote;   // the note on show, for screen readers
    QString m_shownReason; // the reason on show
    bool m_hasItem = false;
    int m_topic = -1;
};

} // namespace lexora
