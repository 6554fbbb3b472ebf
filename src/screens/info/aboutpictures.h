// SPDX-FileCopyrightText: 2026 The Lexora English developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QPixmap>

namespace lexora {

// The pictures of the About window, drawn in code.

// A compact disc seen from above, `size` pixels across, on a transparent ground.
QPixmap compactDiscPicture(int size);
// One of the three frames (0, 1, 2) of the animated mosaic: rings of coloured tiles
// that move one ring outwards from one frame to the next.
QPixmap mosaicFrame(int frame, int size);

} // namespace lexora
