// SPDX-FileCopyrightText: 2026 The Lexora English developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "data/itemview.h"

#include <QString>

#include <memory>

namespace lexora {

// The Test screen's own variables: they outlive the window, so a Test screen opened again
// finds the starting point, the draw table and the highest item number as it left them.
struct TestState {
    QString startcrit;                   // criterion of the last chosen starting point
    int startset = 0;                    // 1 once a starting point is chosen: the next run is sequential
    std::unique_ptr<LiveView> drawtable; // the item table in item-number order, opened at every draw
    qint16 maxno = 0;                    // highest item number; 0 until first read
    QString maxnoSource;                 // the database file maxno was read from
    int drawn = 0;                       // item number drawn last
    QString tasktitle;                   // task word of the window title
};

} // namespace lexora
