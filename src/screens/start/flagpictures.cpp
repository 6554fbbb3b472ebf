// SPDX-FileCopyrightText: 2026 The Lexora English developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "screens/start/flagpictures.h"

#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>

#include <cmath>
#include <utility>
#include <vector>

namespace lexora {

namespace {

using Coast = std::vector<std::pair<double, double>>; // longitude, latitude

// The coast of Great Britain, clockwise from Land's End, coarse enough for a small picture.
const Coast& greatBritainCoast() {
    static const Coast coast = {
        {-5.70, 50.05}, {-5.20, 49.96}, {-4.10, 50.35}, {-3.40, 50.60}, {-2.45, 50.52}, {-1.30, 50.75}, {-0.10, 50.80},
        {1.35, 51.13},  {1.45, 51.38},  {0.70, 51.50},  {1.15, 51.80},  {1.35, 51.95},  {1.75, 52.48},  {1.30, 52.93},
        {0.35, 52.85},  {0.35, 53.15},  {0.10, 53.58},  {-0.08, 54.12}, {-0.60, 54.49}, {-1.20, 54.69}, {-1.43, 55.00},
        {-2.00, 55.77}, {-2.13, 55.90}, {-2.90, 56.02}, {-2.58, 56.28}, {-2.90, 56.45}, {-2.45, 56.70}, {-2.07, 57.14},
        {-1.78, 57.50}, {-2.00, 57.69}, {-3.30, 57.70}, {-4.20, 57.50}, {-3.77, 57.86}, {-3.65, 58.10}, {-3.08, 58.44},
        {-3.03, 58.64}, {-3.37, 58.67}, {-5.00, 58.62}, {-5.30, 57.90}, {-5.70, 57.28}, {-5.83, 57.00}, {-6.22, 56.73},
        {-5.47, 56.41}, {-5.60, 55.90}, {-5.80, 55.30}, {-5.30, 55.80}, {-4.90, 55.90}, {-4.63, 55.46}, {-5.10, 55.00},
        {-4.86, 54.64}, {-4.40, 54.80}, {-3.60, 54.90}, {-3.56, 54.65}, {-3.63, 54.50}, {-3.22, 54.10}, {-2.90, 54.07},
        {-3.05, 53.82}, {-3.00, 53.45}, {-3.32, 53.35}, {-3.85, 53.33}, {-4.60, 53.40}, {-4.55, 53.10}, {-4.78, 52.78},
        {-4.08, 52.41}, {-4.70, 52.10}, {-5.30, 51.88}, {-5.05, 51.70}, {-4.70, 51.67}, {-3.95, 51.60}, {-3.17, 51.46},
        {-2.60, 51.60}, {-3.00, 51.20}, {-3.47, 51.21}, {-4.20, 51.10}, {-4.52, 51.02}, {-5.07, 50.42}, {-5.48, 50.21},
    };
    return coast;
}

// The border of the contiguous United States, clockwise from Cape Flattery.
const Coast& unitedStatesBorder() {
    static const Coast border = {
        {-124.7, 48.4}, {-124.1, 46.9}, {-124.0, 44.0}, {-124.4, 42.0}, {-124.2, 40.4}, {-123.0, 38.5}, {-122.5, 37.8},
        {-121.9, 36.6}, {-120.6, 34.6}, {-118.5, 34.0}, {-117.1, 32.5}, {-114.7, 32.7}, {-111.1, 31.3}, {-108.2, 31.3},
        {-106.5, 31.8}, {-104.5, 29.6}, {-103.1, 29.0}, {-101.4, 29.8}, {-99.5, 27.5},  {-97.2, 25.9},  {-97.4, 27.8},
        {-94.7, 29.4},  {-91.0, 29.3},  {-89.4, 29.0},  {-89.6, 30.2},  {-88.0, 30.4},  {-85.4, 29.7},  {-84.0, 30.0},
        {-82.8, 29.0},  {-82.6, 27.6},  {-81.8, 26.1},  {-81.0, 25.1},  {-80.4, 25.2},  {-80.1, 26.8},  {-80.6, 28.4},
        {-81.4, 30.7},  {-79.2, 33.2},  {-77.9, 34.0},  {-75.5, 35.2},  {-75.9, 36.9},  {-75.3, 38.0},  {-74.0, 39.5},
        {-74.0, 40.6},  {-72.0, 41.0},  {-70.0, 41.7},  {-70.6, 42.6},  {-70.2, 43.7},  {-67.0, 44.8},  {-67.8, 47.1},
        {-69.2, 47.4},  {-71.5, 45.0},  {-74.7, 45.0},  {-76.4, 44.2},  {-79.1, 43.3},  {-79.8, 42.3},  {-82.9, 42.3},
        {-82.5, 45.0},  {-84.6, 46.5},  {-88.0, 47.5},  {-89.6, 48.0},  {-95.2, 49.0},  {-123.0, 49.0}, {-123.3, 48.3},
    };
    return border;
}

// Longitudes are shortened by the cosine of a middle latitude, so the shapes keep their proportions.
QPolygonF project(const Coast& coast, double middleLatitude) {
    const double shrink = std::cos(middleLatitude * M_PI / 180.0);
    QPolygonF shape;
    for (const auto& [lon, lat] : coast)
        shape << QPointF(lon * shrink, -lat);
    return shape;
}

void bands(QPainter& p, const QRectF& a, std::initializer_list<std::pair<QColor, double>> parts, bool vertical) {
    double at = 0;
    for (const auto& [colour, share] : parts) {
        const QRectF band = vertical ? QRectF(a.x() + at * a.width(), a.y(), share * a.width() + 0.5, a.height())
                                     : QRectF(a.x(), a.y() + at * a.height(), a.width(), share * a.height() + 0.5);
        p.fillRect(band.intersected(a), colour);
        at += share;
    }
}

// The union flag in its own 60 by 30 units; the red diagonals are counterchanged, each arm
// lying on the same turning side of the white one, as on the real flag.
void paintUnionFlag(QPainter& p, const QRectF& a) {
    p.save();
    p.setClipRect(a, Qt::IntersectClip);
    p.translate(a.topLeft());
    p.scale(a.width() / 60.0, a.height() / 30.0);
    p.fillRect(QRectF(0, 0, 60, 30), QColor(1, 33, 105));
    p.setPen(QPen(Qt::white, 6, Qt::SolidLine, Qt::FlatCap));
    p.drawLine(QLineF(0, 0, 60, 30));
    p.drawLine(QLineF(0, 30, 60, 0));
    const QColor red(200, 16, 46);
    p.setPen(QPen(red, 2, Qt::SolidLine, Qt::FlatCap));
    const QPointF centre(30, 15);
    for (const QPointF corner : {QPointF(0, 0), QPointF(60, 0), QPointF(60, 30), QPointF(0, 30)}) {
        const QPointF d = corner - centre;
        const double length = std::hypot(d.x(), d.y());
        // A quarter turn against the clock on the screen (y grows downwards).
        const QPointF side(d.y() / length, -d.x() / length);
        p.drawLine(QLineF(centre + side, corner + side));
    }
    p.fillRect(QRectF(25, 0, 10, 30), Qt::white);
    p.fillRect(QRectF(0, 10, 60, 10), Qt::white);
    p.fillRect(QRectF(27, 0, 6, 30), red);
    p.fillRect(QRectF(0, 12, 60, 6), red);
    p.restore();
}

void paintStarsAndStripes(QPainter& p, const QRectF& a) {
    p.save();
    p.setClipRect(a, Qt::IntersectClip);
    const double stripe = a.height() / 13.0;
    for (int i = 0; i < 13; ++i)
        p.fillRect(QRectF(a.x(), a.y() + i * stripe, a.width(), stripe + 0.5),
                   i % 2 == 0 ? QColor(178, 34, 52) : QColor(Qt::white));
    const QRectF canton(a.x(), a.y(), a.width() * 0.4, stripe * 7);
    p.fillRect(canton, QColor(60, 59, 110));
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    const double radius = std::max(0.35, canton.height() / 30.0);
    for (int row = 0; row < 9; ++row) {
        const int stars = row % 2 == 0 ? 6 : 5;
        for (int i = 0; i < stars; ++i) {
            const double x = canton.x() + canton.width() * ((row % 2 == 0 ? 1 : 2) + 2 * i) / 12.0;
            const double y = canton.y() + canton.height() * (row + 1) / 10.0;
            p.drawEllipse(QPointF(x, y), radius, radius);
        }
    }
    p.restore();
}

} // namespace

void paintFlag(QPainter& p, Flag flag, const QRectF& a) {
    switch (flag) {
    case Flag::UnitedKingdom:
        paintUnionFlag(p, a);
        break;
    case Flag::France:
        bands(p, a, {{QColor(0, 35, 149), 1 / 3.0}, {Qt::white, 1 / 3.0}, {QColor(237, 41, 57), 1 / 3.0}}, true);
        break;
    case Flag::Germany:
        bands(p, a, {{Qt::black, 1 / 3.0}, {QColor(221, 0, 0), 1 / 3.0}, {QColor(255, 206, 0), 1 / 3.0}}, false);
        break;
    case Flag::Italy:
        bands(p, a, {{QColor(0, 146, 70), 1 / 3.0}, {Qt::white, 1 / 3.0}, {QColor(206, 43, 55), 1 / 3.0}}, true);
        break;
    case Flag::Spain:
        bands(p, a, {{QColor(170, 21, 27), 0.25}, {QColor(241, 191, 0), 0.5}, {QColor(170, 21, 27), 0.25}}, false);
        break;
    case Flag::Hungary:
        bands(p, a, {{QColor(206, 41, 57), 1 / 3.0}, {Qt::white, 1 / 3.0}, {QColor(71, 112, 80), 1 / 3.0}}, false);
        break;
    case Flag::UnitedStates:
        paintStarsAndStripes(p, a);
        break;
    }
}

QPixmap flagPicture(Flag flag, const QSize& size) {
    QPixmap picture(size);
    picture.fill(Qt::transparent);
    QPainter p(&picture);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF area(0.5, 0.5, size.width() - 1.0, size.height() - 1.0);
    paintFlag(p, flag, area);
    p.setPen(QPen(QColor(40, 40, 40), 1));
    p.setBrush(Qt::NoBrush);
    p.drawRect(area);
    return picture;
}

QPixmap outlinePicture(Outline outline, const QSize& size) {
    const bool britain = outline == Outline::GreatBritain;
    QPolygonF shape = britain ? project(greatBritainCoast(), 54.0) : project(unitedStatesBorder(), 39.0);
    // Scale the shape to the largest size that fits, centred, leaving room for the edge.
    const QRectF bounds = shape.boundingRect();
    const QRectF room(1.5, 1.5, size.width() - 3.0, size.height() - 3.0);
    const double scale = std::min(room.width() / bounds.width(), room.height() / bounds.height());
    const QPointF offset(room.x() + (room.width() - bounds.width() * scale) / 2.0,
                         room.y() + (room.height() - bounds.height() * scale) / 2.0);
    for (QPointF& point : shape)
        point = offset + (point - bounds.topLeft()) * scale;

    QPixmap picture(size);
    picture.fill(Qt::transparent);
    QPainter p(&picture);
    p.setRenderHint(QPainter::Antialiasing);
    QPainterPath path;
    path.addPolygon(shape);
    path.closeSubpath();
    p.setClipPath(path);
    // The flag is stretched over the country's extent, so its pattern stays recognisable.
    paintFlag(p, britain ? Flag::UnitedKingdom : Flag::UnitedStates, shape.boundingRect());
    p.setClipping(false);
    p.setPen(QPen(QColor(30, 30, 30), 1.2));
    p.setBrush(Qt::NoBrush);
    p.drawPath(path);
    return picture;
}

QIcon programIcon() {
    QPixmap picture(32, 32);
    picture.fill(Qt::transparent);
    QPainter p(&picture);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(1, 33, 105));
    p.drawRoundedRect(QRectF(1, 1, 30, 30), 6, 6);
    p.setBrush(QColor(200, 16, 46));
    p.drawRect(QRectF(1, 22, 30, 4));
    // A capital L and E drawn as strokes, so the icon needs no font.
    p.setBrush(Qt::white);
    p.drawRect(QRectF(6, 6, 4, 14));
    p.drawRect(QRectF(6, 16, 8, 4));
    p.drawRect(QRectF(17, 6, 4, 14));
    p.drawRect(QRectF(17, 6, 9, 3));
    p.drawRect(QRectF(17, 11.5, 7, 3));
    p.drawRect(QRectF(17, 17, 9, 3));
    return QIcon(picture);
}

} // namespace lexora
