// SPDX-FileCopyrightText: 2026 The Lexora English developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "app/platform.h"

#include <QColor>
#include <QFont>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <QString>

class QAction;
class QLabel;
class QMenu;
class QObject;
class QWidget;

namespace lexora {

// Layout values are kept in twips (1/1440 inch): 15 twips make one pixel at 96 dpi,
// and Qt's high-dpi scaling does the rest.
int twips(int value);
void placeTwips(QWidget* widget, int left, int top, int width, int height);

// Where a window of `window` size stands when centred on `screen`, computed in floating
// point; a window larger than the screen gets a negative position, unclamped.
QPoint centeredPosition(const QRect& screen, const QSize& window);
// Moves a window to the centre of its screen's available area without changing its size, and
// marks it (kCentredProperty) so that a screen whose size changes before it shows is centred again.
void center(QWidget* window);
inline constexpr char kCentredProperty[] = "centred";

// Makes a window one of the top-most windows, or releases it from that band. Changing
// the flag hides a visible window, so it is shown again.
void keepOnTop(QWidget* window, bool onTop = true);
bool isKeptOnTop(const QWidget* window);

void setBusyPointer(QWidget* window, bool busy);

enum class FontFace { Sans, Serif, Arial };
// The fonts of the screens: MS Sans Serif, Times New Roman and Arial where installed,
// their metric-compatible stand-ins otherwise.
QFont uiFont(FontFace face, double pointSize, bool bold = true);

// The font a font-dialog choice stands for; the three faces of the screens keep their stand-ins.
QFont fontFor(const FontChoice& choice);

void setColors(QWidget* widget, const QColor& background, const QColor& foreground = QColor());

// Captions carry an access-key ampersand ("&Start"; "&&" is a literal ampersand).
// Buttons, menus and actions show it natively; a label shows the marked letter underlined.
QString accessKeyHtml(const QString& caption);
QString withoutAccessKey(const QString& caption);
// Gives a window, button, option, label, menu or menu entry its caption.
void setCaption(QObject* control, const QString& caption);

// Gives a menu its menu name; its own entry in the parent menu carries the same name.
QMenu* nameMenu(QMenu* menu, const QString& name);
// Adds an entry with its menu name to a menu, with a caption ("" = none yet) and, if
// `checkable`, room for a check mark.
QAction* addEntry(QMenu* menu, const QString& name, const QString& caption = QString(), bool checkable = false);

} // namespace lexora
