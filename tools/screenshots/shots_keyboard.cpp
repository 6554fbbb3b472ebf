// SPDX-FileCopyrightText: 2026 The Lexora English developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "scenario.h"

#include "app/screen.h"
#include "text/captions.h"

#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>

namespace lexora::shots {

namespace {

Screen* open(Program& program, ScreenId id) {
    program.globals().langcode = qint16(LangCode::English);
    program.globals().dbpath = program.context().apppath() + QStringLiteral("en_data1.mdb");
    return program.screens().show(id);
}

// Presses Tab in the window, made active, until the named control has the focus.
void tabTo(Screen* screen, const char* name) {
    screen->activateWindow();
    Camera::wait();
    auto* target = screen->findChild<QWidget*>(QLatin1String(name));
    for (int i = 0; i < 60 && target && QApplication::focusWidget() != target; ++i) {
        QWidget* focused = QApplication::focusWidget();
        QKeyEvent tab(QEvent::KeyPress, Qt::Key_Tab, Qt::NoModifier);
        QApplication::sendEvent(focused && focused->window() == screen ? focused : screen, &tab);
    }
    Camera::wait();
}

} // namespace

// The clickable captions as the keyboard reaches them: a dotted focus frame, nothing else changed.
static Register keyboardFocus("keyboard-focus", [](Camera& camera) {
    Screen* practice = open(camera.program(), ScreenId::Practice);
    practice->findChild<QAction*>(QStringLiteral("mnuNivelItem_0"))->trigger();
    camera.shoot(practice, "practice-level-caption");
    tabTo(practice, "Label28");
    camera.shoot(practice, "practice-level-caption-tabbed");
    practice->findChild<QPushButton*>(QStringLiteral("Command6"))->click();

    Screen* test = open(camera.program(), ScreenId::Test);
    test->findChild<QPushButton*>(QStringLiteral("Command3"))->click();
    test->findChild<QPushButton*>(QStringLiteral("Command5"))->click();
    camera.shoot(test, "test-review-link");
    tabTo(test, "Label17");
    camera.shoot(test, "test-review-link-tabbed");
});

} // namespace lexora::shots
