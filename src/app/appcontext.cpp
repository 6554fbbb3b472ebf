// SPDX-FileCopyrightText: 2026 The Lexora English developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/appcontext.h"

#include "text/captions.h"

#include <stdexcept>

namespace lexora {

QString AppContext::caption(int key) const {
    if (!globals.langcode)
        throw std::logic_error("a caption was asked for before a working language was chosen");
    return CaptionCatalogue::caption(key, *globals.langcode);
}

} // namespace lexora
