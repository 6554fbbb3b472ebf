// SPDX-FileCopyrightText: 2026 The Lexora English developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "app/screen.h"

namespace lexora {

// The plain light-grey window that lies behind all others for the whole run. It has no
// controls and no behaviour; its close box does nothing.
class BackgroundScreen : public Screen {
    Q_OBJECT

public:
    explicit BackgroundScreen(AppContext& context);
};

} // namespace lexora
