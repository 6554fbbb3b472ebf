// SPDX-FileCopyrightText: 2026 The Lexora English developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "app/platform.h"

namespace lexora {

// The dialog of RealPlatform::editReason: the reason and a note on each wrong answer, each in
// an English and a Hungarian box side by side, then OK and Cancel.
std::optional<ReasonDialogAnswer> runReasonDialog(QWidget* parent, const ReasonDialogSetup& setup);

} // namespace lexora
