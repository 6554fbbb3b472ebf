// SPDX-FileCopyrightText: 2026 The Lexora English developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "scenario.h"

#include "app/screen.h"
#include "text/captions.h"

#include <QMenu>
#include <QMenuBar>
#include <QPushButton>

namespace lexora::shots {

namespace {

// The Database screen's Options menu held open, with the entries for question files.
void optionsMenu(Camera& camera, int langcode) {
    Program& program = camera.program();
    program.globals().langcode = qint16(langcode);
    program.globals().dbpath = program.context().apppath() + QStringLiteral("en_data1.mdb");
    Screen* screen = program.screens().show(ScreenId::Database);
    screen->findChild<QPushButton*>("Command10")->click();
    auto* options = screen->findChild<QMenu*>("mnuOptions");
    screen->menuBar()->setActiveAction(options->menuAction());
    Camera::wait(300);
    camera.shoot(screen, "options-menu");
    options->close();
}

} // namespace

static Register itemExchangeHungarian("database-exchange-hu",
                                      [](Camera& camera) { optionsMenu(camera, LangCode::Hungarian); });
static Register itemExchange("database-exchange", [](Camera& camera) { optionsMenu(camera, LangCode::English); });

} // namespace lexora::shots
