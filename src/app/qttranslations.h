// SPDX-FileCopyrightText: 2026 The Lexora English developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

namespace lexora {

// Qt's own texts (standard buttons, file and font dialogs) in the working language `langcode`, from
// the Qt translations installed on the system; the ones of the language before are dropped. Returns
// false when the language has none installed: those texts then stay English.
bool useQtTranslations(int langcode);

} // namespace lexora
