// SPDX-FileCopyrightText: 2026 The Lexora English developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "app/appcontext.h"
#include "app/programfolder.h"

#include <QString>

#include <memory>

namespace lexora {

// The program: its shared state, its platform and its screens. `main` makes one with the
// executable's folder; tests make one with a folder of test databases and a scripted platform.
class Program {
public:
    // `programDir` is the folder whose item database files the run uses. Without a
    // platform the real one is used.
    explicit Program(const QString& programDir, std::unique_ptr<Platform> platform = nullptr);
    // A run in the folder a start prepared; its copy failures are told on the hub.
    explicit Program(const ProgramFolder& folder, std::unique_ptr<Platform> platform = nullptr);
    ~Program();
    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;

    // Shows the first window, the language selection screen.
    void start();

    AppContext& context() { return *m_context; }
    ScreenRegistry& screens() { return m_context->screens; }
    Globals& globals() { return m_context->globals; }
    Platform& platform() { return *m_platform; }

private:
    void registerScreens();

    std::unique_ptr<Platform> m_platform;
    std::unique_ptr<AppContext> m_context;
};

} // namespace lexora
