// SPDX-FileCopyrightText: 2026 The Lexora English developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QTimer>

namespace lexora {

// A timer that ticks only while it is enabled and has an interval above zero, so that it
// can stand enabled with no interval and stay silent. Enabling it (or giving it a new
// interval) starts the interval from zero; enabling an enabled timer changes nothing.
class IntervalTimer : public QTimer {
    Q_OBJECT

public:
    IntervalTimer(const QString& name, bool enabled, int intervalMs, QObject* parent);

    void setEnabled(bool enabled);
    bool isEnabled() const { return m_enabled; }
    void setIntervalMs(int intervalMs);
    int intervalMs() const { return m_interval; }
    // Whether the timer delivers ticks at all.
    bool ticks() const { return m_enabled && m_interval > 0; }
    // Disables and enables the timer: the interval starts again from zero.
    void restart();

private:
    void apply();

    bool m_enabled = false;
    int m_interval = 0;
};

} // namespace lexora
