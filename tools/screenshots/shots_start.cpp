// SPDX-FileCopyrightText: 2026 The Lexora English developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "scenario.h"

#include "app/screen.h"

#include <QAction>
#include <QFile>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTimer>

namespace lexora::shots {

namespace {

Screen* screen(Program& program, ScreenId id) {
    return program.screens().find(id);
}

// Presses a language button and photographs the splash before its timer hands over to the hub.
Screen* startIn(Camera& camera, const char* button, bool shootSplash) {
    Program& program = camera.program();
    program.start();
    screen(program, ScreenId::Lang)->findChild<QPushButton*>(button)->click();
    Screen* splash = screen(program, ScreenId::About);
    auto* handOver = splash->findChild<QTimer*>("Timer1");
    if (shootSplash) {
        handOver->stop();
        camera.shoot(splash, "splash");
        handOver->start();
    }
    Camera::wait(200);
    return screen(program, ScreenId::Hub);
}

void trigger(Screen* s, const char* action) {
    s->findChild<QAction*>(action)->trigger();
}

} // namespace

static Register startUp("startup", [](Camera& camera) {
    Program& program = camera.program();
    program.start();
    camera.shoot(screen(program, ScreenId::Lang), "language");
    camera.shoot(screen(program, ScreenId::Hatter), "background");
    program.screens().unload(ScreenId::Hatter);
    program.screens().unload(ScreenId::Lang);
    Camera::wait(50);
    Screen* hub = startIn(camera, "Command1", true);
    camera.shoot(hub, "hub");
});

static Register hubLanguages("hub-languages", [](Camera& camera) {
    Screen* hub = startIn(camera, "Command6", true);
    camera.shoot(hub, "hungarian");
    trigger(hub, "worklang_2");
    camera.shoot(hub, "french");
    trigger(hub, "worklang_3");
    camera.shoot(hub, "spanish");
    trigger(hub, "data_0");
    camera.shoot(hub, "spanish-alap-chosen");
});

// The hub's menu bar, Help last, with the Help and Progress menus open.
static Register hubMenus("hub-menus", [](Camera& camera) {
    Screen* hub = startIn(camera, "Command6", true);
    auto* bar = hub->findChild<QMenuBar*>();
    for (const char* name : {"mnuprogress", "mnuhelp"}) {
        bar->setActiveAction(hub->findChild<QMenu*>(QLatin1String(name))->menuAction());
        camera.shoot(hub, QLatin1String(name));
        bar->setActiveAction(nullptr);
    }
});

static Register reorder("reorder", [](Camera& camera) {
    Screen* hub = startIn(camera, "Command1", false);
    QMetaObject::invokeMethod(hub->findChild<QWidget*>("change"), "clicked");
    camera.shoot(hub, "reordered");
});

static Register missingDatabase("missing-database", [](Camera& camera) {
    QFile::remove(camera.program().context().apppath() + "en_data1.mdb");
    Screen* hub = startIn(camera, "Command1", false);
    camera.shoot(hub, "hub");
});

static Register helpAndAbout("help-about", [](Camera& camera) {
    Program& program = camera.program();
    Screen* hub = startIn(camera, "Command5", false);
    trigger(hub, "mnuhow");
    camera.shoot(screen(program, ScreenId::Help), "help");
    screen(program, ScreenId::Help)->findChild<QPushButton*>("Command1")->click();
    trigger(hub, "mnuabout");
    camera.shoot(screen(program, ScreenId::About), "about");
    Camera::wait(300);
    camera.shoot(screen(program, ScreenId::About), "about-next-frame");
    QMetaObject::invokeMethod(screen(program, ScreenId::About)->findChild<QWidget*>("Image2"), "clicked");
});

} // namespace lexora::shots
