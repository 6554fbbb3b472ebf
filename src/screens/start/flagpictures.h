// SPDX-FileCopyrightText: 2026 The Lexora English developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QIcon>
#include <QPixmap>
#include <QRectF>
#include <QSize>

class QPainter;

namespace lexora {

// The pictures of the start screen, drawn in code: national flags, and the outlines of
// Great Britain and of the United States filled with their flags.
enum class Flag { UnitedKingdom, France, Germany, Italy, Spain, Hungary, UnitedStates };
enum class Outline { GreatBritain, UnitedStates };

// Paints a flag so that it fills `area`.
void paintFlag(QPainter& painter, Flag flag, const QRectF& area);
// A flag of the given size with a thin dark edge.
QPixmap flagPicture(Flag flag, const QSize& size);
// A country's outline filled with its flag, as large as fits in `size`, on a transparent ground.
QPixmap outlinePicture(Outline outline, const QSize& size);
// The program's icon: the initials on a blue tile.
QIcon programIcon();

} // namespace lexora
