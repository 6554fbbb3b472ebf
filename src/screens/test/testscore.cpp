// SPDX-FileCopyrightText: 2026 The Lexora English developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "screens/test/testscore.h"

#include <cmath>

namespace lexora {

TestScore scoreOf(int right, int total) {
    TestScore score;
    score.right = right;
    score.total = total;
    // A run that presented nothing has no score to speak of; it shows 0 rather than dividing by zero.
    score.percent = total > 0 ? right * 100.0 / total : 0.0;
    return score;
}

QString TestScore::fraction() const {
    return QStringLiteral("%1/%2").arg(right).arg(total);
}

QString TestScore::percentText() const {
    return QString::number(roundHalfToEven(percent)) + QLatin1Char('%');
}

long long roundHalfToEven(double value) {
    const double lower = std::floor(value);
    const double rest = value - lower;
    auto whole = static_cast<long long>(lower);
    if (rest > 0.5 || (rest == 0.5 && whole % 2 != 0))
        ++whole;
    return whole;
}

} // namespace lexora
