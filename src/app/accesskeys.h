// SPDX-FileCopyrightText: 2026 The Lexora English developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

class QAbstractButton;

namespace lexora {

// When the access key of an option button is also the access key of a menu (the hub's
// "&Database" task and its "&Database" menu), the key alternates between the two: each
// press goes to the next of them. By default the option's turn only moves the focus to
// it; with this, the option is chosen too, and the next press opens the menu.
void chooseOnSharedAccessKey(QAbstractButton* option);

} // namespace lexora
