// SPDX-FileCopyrightText: 2026 The Lexora English developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "app/platform.h"

namespace lexora {

// The real worksheet dialog: a number box, the level and the topic, the language, whether the key explains
// the answers, and Save or Print.
std::optional<WorksheetDialogAnswer> runWorksheetDialog(QWidget* parent, const WorksheetDialogSetup& setup);

} // namespace lexora
