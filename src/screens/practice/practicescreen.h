// SPDX-FileCopyrightText: 2026 The Lexora English developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "app/platform.h"
#include "app/screen.h"
#include "app/progressrecorder.h"
#include "data/answermarker.h"
#include "data/itemfingerprint.h"
#include "screens/practice/practicecontrols.h"

#include <QDateTime>

#include <initializer_list>
#include <optional>
#include <memory>

class QAction;
class QLabel;
class QLineEdit;

namespace lexora {

class ItemExplainer;
class ItemStore;
class ItemView;
class SnapshotView;
struct PracticeState;

// The Practice screen (window Spgyak): items one at a time with a green or red box for
// each choice, the solution on request, and Next either drawing an item at random from
// the whole table (random mode, as the screen opens) or walking a selection of a level,
// a topic or from a starting point in ascending sorrend2 (sequential mode).
class PracticeScreen : public Screen {
    Q_OBJECT

public:
    explicit PracticeScreen(AppContext& context);

    void formLoad() override;

protected:
    bool formKeyPress(QKeyEvent* event) override;
    void closeBoxPressed() override;

private:
    void connectControls();

    // Handlers
    void Command3_Click();  // Start
    void Command1_Click();  // Solution
    void Command6_Click();  // Close
    void Command2_Click();  // Next, sequential
    void Command10_Click(); // Next, random
    // The body of the random Next, which Start runs too; false when no item has a number to draw.
    bool drawRandomItem();
    void Command5_Click();          // First
    void Command7_Click();          // Previous
    void Command8_Click();          // Next record
    void Command9_Click();          // Last
    void Option3D_Click(int index); // 2 to 5: answers A to D
    void Label28_Click();
    void mnuNivelItem_Click(int index);
    void mnuTopicItem_Click(int index);
    void beg_Click(int index);
    void mnuLexora_Click();
    void mnuTest_Click();
    void mnudue_Click();

    // Review of the items due (practicedue.cpp)
    void enterDueMode();
    bool nextDueItem();
    void tellNoneDue(const QString& bank, std::optional<QDateTime> next);
    void recordFirstAnswer(const QString& choice, bool right, const QString& typed = QString());

    // Typed answers, "Write the answer" (practicetyped.cpp)
    void buildTypedControls();
    void typedLanguage(int lang);
    void mnuwrite_Click();
    void applyAnswerMode();
    bool typedShown() const;
    void resetTypedAnswer();
    void checkTyped();
    void showTypedMark(const AnswerMarker::Mark& mark);
    bool typedKeyPress(QKeyEvent* event);

    // Routines
    void language();
    void oke();
    void display(const ItemView& view, bool withLevel = true);
    void clearChoice();
    // Shows the reason, below the note on `wrongAnswer` when the choice was wrong.
    void explain(const QString& wrongAnswer = QString());
    void so(SnapshotView& selection);
    void szam();
    void keresa();
    void check();
    void afterRecordMove(SnapshotView& selection);
    void noItemsSelected();

    std::array<QLabel*, 4> answerLabels() const;
    void nameChoices();
    void speakItem();

    bool giveFocus(QWidget* widget);
    void message(int captionKey, MessageIcon icon);
    void setShown(std::initializer_list<QWidget*> widgets, bool shown);
    void showSequentialButtons();
    QLabel* label(int number) const { return m_c.label[size_t(number)]; }

    PracticeState& state();
    ItemStore& dbhandle();
    SnapshotView& selection();
    std::unique_ptr<SnapshotView> itemsNow(const QString& criteria);
    int langcode();

    PracticeControls m_c;
    // The controls of typed answers, shown in place of the four answers while answers are written.
    struct TypedControls {
        QAction* entry = nullptr;      // mnuwrite, in Settings
        QLabel* caption = nullptr;     // answercaption, whose access key reaches the box
        QLineEdit* answer = nullptr;   // answer: the learner's words
        QPushButton* check = nullptr;  // check
        QLabel* rightAnswer = nullptr; // rightanswer: the key's text, beside the box after the check
        QLabel* verdict = nullptr;     // verdict: right, wrong, or nearly with a word on spelling
    } m_typed;
    ItemContent m_shownItem; // the content of the item on display
    FirstAnswer m_first;     // the answer on the item on display that goes into the progress file
    ItemExplainer* m_explainer = nullptr;
};

} // namespace lexora
