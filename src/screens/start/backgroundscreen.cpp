// SPDX-FileCopyrightText: 2026 The Lexora English developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "screens/start/backgroundscreen.h"

#include "app/window.h"

#include <QGuiApplication>
#include <QScreen>

namespace lexora {

BackgroundScreen::BackgroundScreen(AppContext& context) : Screen(context, ScreenId::Hatter, QStringLiteral("hatter")) {
    setWindowTitle(QStringLiteral("L E X O R A    E N G L I S H "));
    setColors(this, QColor(192, 192, 192));
    setColors(canvas(), QColor(192, 192, 192));
    // It covers the desktop and stays below the program's other windows.
    setWindowFlag(Qt::WindowStaysOnBottomHint);
    if (QScreen* screen = QGuiApplication::primaryScreen())
        setGeometry(screen->availableGeometry());
}

} // namespace lexora
