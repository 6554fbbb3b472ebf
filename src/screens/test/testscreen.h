// SPDX-FileCopyrightText: 2026 The Lexora English developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "app/progressrecorder.h"
#include "app/screen.h"
#include "data/itemview.h"
#include "screens/test/itemboard.h"

#include <array>
#include <memory>

class QAction;
class QFrame;
class QLabel;
class QMenu;
class QPushButton;

namespace lexora {

class ClippingGauge;
class IntervalTimer;
class ClickableLabel;
struct TestState;

// The Test screen: a run of items drawn at random or walked from a starting point, with
// an optional time limit per item; every wrong answer is stored in the failed-items table
// and the run ends with the score and a way to review the failed items.
class TestScreen : public Screen {
    Q_OBJECT

public:
    explicit TestScreen(AppContext& context);
    ~TestScreen() override;

    void formLoad() override;

    // The criterion of each starting point of the Settings menu, by entry index.
    static QString startCriterion(int index);

protected:
    bool formKeyPress(QKeyEvent* event) override;
    void closeBoxPressed() override;

private:
    TestState& state();

    void buildControls();
    void buildMenus();
    void placeControls();
    void connectControls();
    void language();

    void Command3_Click(); // Start
    void Command4_Click(); // Next, random run
    void Command2_Click(); // Next, sequential run
    void Command5_Click(); // Evaluation
    void Command6_Click(); // Close
    void Label17_Click();  // the review of the failed items
    void Option3D_Click(int index);
    void Timer1_Timer();
    void Timer2_Timer();
    void mnuNumeroItem_Click(int index);
    void mnuTiempoItem_Click(int index);
    void beg_Click(int index);
    void leaveTo(ScreenId target);

    void rand();
    void cont();
    void keresa();
    void setf();
    void mark();
    void evalu();
    void endOfRun();
    void beginNext();
    void resumeCountdown();
    void showBoundRow();
    void speakItem();

    std::unique_ptr<LiveView> m_data1; // the items, in stored order; the bound labels follow it
    std::unique_ptr<LiveView> m_data2; // the failed items, appended to

    ItemBoard m_board;
    QLabel* m_label9 = nullptr;  // the learner's choice: "0" or "A" to "D"
    QLabel* m_label10 = nullptr; // the solution letter of the item on display
    QString m_solution;          // the solution sentence of the item on display, kept with it when failed
    QPushButton* m_command2 = nullptr;
    QPushButton* m_command3 = nullptr;
    QPushButton* m_command4 = nullptr;
    QPushButton* m_command5 = nullptr;
    QPushButton* m_command6 = nullptr;
    QFrame* m_frame3D2 = nullptr;
    QLabel* m_label18 = nullptr; // score as a fraction
    QLabel* m_label21 = nullptr; // score in percent
    ClickableLabel* m_label17 = nullptr;
    QLabel* m_label19 = nullptr;
    QLabel* m_label25 = nullptr;
    QLabel* m_label20 = nullptr;
    QLabel* m_label23 = nullptr;
    ClippingGauge* m_gauge = nullptr;
    IntervalTimer* m_timer1 = nullptr;
    IntervalTimer* m_timer2 = nullptr;
    FirstAnswer m_first; // the item on display, for the progress file
    bool m_countdownStopped = false; // a tick could not store its item; the next stored Next resumes
    bool m_timedOut = false;         // the countdown ran out: what comes next is said after "time is up"

    QMenu* m_mnuTasks = nullptr;
    QAction* m_mnuLexora = nullptr;
    QAction* m_mnuDatabase = nullptr;
    QAction* m_mnuPractice = nullptr;
    QAction* m_mnuTest = nullptr;
    QMenu* m_mnuSettings = nullptr;
    QMenu* m_mnuParameters = nullptr;
    QMenu* m_mnuNumber = nullptr;
    QMenu* m_mnuDelay = nullptr;
    QMenu* m_mnuStart = nullptr;
    std::array<QAction*, 4> m_numberItems{};
    std::array<QAction*, 3> m_delayItems{};
    std::array<QAction*, 13> m_beg{};
};

} // namespace lexora
