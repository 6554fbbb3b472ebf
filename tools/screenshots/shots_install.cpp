// SPDX-FileCopyrightText: 2026 The Lexora English developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "scenario.h"

#include "app/screen.h"

#include <QFile>
#include <QPushButton>

namespace lexora::shots {

// An installed program whose first start could not copy the first database into the
// user's folder: the hub names the folder and why the copy failed, here in Hungarian.
static Register failedCopy("failed-copy", [](Camera& camera) {
    Program& program = camera.program();
    QFile::remove(program.context().apppath() + "en_data1.mdb");
    program.context().copyFailures.push_back({QStringLiteral("en_data1.mdb"), QStringLiteral("/usr/share/lexora"),
                                              QStringLiteral("No space left on device")});
    program.start();
    program.screens().find(ScreenId::Lang)->findChild<QPushButton*>("Command6")->click();
    Camera::wait(200);
    camera.shoot(program.screens().find(ScreenId::Hub), "hub");
});

} // namespace lexora::shots
