// SPDX-FileCopyrightText: 2026 The Lexora English developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "scenario.h"

#include "app/screen.h"
#include "screens/grammar/grammarscreen.h"
#include "text/captions.h"

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>

namespace lexora::shots {

namespace {

// Practice in random mode, a wrong choice on the item drawn, with its reason below.
void wrongChoiceExplained(Camera& camera, int langcode) {
    Program& program = camera.program();
    program.globals().langcode = qint16(langcode);
    program.globals().dbpath = program.context().apppath() + QStringLiteral("en_data1.mdb");
    Screen* practice = program.screens().show(ScreenId::Practice);
    practice->findChild<QPushButton*>(QStringLiteral("Command3"))->click();
    const QString letter = practice->findChild<QLabel*>(QStringLiteral("Label10"))->text();
    const int wrong = (QStringLiteral("ABCD").indexOf(letter) + 1) % 4;
    practice->findChild<QRadioButton*>(QStringLiteral("Option3D%1").arg(wrong + 2))->click();
    camera.shoot(practice, "wrong-explained");
}

// The Database screen's Explanations dialog on the first item: the reason and the note on each
// wrong answer, English beside Hungarian. The picture is taken once the dialog is up; it is then
// cancelled, so nothing is written.
void explanationsDialog(Camera& camera, int langcode) {
    Program& program = camera.program();
    program.globals().langcode = qint16(langcode);
    program.globals().dbpath = program.context().apppath() + QStringLiteral("en_data1.mdb");
    Screen* screen = program.screens().show(ScreenId::Database);
    screen->findChild<QPushButton*>(QStringLiteral("Command10"))->click();
    QTimer::singleShot(300, [&camera] {
        if (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
            camera.shoot(dialog, "explanations-dialog");
            dialog->reject();
        }
    });
    screen->findChild<QAction*>(QStringLiteral("mnuReason"))->trigger();
}

// The Grammar window on the if clauses, opened from the hub's Help menu.
void grammarWindow(Camera& camera, int langcode) {
    Program& program = camera.program();
    program.globals().langcode = qint16(langcode);
    GrammarScreen::openOn(program.context(), 5);
    camera.shoot(program.screens().find(ScreenId::Grammar), "grammar");
}

} // namespace

static Register explainedEnglish("explain", [](Camera& camera) { wrongChoiceExplained(camera, LangCode::English); });
static Register explainedHungarian("explain-hu",
                                   [](Camera& camera) { wrongChoiceExplained(camera, LangCode::Hungarian); });
static Register explanationsEnglish("explanations-dialog",
                                    [](Camera& camera) { explanationsDialog(camera, LangCode::English); });
static Register explanationsHungarian("explanations-dialog-hu",
                                      [](Camera& camera) { explanationsDialog(camera, LangCode::Hungarian); });
static Register grammarHungarian("grammar-hu", [](Camera& camera) { grammarWindow(camera, LangCode::Hungarian); });
static Register grammarSpanish("grammar-es", [](Camera& camera) { grammarWindow(camera, LangCode::Spanish); });

} // namespace lexora::shots
