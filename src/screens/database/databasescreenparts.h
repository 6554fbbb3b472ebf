// SPDX-FileCopyrightText: 2026 The Lexora English developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// What the parts of the Database screen share: its colours, its table and the language its
// messages are told in.

#include "app/appcontext.h"
#include "text/captions.h"

#include <QColor>
#include <QString>

namespace lexora::databasescreen {

inline const QColor kWindowColour(0, 128, 128);
inline const QColor kFieldColour(0, 64, 64);
inline const QString kItemTable = QStringLiteral("test1");
constexpr int kHighestSorrend2 = 32767; // sorrend2 is a 16-bit number

// Messages are told in the working language; before it is chosen, in English.
inline int workingLanguage(AppContext& context) {
    return context.globals.langcode.value_or(LangCode::English);
}

} // namespace lexora::databasescreen
