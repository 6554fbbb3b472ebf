// SPDX-FileCopyrightText: 2026 The Lexora English developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

#include <array>

class QAction;
class QFrame;
class QLabel;
class QMainWindow;
class QMenu;
class QPushButton;
class QRadioButton;
class QWidget;

namespace lexora {

class ClickableLabel;

// The menus of the Practice screen. Members of a menu array are indexed as the menu
// numbers them (nivel[0] is mnuNivelItem_0).
struct PracticeMenus {
    QMenu* tasks = nullptr;      // mnuTasks
    QAction* lexora = nullptr;   // mnuLexora
    QAction* database = nullptr; // mnuDatabase
    QAction* practice = nullptr; // mnuPractice
    QAction* test = nullptr;     // mnuTest
    QMenu* settings = nullptr;   // mnuSettings
    QMenu* parameters = nullptr; // mnuParameters
    QMenu* number = nullptr;     // mnuNumber
    QMenu* delay = nullptr;      // mnuDelay
    QMenu* level = nullptr;      // mnuLevel
    QMenu* topic = nullptr;      // mnuTopic
    QMenu* start = nullptr;      // mnuStart
    QAction* due = nullptr;      // mnudue: the items due for review
    std::array<QAction*, 4> numero{};
    std::array<QAction*, 3> tiempo{};
    std::array<QAction*, 4> nivel{};
    std::array<QAction*, 23> topicItem{};
    std::array<QAction*, 11> beg{};
};

// The controls of the Practice screen, made with their design values: names, fonts,
// colours, places and the visibility they have when the screen opens. Controls are
// indexed by the number in their name (command[3] is Command3, label[13] is Label13,
// option[1] is Option3D1); numbers that name no control hold nullptr.
struct PracticeControls {
    std::array<QPushButton*, 11> command{};
    std::array<QLabel*, 33> label{};
    std::array<QRadioButton*, 6> option{};
    QFrame* frame3D1 = nullptr;
    ClickableLabel* levelCaption = nullptr; // Label28, which acts on a click
    PracticeMenus menus;

    static PracticeControls build(QMainWindow* window, QWidget* canvas);
};

} // namespace lexora
