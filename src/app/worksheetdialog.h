#pragma once

#include "app/platform.h"

namespace lexora {

// The real worksheet dialog: a number box, the level or topic, the language, and Save or Print.
std::optional<WorksheetDialogAnswer> runWorksheetDialog(QWidget* parent, const WorksheetDialogSetup& setup);

} // namespace lexora
