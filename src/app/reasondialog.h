#pragma once

#include "app/platform.h"

namespace lexora {

// The dialog of RealPlatform::editReason: two boxes, English above Hungarian, OK and Cancel.
std::optional<ReasonDialogAnswer> runReasonDialog(QWidget* parent, const ReasonDialogSetup& setup);

} // namespace lexora
