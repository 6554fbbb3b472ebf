// SPDX-FileCopyrightText: 2026 The Lexora English developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/window.h"

#include <QAbstractButton>
#include <QAction>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLabel>
#include <QMenu>
#include <QScreen>
#include <QWidget>

#include <cmath>

namespace lexora {

int twips(int value) {
    return int(std::lround(value / 15.0));
}

void placeTwips(QWidget* widget, int left, int top, int width, int height) {
    widget->setGeometry(twips(left), twips(top), twips(width), twips(height));
}

QPoint centeredPosition(const QRect& screen, const QSize& window) {
    const double left = screen.x() + (double(screen.width()) - double(window.width())) / 2.0;
    const double top = screen.y() + (double(screen.height()) - double(window.height())) / 2.0;
    return QPoint(int(std::floor(left)), int(std::floor(top)));
}

void center(QWidget* window) {
    QScreen* screen = window->screen() ? window->screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return;
    window->setProperty(kCentredProperty, true);
    window->move(centeredPosition(screen->availableGeometry(), window->frameGeometry().size()));
}

void keepOnTop(QWidget* window, bool onTop) {
    if (window->windowFlags().testFlag(Qt::WindowStaysOnTopHint) == onTop)
        return;
    const bool wasVisible = window->isVisible();
    window->setWindowFlag(Qt::WindowStaysOnTopHint, onTop);
    if (wasVisible)
        window->show();
}

bool isKeptOnTop(const QWidget* window) {
    return window->windowFlags().testFlag(Qt::WindowStaysOnTopHint);
}

void setBusyPointer(QWidget* window, bool busy) {
    if (busy)
        window->setCursor(Qt::WaitCursor);
    else
        window->unsetCursor();
}

QFont uiFont(FontFace face, double pointSize, bool bold) {
    QFont font;
    switch (face) {
    case FontFace::Sans:
        font.setFamilies({"MS Sans Serif", "Liberation Sans", "DejaVu Sans"});
        break;
    case FontFace::Serif:
        font.setFamilies({"Times New Roman", "Liberation Serif", "DejaVu Serif"});
        break;
    case FontFace::Arial:
        font.setFamilies({"Arial", "Liberation Sans", "DejaVu Sans"});
        break;
    }
    font.setPointSizeF(pointSize);
    font.setBold(bold);
    return font;
}

// The font a dialog choice stands for. The three faces of the screens keep their stand-ins, so a
// choice of one of them looks the same as the design font on a desktop that lacks it.
QFont fontFor(const FontChoice& choice) {
    QFont font;
    if (choice.family.compare(QStringLiteral("MS Sans Serif"), Qt::CaseInsensitive) == 0)
        font = uiFont(FontFace::Sans, 10);
    else if (choice.family.compare(QStringLiteral("Times New Roman"), Qt::CaseInsensitive) == 0)
        font = uiFont(FontFace::Serif, 10);
    else if (choice.family.compare(QStringLiteral("Arial"), Qt::CaseInsensitive) == 0)
        font = uiFont(FontFace::Arial, 10);
    else
        font.setFamilies({choice.family});
    if (choice.pointSize > 0)
        font.setPointSizeF(choice.pointSize);
    font.setBold(choice.bold);
    font.setItalic(choice.italic);
    font.setUnderline(choice.underline);
    font.setStrikeOut(choice.strikeOut);
    return font;
}

void setColors(QWidget* widget, const QColor& background, const QColor& foreground) {
    QPalette palette = widget->palette();
    if (background.isValid()) {
        palette.setColor(QPalette::Window, background);
        palette.setColor(QPalette::Base, background);
        palette.setColor(QPalette::Button, background);
        widget->setAutoFillBackground(true);
    }
    if (foreground.isValid()) {
        palette.setColor(QPalette::WindowText, foreground);
        palette.setColor(QPalette::Text, foreground);
        palette.setColor(QPalette::ButtonText, foreground);
    }
    widget->setPalette(palette);
}

QString accessKeyHtml(const QString& caption) {
    QString html;
    for (qsizetype i = 0; i < caption.size(); ++i) {
        const QChar c = caption[i];
        if (c == '&' && i + 1 < caption.size()) {
            const QChar next = caption[++i];
            html += next == '&' ? QStringLiteral("&amp;") : QStringLiteral("<u>%1</u>").arg(QString(next).toHtmlEscaped());
        } else {
            html += QString(c).toHtmlEscaped();
        }
    }
    return html;
}

QString withoutAccessKey(const QString& caption) {
    QString plain;
    for (qsizetype i = 0; i < caption.size(); ++i) {
        if (caption[i] == '&' && i + 1 < caption.size())
            ++i;
        plain += caption[i];
    }
    return plain;
}

void setCaption(QObject* control, const QString& caption) {
    // The caption as given is kept as a property, so tests and tools read it back exactly.
    control->setProperty("caption", caption);
    if (auto* action = qobject_cast<QAction*>(control)) {
        action->setText(caption);
    } else if (auto* menu = qobject_cast<QMenu*>(control)) {
        menu->setTitle(caption);
        menu->menuAction()->setProperty("caption", caption);
    } else if (auto* button = qobject_cast<QAbstractButton*>(control)) {
        button->setText(caption);
    } else if (auto* label = qobject_cast<QLabel*>(control)) {
        label->setTextFormat(Qt::RichText);
        label->setText(accessKeyHtml(caption));
    } else if (auto* group = qobject_cast<QGroupBox*>(control)) {
        group->setTitle(caption);
    } else if (auto* widget = qobject_cast<QWidget*>(control); widget && widget->isWindow()) {
        widget->setWindowTitle(caption);
    }
}

QMenu* nameMenu(QMenu* menu, const QString& name) {
    menu->setObjectName(name);
    menu->menuAction()->setObjectName(name);
    return menu;
}

QAction* addEntry(QMenu* menu, const QString& name, const QString& caption, bool checkable) {
    QAction* action = menu->addAction(QString());
    action->setObjectName(name);
    action->setCheckable(checkable);
    if (!caption.isEmpty())
        setCaption(action, caption);
    return action;
}

} // namespace lexora
