// SPDX-FileCopyrightText: 2026 The Lexora English developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

class QLabel;

namespace lexora {

// Marks a label that keeps a piece of the screen's state and is never shown (the chosen
// letter, the letter of the right answer): screen readers get nothing from it.
void markSecret(QLabel* label);

// Lets screen readers see every ClickableLabel as what it is: a link (a text) or a button
// (a picture) that they can press. ClickableLabel installs it with its first label.
void exposeClickableLabels();

} // namespace lexora
