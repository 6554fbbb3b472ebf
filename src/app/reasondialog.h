// SPDX-FileCopyrightText: 2026 The Lexora English developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "app/platform.h"

namespace lexora {

// The dialog of RealPlatform::editReason: two boxes, English above Hungarian, OK and Cancel.
std::optional<ReasonDialogAnswer> runReasonDialog(QWidget* parent, const ReasonDialogSetup& setup);

} // namespace lexora
