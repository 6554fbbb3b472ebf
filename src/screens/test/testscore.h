// SPDX-FileCopyrightText: 2026 The Lexora English developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

namespace lexora {

// The score of a Test run: right answers over the items presented, and the percentage.
struct TestScore {
    int right = 0;
    int total = 0;
    double percent = 0; // unrounded

    QString fraction() const;    // "7/20"
    QString percentText() const; // "35%": rounded to the nearest whole number, halves to the even one
    // Only a run without any failed item hides the way to the failed items; 99.75 is not perfect.
    bool perfect() const { return percent == 100.0; }
};

TestScore scoreOf(int right, int total);

// Rounds to the nearest whole number; a value exactly halfway goes to the even neighbour.
long long roundHalfToEven(double value);

} // namespace lexora
