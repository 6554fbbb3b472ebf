// SPDX-FileCopyrightText: 2026 The Lexora English developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "scenario.h"

#include "app/screen.h"
#include "text/captions.h"

#include <QAction>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

namespace lexora::shots {

namespace {

// Opens the Practice screen on the first item database in the given working language.
Screen* openPractice(Program& program, int langcode) {
    program.globals().langcode = qint16(langcode);
    program.globals().dbpath = program.context().apppath() + QStringLiteral("en_data1.mdb");
    return program.screens().show(ScreenId::Practice);
}

template <typename T> T* control(Screen* screen, const QString& name) {
    return screen->findChild<T*>(name);
}

void press(Screen* screen, const char* button) {
    control<QPushButton>(screen, QLatin1String(button))->click();
}

void trigger(Screen* screen, const char* entry) {
    control<QAction>(screen, QLatin1String(entry))->trigger();
}

// Chooses the right answer of the item on display, or a wrong one.
void answer(Screen* screen, bool right) {
    const QString letter = control<QLabel>(screen, QStringLiteral("Label10"))->text();
    int index = QStringLiteral("ABCD").indexOf(letter);
    if (index < 0 || !right)
        index = (index + 1) % 4;
    control<QRadioButton>(screen, QStringLiteral("Option3D%1").arg(index + 2))->click();
}

} // namespace

static Register practiceRandom("practice-random", [](Camera& camera) {
    Screen* practice = openPractice(camera.program(), LangCode::English);
    camera.shoot(practice, "before-start");
    press(practice, "Command3");
    answer(practice, true);
    camera.shoot(practice, "random-right");
});

static Register practiceTopic("practice-topic", [](Camera& camera) {
    Screen* practice = openPractice(camera.program(), LangCode::English);
    trigger(practice, "mnuTopicItem_6");
    press(practice, "Command3");
    press(practice, "Command2");
    answer(practice, false);
    camera.shoot(practice, "sequential-wrong");
    press(practice, "Command1");
    camera.shoot(practice, "solution");
});

static Register practiceHungarian("practice-hungarian", [](Camera& camera) {
    Screen* practice = openPractice(camera.program(), LangCode::Hungarian);
    trigger(practice, "mnuNivelItem_2");
    press(practice, "Command3");
    answer(practice, true);
    press(practice, "Command1");
    camera.shoot(practice, "level-solution");
});

static Register practiceSpanish("practice-spanish", [](Camera& camera) {
    Screen* practice = openPractice(camera.program(), LangCode::Spanish);
    trigger(practice, "mnuTopicItem_1");
    press(practice, "Command3");
    camera.shoot(practice, "topic");
    trigger(practice, "beg_4");
    camera.shoot(practice, "starting-point");
});

} // namespace lexora::shots
