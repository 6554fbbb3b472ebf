// SPDX-FileCopyrightText: 2026 The Lexora English developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "screens/info/aboutpictures.h"

#include <QConicalGradient>
#include <QPainter>
#include <QRadialGradient>

#include <cstdlib>

namespace lexora {

QPixmap compactDiscPicture(int size) {
    QPixmap picture(size, size);
    picture.fill(Qt::transparent);
    QPainter p(&picture);
    p.setRenderHint(QPainter::Antialiasing);
    const QPointF centre(size / 2.0, size / 2.0);
    const double outer = size / 2.0 - 1.0;

    QRadialGradient silver(centre, outer);
    silver.setColorAt(0.0, QColor(250, 250, 252));
    silver.setColorAt(0.7, QColor(205, 210, 218));
    silver.setColorAt(1.0, QColor(165, 170, 180));
    p.setPen(QPen(QColor(110, 115, 125), 1));
    p.setBrush(silver);
    p.drawEllipse(centre, outer, outer);

    // The rainbow sheen of the data side.
    QConicalGradient sheen(centre, 30);
    const QColor colours[] = {QColor(255, 120, 120, 90), QColor(255, 240, 120, 90), QColor(120, 255, 160, 90),
                              QColor(120, 190, 255, 90), QColor(210, 140, 255, 90), QColor(255, 120, 120, 90)};
    for (int i = 0; i < 6; ++i)
        sheen.setColorAt(i / 5.0, colours[i]);
    p.setPen(Qt::NoPen);
    p.setBrush(sheen);
    p.drawEllipse(centre, outer * 0.95, outer * 0.95);

    p.setBrush(QColor(225, 228, 234));
    p.setPen(QPen(QColor(140, 145, 155), 1));
    p.drawEllipse(centre, outer * 0.34, outer * 0.34);
    // The hole lets the ground show through.
    p.setCompositionMode(QPainter::CompositionMode_Clear);
    p.drawEllipse(centre, outer * 0.14, outer * 0.14);
    p.setCompositionMode(QPainter::CompositionMode_SourceOver);
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(centre, outer * 0.14, outer * 0.14);
    return picture;
}

QPixmap mosaicFrame(int frame, int size) {
    // Three colours for three frames, so the last frame leads smoothly back to the first.
    static const QColor palette[] = {QColor(200, 16, 46), QColor(241, 191, 0), QColor(1, 33, 105)};
    constexpr int tiles = 7;
    constexpr int middle = tiles / 2;
    QPixmap picture(size, size);
    picture.fill(QColor(250, 250, 245));
    QPainter p(&picture);
    const double tile = double(size) / tiles;
    for (int row = 0; row < tiles; ++row) {
        for (int column = 0; column < tiles; ++column) {
            // Tiles at the same distance from the middle form a ring; each frame shifts the colours by one ring.
            const int ring = std::abs(row - middle) + std::abs(column - middle);
            const QColor colour = palette[(ring - frame + 3 * tiles) % 3];
            const QRectF cell(column * tile + 1, row * tile + 1, tile - 2, tile - 2);
            p.fillRect(cell, (row + column) % 2 == 0 ? colour : colour.lighter(125));
        }
    }
    return picture;
}

} // namespace lexora
