// SPDX-FileCopyrightText: 2026 The Lexora English developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "app/screen.h"

#include <QString>

#include <optional>

#include <array>
#include <memory>

class QAction;
class QFrame;
class QLabel;
class QMenu;
class QRadioButton;

namespace lexora {

class ClickableLabel;
class LiveView;

// The home screen: the learner picks a task, a database and the working language,
// reads the help or the About box, reorders the items, or ends the program.
class HubScreen : public Screen {
    Q_OBJECT

public:
    explicit HubScreen(AppContext& context);
    ~HubScreen() override;

    void formLoad() override;

public slots:
    // Tells the due items of today again (My progress has just forgotten them).
    void refreshDueToday() { showDueToday(); }

protected:
    void closeBoxPressed() override;

private slots:
    void ok_Click();
    void Exi_Click();
    void change_Click();
    void data_Click(int index);
    void worklang_Click(int index);
    void mnuhow_Click();
    void mnugrammar_Click();
    void mnuabout_Click();
    void mnumyprogress_Click();
    void mnureview_Click();

private:
    void buildControls();
    void buildMenus();
    void language();
    int workingLanguage();
    std::optional<QString> nothingDueToday();
    void check(); // clears the marks of the Working-language entries
    void csekk(); // clears the marks of the Databases entries
    // Binds Data1 to the current database file and opens it; when the file is missing or
    // is no item database, the hub says which file it needs and where.
    void bindData1();
    void showDatabaseProblem(const QString& reason);
    // Tells how many items of the current database are due for review today (nothing when none).
    void showDueToday();

    QLabel* m_label1 = nullptr;
    QLabel* m_label2 = nullptr;
    QLabel* m_notice = nullptr;
    QLabel* m_dueNotice = nullptr;
    QMenu* m_mnuprogress = nullptr;
    QAction* m_mnumyprogress = nullptr;
    QAction* m_mnureview = nullptr;
    QLabel* m_activities = nullptr;
    QFrame* m_frame = nullptr;
    QRadioButton* m_practice = nullptr;
    QRadioButton* m_test = nullptr;
    QRadioButton* m_database = nullptr;
    QPushButton* m_ok = nullptr;
    QPushButton* m_exi = nullptr;
    ClickableLabel* m_change = nullptr;
    QMenu* m_mnudatabases = nullptr;
    QMenu* m_mnuhelp = nullptr;
    QMenu* m_mnuworklang = nullptr;
    QAction* m_mnuhow = nullptr;
    QAction* m_mnugrammar = nullptr;
    QAction* m_mnuabout = nullptr;
    std::array<QAction*, 4> m_data{};
    std::array<QAction*, 4> m_worklang{};
    std::unique_ptr<LiveView> m_data1;
};

} // namespace lexora
