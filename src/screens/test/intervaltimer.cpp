// SPDX-FileCopyrightText: 2026 The Lexora English developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "screens/test/intervaltimer.h"

namespace lexora {

IntervalTimer::IntervalTimer(const QString& name, bool enabled, int intervalMs, QObject* parent)
    : QTimer(parent), m_enabled(enabled), m_interval(intervalMs) {
    setObjectName(name);
    apply();
}

void IntervalTimer::setEnabled(bool enabled) {
    if (enabled == m_enabled)
        return;
    m_enabled = enabled;
    apply();
}

void IntervalTimer::setIntervalMs(int intervalMs) {
    m_interval = intervalMs;
    apply();
}

void IntervalTimer::restart() {
    setEnabled(false);
    setEnabled(true);
}

void IntervalTimer::apply() {
    // A QTimer with interval 0 would fire at every pass of the event loop; here it is inert.
    if (ticks())
        start(m_interval);
    else
        stop();
}

} // namespace lexora
