// SPDX-FileCopyrightText: 2026 The Lexora English developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "app/progressrecorder.h"
#include "app/screen.h"
#include "data/itemview.h"
#include "screens/test/itemboard.h"

#include <memory>

class QLabel;
class QPushButton;

namespace lexora {

class ItemExplainer;

struct FailedItemsState;

// The review of the failed items: each item stored by the Test screen comes back with
// the learner's guess; the learner may try again (a green or red bar answers at once)
// and ask for the solution. Closing the review empties the failed-items table.
class FailedItemsScreen : public Screen {
    Q_OBJECT

public:
    explicit FailedItemsScreen(AppContext& context);
    ~FailedItemsScreen() override;

    void formLoad() override;
    void formUnload() override;

protected:
    bool formKeyPress(QKeyEvent* event) override;
    void closeBoxPressed() override;

private:
    FailedItemsState& state();

    void buildControls();
    void placeControls();
    void connectControls();
    void language();

    void Command1_Click(); // Start
    void Command2_Click(); // First
    void Command3_Click(); // Previous
    void Command5_Click(); // Next in the navigation row
    void Command7_Click(); // Last
    void Command4_Click(); // main Next
    void Command8_Click(); // Solution
    void Command6_Click(); // Close
    void Option3D_Click(int index);

    void afterNavigation();
    void emptyTable();
    void abso();
    void showBoundRow();
    void speakItem();
    void followItem();
    // Shows the reason, below the note on `wrongAnswer` when the choice was wrong.
    void explain(const QString& wrongAnswer = QString());
    void hideBars();
    bool onFailedItem() const;
    void itemShown();
    void recordFirstAnswer(const QString& choice, bool right);

    std::unique_ptr<LiveView> m_data1; // the failed-items table; the bound labels follow it
    FirstAnswer m_first;               // the failed item on display, for the progress file
    bool m_emptyingDone = false;       // the table was emptied (or found unfit) once in this window

    ItemBoard m_board;
    ItemExplainer* m_explainer = nullptr;
    QLabel* m_label9 = nullptr;  // the new choice
    QLabel* m_label10 = nullptr; // the solution letter used for judging
    QLabel* m_label17 = nullptr; // green bar
    QLabel* m_label18 = nullptr; // red bar
    QLabel* m_label19 = nullptr; // solution letter
    QLabel* m_label20 = nullptr; // solution text
    QLabel* m_label21 = nullptr; // "Your guess was:"
    QLabel* m_label23 = nullptr; // the guess made in the test
    QLabel* m_label30 = nullptr; // position
    QLabel* m_label32 = nullptr; // "/"
    QLabel* m_label31 = nullptr; // number of failed items
    QPushButton* m_command1 = nullptr;
    QPushButton* m_command2 = nullptr;
    QPushButton* m_command3 = nullptr;
    QPushButton* m_command4 = nullptr;
    QPushButton* m_command5 = nullptr;
    QPushButton* m_command6 = nullptr;
    QPushButton* m_command7 = nullptr;
    QPushButton* m_command8 = nullptr;
};

} // namespace lexora
