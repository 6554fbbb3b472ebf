// SPDX-FileCopyrightText: 2026 The Lexora English developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "scenario.h"

#include "app/screen.h"

#include <QAction>
#include <QLabel>
#include <QMetaObject>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>

namespace lexora::shots {

namespace {

template <typename T> T* find(Program& program, ScreenId id, const QString& name) {
    Screen* screen = program.screens().find(id);
    return screen ? screen->findChild<T*>(name) : nullptr;
}

void click(Program& program, ScreenId id, const char* name) {
    if (auto* button = find<QPushButton>(program, id, QLatin1String(name)))
        button->click();
}

void trigger(Program& program, const QString& name) {
    if (auto* action = find<QAction>(program, ScreenId::Test, name))
        action->trigger();
}

void tick(Program& program, const char* timer, int times) {
    if (auto* t = find<QTimer>(program, ScreenId::Test, QLatin1String(timer)))
        for (int i = 0; i < times; ++i)
            QMetaObject::invokeMethod(t, "timeout", Qt::DirectConnection);
}

// Chooses the right answer of the Test item on display, or the one after it.
void answer(Program& program, bool right) {
    const QString solution = find<QLabel>(program, ScreenId::Test, QStringLiteral("Label10"))->text();
    const int index = (QStringLiteral("ABCD").indexOf(solution) + (right ? 0 : 1)) % 4;
    find<QRadioButton>(program, ScreenId::Test, QStringLiteral("Option3D%1").arg(index + 1))->click();
}

void openTest(Program& program, int langcode) {
    program.globals().langcode = qint16(langcode);
    program.globals().dbpath = program.context().apppath() + QStringLiteral("en_data1.mdb");
    program.screens().show(ScreenId::Test);
}

// A timed run of 20 items: the idle screen with its settings, an item with the gauge
// running, the results, and the review with a guess tried again and the solution.
void timedRunAndReview(Camera& camera, int langcode) {
    Program& program = camera.program();
    openTest(program, langcode);
    Screen* test = program.screens().find(ScreenId::Test);
    trigger(program, QStringLiteral("mnuNúmeroItem_0"));
    trigger(program, QStringLiteral("mnuTiempoItem_0"));
    camera.shoot(test, "idle");

    click(program, ScreenId::Test, "Command3");
    answer(program, false);
    tick(program, "Timer2", 20);
    camera.shoot(test, "running");

    for (int i = 0; i < 20; ++i) {
        answer(program, i % 3 == 0);
        click(program, ScreenId::Test, "Command4");
    }
    camera.shoot(test, "results");

    if (auto* link = find<QLabel>(program, ScreenId::Test, QStringLiteral("Label17")))
        QMetaObject::invokeMethod(link, "clicked", Qt::DirectConnection);
    Screen* review = program.screens().find(ScreenId::FailedItems);
    if (!review)
        return;
    camera.shoot(review, "review-idle");
    click(program, ScreenId::FailedItems, "Command1");
    click(program, ScreenId::FailedItems, "Command4");
    const QString solution = find<QLabel>(program, ScreenId::FailedItems, QStringLiteral("Label10"))->text();
    const int wrong = (QStringLiteral("ABCD").indexOf(solution) + 1) % 4;
    find<QRadioButton>(program, ScreenId::FailedItems, QStringLiteral("Option3D%1").arg(wrong + 1))->click();
    click(program, ScreenId::FailedItems, "Command8");
    camera.shoot(review, "review-wrong-solution");
    const int right = QStringLiteral("ABCD").indexOf(solution);
    find<QRadioButton>(program, ScreenId::FailedItems, QStringLiteral("Option3D%1").arg(right + 1))->click();
    camera.shoot(review, "review-right");
    auto* next = find<QPushButton>(program, ScreenId::FailedItems, QStringLiteral("Command4"));
    while (next && !next->isHidden())
        next->click();
    camera.shoot(review, "review-finished");
}

} // namespace

static Register testEnglish("test", [](Camera& camera) { timedRunAndReview(camera, 16); });
static Register testHungarian("test-hu", [](Camera& camera) { timedRunAndReview(camera, 116); });
static Register testFrench("test-fr", [](Camera& camera) { timedRunAndReview(camera, 316); });

} // namespace lexora::shots
