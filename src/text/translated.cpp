// SPDX-FileCopyrightText: 2026 The Lexora English developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "text/translated.h"

#include "text/captions.h"

namespace lexora {

QString Translated::in(int langcode) const {
    switch (langcode) {
    case LangCode::Hungarian:
        return QString::fromUtf8(hu);
    case LangCode::Spanish:
        return QString::fromUtf8(es);
    case LangCode::French:
        return QString::fromUtf8(fr);
    default:
        return QString::fromUtf8(en);
    }
}

} // namespace lexora
