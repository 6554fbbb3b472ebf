// SPDX-FileCopyrightText: 2026 The Lexora English developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "scenario.h"

#include "app/screen.h"
#include "text/captions.h"

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QPushButton>
#include <QTimer>

namespace lexora::shots {

namespace {

// Pictures the modal dialog the next action opens, then cancels it.
void shootNextDialog(Camera& camera, const QString& name) {
    QTimer::singleShot(300, [&camera, name] {
        if (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
            camera.shoot(dialog, name);
            dialog->reject();
        }
    });
}

void worksheetAndUndo(Camera& camera, int langcode) {
    Program& program = camera.program();
    program.globals().langcode = qint16(langcode);
    program.globals().dbpath = program.context().apppath() + QStringLiteral("en_data1.mdb");
    Screen* screen = program.screens().show(ScreenId::Database);
    screen->findChild<QPushButton*>("Command10")->click();
    screen->findChild<QPushButton*>("Command7")->click();
    shootNextDialog(camera, "worksheet-dialog");
    screen->findChild<QAction*>("mnuWorksheet")->trigger();
    // Delete and bring back: the item returns and is on display.
    screen->findChild<QPushButton*>("Command4")->click();
    camera.shoot(screen, "after-delete");
    screen->findChild<QAction*>("mnuUndoDelete")->trigger();
    camera.shoot(screen, "after-undo");
}

} // namespace

static Register worksheet("database-worksheet", [](Camera& camera) { worksheetAndUndo(camera, LangCode::English); });

static Register worksheetFrench("database-worksheet-fr",
                                [](Camera& camera) { worksheetAndUndo(camera, LangCode::French); });

} // namespace lexora::shots
