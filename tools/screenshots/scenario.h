// SPDX-FileCopyrightText: 2026 The Lexora English developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "app/platform.h"
#include "app/program.h"

#include <QDateTime>
#include <QString>
#include <QWidget>

#include <functional>
#include <vector>

namespace lexora::shots {

// One walk through the program that saves pictures of what a learner sees on the way.
// Scenarios register themselves; `lexora-screenshots OUTDIR [NAME...]` runs them under
// the display it is given (Xvfb in practice) on a copy of the shipped databases.
struct Scenario {
    QString name;
    std::function<void(class Camera&)> run;
};

class Camera {
public:
    Camera(Program& program, const QString& outDir, const QString& scenario);
    Program& program() { return m_program; }
    // Saves a picture of a window (its client area and menus, as the learner sees them).
    void shoot(QWidget* window, const QString& name);
    // Lets the event loop run for a while, so windows are laid out and painted.
    static void wait(int ms = 150);

private:
    Program& m_program;
    QString m_outDir;
    QString m_scenario;
};

std::vector<Scenario>& scenarios();

// The last message box the program opened; boxes are recorded, not shown, while scenarios run.
struct ToldMessage {
    QString text;
    QString title;
    MessageIcon icon = MessageIcon::Information;
};
const ToldMessage& lastMessage();

// The time the program is told while a scenario runs; left invalid, the computer's clock.
QDateTime& shotClock();

struct Register {
    Register(const QString& name, std::function<void(Camera&)> run) { scenarios().push_back({name, std::move(run)}); }
};

// Answers every box the scenario opens (a message box is recorded and closed at once).
class ShotPlatform;

} // namespace lexora::shots
