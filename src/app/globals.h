// SPDX-FileCopyrightText: 2026 The Lexora English developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "data/itemview.h"

#include <QString>

#include <memory>
#include <optional>

namespace lexora {

// The values that more than one screen reads or writes. They live for the whole run;
// nothing here is saved, so every run starts from these initial values.
struct Globals {
    std::optional<qint16> langcode; // working-language offset; unset until the start screen's choice
    qint16 dbnum = 0;               // current item database 1 to 4; 0 = no choice yet, served as 1
    QString dbpath;                 // full path of the current item database file
    int numsent = 0;                // sentences of a Test run (20 to 50); 0 = no limit
    int delay = 0;                  // milliseconds per Test item; 0 = no time limit
    int itemno = 0;                 // Test counter; position on the Failed-items screen
    int itemsdone = 0;              // items presented in the current Practice or Test run
    int rightcount = 0;             // right answers in the current Test run
    double percent = 0;             // Test score
    qint16 aboutfrommenu = 0;       // 0 while the About window is the start-up splash
    int seekkey = 0;                // item number sought by Practice's random draw
    std::unique_ptr<LiveView> rstable; // the item table Practice seeks in
};

// The program directory as a prefix for database file names: exactly one trailing "/".
// A root directory, which already ends in the separator, comes back unchanged.
QString apppath(const QString& programDir);

} // namespace lexora
