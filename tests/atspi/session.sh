#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Lexora English developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Inside the session bus of run-orca-test: window manager, accessibility bus and registry,
# Orca, then the driver (which starts the program itself). Every process started here ends
# with the bus.
set -euo pipefail
work="$LEXORA_ATSPI_WORK"
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
pids=()
stop_all() {
    for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
    sleep 0.5
    for pid in "${pids[@]}"; do kill -9 "$pid" 2>/dev/null || true; done
}
trap stop_all EXIT

# Without a window manager the keyboard focus is lost when a window closes.
openbox --sm-disable >"$work/openbox.log" 2>&1 &
pids+=($!)
/usr/libexec/at-spi-bus-launcher --launch-immediately >"$work/atspi-bus.log" 2>&1 &
pids+=($!)
for _ in $(seq 1 100); do
    if dbus-send --session --print-reply --dest=org.a11y.Bus /org/a11y/bus org.a11y.Bus.GetAddress \
        >/dev/null 2>&1; then break; fi
    sleep 0.1
done
/usr/libexec/at-spi2-registryd >"$work/registryd.log" 2>&1 &
pids+=($!)

orca --replace --debug-file="$work/orca.log" >"$work/orca-stdout.log" 2>&1 &
pids+=($!)

QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 /usr/bin/python3 "$here/orca_session.py" \
    --program "$LEXORA_ATSPI_BIN/lexora" --orca-log "$work/orca.log" --work "$work" \
    --only "${LEXORA_ATSPI_ONLY:-}"
