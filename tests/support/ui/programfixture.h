// SPDX-FileCopyrightText: 2026 The Lexora English developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "app/program.h"
#include "app/screen.h"
#include "core/tempdatabase.h"
#include "scriptedplatform.h"

#include <QTest>
#include <QWidget>

#include <memory>

namespace lexora::testing {

// A Program running on a temporary copy of a fixture database (as en_data1.mdb in its
// program folder) with a scripted platform. Screens are reached through the registry
// and their controls by object name.
class ProgramFixture {
public:
    explicit ProgramFixture(const QString& fixture = QStringLiteral("items.tsv"));
    explicit ProgramFixture(const std::vector<QStringList>& items);
    ~ProgramFixture();

    Program& program() { return *m_program; }
    Globals& globals() { return m_program->globals(); }
    ScreenRegistry& screens() { return m_program->screens(); }
    ScriptedPlatform& platform() { return *m_platform; }
    TempDatabase& database() { return *m_database; }

    // Ends the program as the end of the process does (no close handler runs) and makes a
    // fresh one on the same database, with `platform` or else a new scripted platform.
    // The fresh program is not started.
    void restart(std::unique_ptr<ScriptedPlatform> platform = nullptr);

    // Sets the working language and the database path as the start screen and hub would,
    // without showing them, so a test can open a task screen directly.
    void prepare(int langcode = 16);
    // Runs the real start-up: language button, splash tick, hub.
    void startToHub(const char* languageButton = "Command1");

    Screen* show(ScreenId id) { return screens().show(id); }
    Screen* screen(ScreenId id) { return screens().find(id); }

    template <typename T> T* child(ScreenId id, const QString& name) {
        Screen* s = screen(id);
        if (!s)
            qFatal("The screen is not loaded (looking for %s)", qPrintable(name));
        T* found = s->findChild<T*>(name);
        if (!found)
            qFatal("%s has no %s named %s", qPrintable(s->objectName()), T::staticMetaObject.className(),
                   qPrintable(name));
        return found;
    }
    // Fires a timer of a screen as its interval would.
    void fireTimer(ScreenId id, const QString& name);
    // Lets windows that were unloaded be destroyed.
    static void settle();

private:
    std::unique_ptr<TempDatabase> m_database;
    ScriptedPlatform* m_platform = nullptr;
    std::unique_ptr<Program> m_program;
};

// True when a control is shown (it would be visible whenever its window is).
inline bool shown(const QWidget* w) { return !w->isHidden(); }

} // namespace lexora::testing
