// SPDX-FileCopyrightText: 2026 The Lexora English developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "app/explanations.h"
#include "app/globals.h"
#include "app/platform.h"
#include "app/programfolder.h"
#include "app/progressrecorder.h"
#include "app/screenregistry.h"

#include <QString>

namespace lexora {

// What every screen is given: the shared globals, the platform, the screen registry and
// the folder the program runs from.
struct AppContext {
    AppContext(const QString& dir, Platform& services)
        : programDir(dir), platform(services), screens(*this), progress(*this) {}

    QString programDir;
    Platform& platform;
    Globals globals;
    ScreenRegistry screens;
    // Shipped databases that could not be copied into the user's folder at this start.
    std::vector<ProgramFolder::CopyFailure> copyFailures;
    // The learner's answers and spaced review, kept in the progress file beside the item files.
    ProgressRecorder progress;
    // The reasons of the items on display, with the installed banks as the fallback.
    Explanations explanations;

    QString apppath() const { return lexora::apppath(programDir); }
    // The text of caption `key` in the working language.
    QString caption(int key) const;
};

} // namespace lexora
