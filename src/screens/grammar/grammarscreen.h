// SPDX-FileCopyrightText: 2026 The Lexora English developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "app/screen.h"

class QLabel;
class QListWidget;
class QPushButton;
class QTextBrowser;

namespace lexora {

// What the Grammar window keeps between openings: the topic shown last.
struct GrammarState {
    int topic = 0;
};

// The Grammar window: the 23 topics of the Topic menu on the left, the chosen topic's note
// beside them, in the working language. Arrow keys move through the topics and the note
// follows; Tab reaches the note, which reads with the arrow keys, and the Close button.
class GrammarScreen : public Screen {
    Q_OBJECT

public:
    explicit GrammarScreen(AppContext& context);

    void formLoad() override;

    // Opens the window (or brings it forward) on topic `topic` (0 to 22).
    static void openOn(AppContext& context, int topic);
    // The topic of an item with these keys, or nothing when they name none.
    static int topicOfItem(const QString& kulcs1, const QString& kulcs2);

protected:
    void closeBoxPressed() override;

private:
    void language();
    void showTopic(int topic);
    void Command1_Click();
    int langcode();

    QLabel* m_topicsLabel = nullptr;
    QListWidget* m_topics = nullptr;
    QTextBrowser* m_note = nullptr;
    QPushButton* m_command1 = nullptr;
};

} // namespace lexora
