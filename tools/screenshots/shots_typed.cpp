// SPDX-FileCopyrightText: 2026 The Lexora English developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "scenario.h"

#include "app/screen.h"
#include "text/captions.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace lexora::shots {

namespace {

template <typename T> T* control(Screen* screen, const QString& name) {
    return screen->findChild<T*>(name);
}

// The text of answer `index` (0 to 3) of the item on display, and the index of its key.
QString answerText(Screen* screen, int index) {
    const int labels[] = {14, 12, 15, 16};
    return control<QLabel>(screen, QStringLiteral("Label%1").arg(labels[index]))->text().trimmed();
}

int keyIndex(Screen* screen) {
    return qMax(0, QStringLiteral("ABCD").indexOf(control<QLabel>(screen, QStringLiteral("Label10"))->text()));
}

// The key's text with one letter of its longest word left out: a slip of spelling.
QString slipOf(const QString& text) {
    QStringList words = text.split(QLatin1Char(' '));
    qsizetype longest = 0;
    for (qsizetype i = 1; i < words.size(); ++i)
        if (words[i].size() > words[longest].size())
            longest = i;
    words[longest].remove(words[longest].size() / 2, 1);
    return words.join(QLatin1Char(' '));
}

void write(Screen* screen, const QString& text) {
    auto* box = control<QLineEdit>(screen, QStringLiteral("answer"));
    box->setText(text);
    control<QPushButton>(screen, QStringLiteral("check"))->click();
}

// Three items of level 1 answered in writing: right (in capitals), nearly and wrong.
void typedRun(Camera& camera, int langcode, const QString& prefix) {
    Program& program = camera.program();
    program.globals().langcode = qint16(langcode);
    program.globals().dbpath = program.context().apppath() + QStringLiteral("en_data1.mdb");
    Screen* practice = program.screens().show(ScreenId::Practice);
    control<QAction>(practice, QStringLiteral("mnuwrite"))->trigger();
    control<QAction>(practice, QStringLiteral("mnuNivelItem_0"))->trigger();
    control<QPushButton>(practice, QStringLiteral("Command3"))->click();
    camera.shoot(practice, prefix + QStringLiteral("before"));
    write(practice, answerText(practice, keyIndex(practice)).toUpper());
    camera.shoot(practice, prefix + QStringLiteral("right"));
    control<QPushButton>(practice, QStringLiteral("Command2"))->click();
    write(practice, slipOf(answerText(practice, keyIndex(practice))));
    camera.shoot(practice, prefix + QStringLiteral("nearly"));
    control<QPushButton>(practice, QStringLiteral("Command2"))->click();
    write(practice, answerText(practice, (keyIndex(practice) + 1) % 4));
    camera.shoot(practice, prefix + QStringLiteral("wrong"));
}

} // namespace

static Register typedEnglish("practice-typed", [](Camera& camera) { typedRun(camera, LangCode::English, "en-"); });
static Register typedHungarian("practice-typed-hungarian",
                               [](Camera& camera) { typedRun(camera, LangCode::Hungarian, "hu-"); });
static Register typedSpanish("practice-typed-spanish",
                             [](Camera& camera) { typedRun(camera, LangCode::Spanish, "es-"); });
static Register typedFrench("practice-typed-french", [](Camera& camera) { typedRun(camera, LangCode::French, "fr-"); });

} // namespace lexora::shots
