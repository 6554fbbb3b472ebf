// SPDX-FileCopyrightText: 2026 The Lexora English developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "app/screen.h"
#include "progress/progressfigures.h"

class QChartView;
class QLabel;
class QPushButton;
class QTabWidget;
class QTableWidget;

namespace lexora {

// A count axis from nought that reaches `most` in round steps (1, 2 or 5 times a power of ten, about
// four of them): 62 answers give 0, 20, 40, 60, 80.
struct AxisSteps {
    int top;
    int step;
};
AxisSteps roundAxis(int most);

// My progress: how the learner has done per topic and per day, the days in a row, and how far
// the current database has come; export of the answers and forgetting them. Every chart has its
// figures beside it in a table that the keyboard and screen readers reach.
class ProgressScreen : public Screen {
    Q_OBJECT

public:
    explicit ProgressScreen(AppContext& context);

    void formLoad() override;

protected:
    void closeBoxPressed() override;

private:
    void buildControls();
    void language();
    void refresh();
    void fillTopics();
    void fillDays();
    void fillSummary();
    void selectWeakest();
    QHash<int, QString> currentItems();
    int langcode() const;

    void practise_Click();
    void export_Click();
    void forget_Click();
    void close_Click();

    ProgressFigures m_figures;
    QLabel* m_summary = nullptr;
    QLabel* m_streak = nullptr;
    QLabel* m_advice = nullptr; // what to practise next
    QTabWidget* m_tabs = nullptr;
    QChartView* m_topicChart = nullptr;
    QTableWidget* m_topicTable = nullptr;
    QChartView* m_dayChart = nullptr;
    QTableWidget* m_dayTable = nullptr;
    QPushButton* m_practise = nullptr;
    QPushButton* m_export = nullptr;
    QPushButton* m_forget = nullptr;
    QPushButton* m_close = nullptr;
};

} // namespace lexora
