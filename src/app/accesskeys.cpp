// SPDX-FileCopyrightText: 2026 The Lexora English developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/accesskeys.h"

#include <QAbstractButton>
#include <QShortcutEvent>

namespace lexora {

namespace {

class SharedAccessKey : public QObject {
public:
    using QObject::QObject;

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::Shortcut || !static_cast<QShortcutEvent*>(event)->isAmbiguous())
            return false;
        auto* option = static_cast<QAbstractButton*>(watched);
        if (!option->isEnabled() || !option->isVisible())
            return false;
        option->setFocus(Qt::ShortcutFocusReason);
        option->click();
        return true;
    }
};

} // namespace

void chooseOnSharedAccessKey(QAbstractButton* option) {
    option->installEventFilter(new SharedAccessKey(option));
}

} // namespace lexora
