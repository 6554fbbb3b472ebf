// SPDX-FileCopyrightText: 2026 The Lexora English developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/platform.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QStringList>
#include <QTimer>
#include <QWidget>

namespace lexora {

namespace {

const char* const kNotifierName = "spokenNotice";

// An empty spot in a window that screen readers see as a notification: each time it is
// shown, they say its name. A change of a name or a description is passed on by the
// desktop bridge without its new text, and an alert not at all; a shown notification is
// said as it comes.
class Notifier : public QWidget {
public:
    explicit Notifier(QWidget* window) : QWidget(window) {
        setObjectName(QLatin1String(kNotifierName));
        setFocusPolicy(Qt::NoFocus);
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setGeometry(0, 0, 1, 1);
        hide();
    }

    // Texts given in one turn of the event loop (a verdict and its explanation) are said as
    // one: screen readers fetch the name after the event, so a second showing in the same
    // turn would have them say the last text twice. Said on the next turn, after the focus
    // has moved, so the name of the newly focused button does not cut them short.
    void add(const QString& text) {
        if (m_pending.isEmpty())
            QTimer::singleShot(0, this, [this] { sayPending(); });
        m_pending << text;
    }

private:
    void sayPending() {
        QString text;
        for (const QString& part : std::as_const(m_pending)) {
            if (!text.isEmpty())
                text += endsSentence(text) ? QStringLiteral(" ") : QStringLiteral(". ");
            text += part;
        }
        m_pending.clear();
        hide();
        setAccessibleName(text);
        show();
        raise();
    }

    static bool endsSentence(const QString& text) {
        const QChar last = text.back();
        return last == QLatin1Char('.') || last == QLatin1Char('!') || last == QLatin1Char('?') ||
               last == QLatin1Char(':');
    }

    QStringList m_pending;
};

class NotifierAccessible : public QAccessibleWidget {
public:
    explicit NotifierAccessible(QWidget* widget) : QAccessibleWidget(widget, QAccessible::Notification) {}
    QString text(QAccessible::Text t) const override {
        return t == QAccessible::Name ? widget()->accessibleName() : QString();
    }
};

QAccessibleInterface* notifierFactory(const QString& className, QObject* object) {
    if (className == QLatin1String("QWidget") && object->objectName() == QLatin1String(kNotifierName))
        return new NotifierAccessible(static_cast<QWidget*>(object));
    return nullptr;
}

} // namespace

void Platform::speak(QWidget* control, const QString& text) {
    if (!control || text.isEmpty())
        return;
    static const bool installed = [] {
        QAccessible::installFactory(notifierFactory);
        return true;
    }();
    (void)installed;
    QWidget* window = control->window();
    auto* notifier =
        dynamic_cast<Notifier*>(window->findChild<QWidget*>(QLatin1String(kNotifierName), Qt::FindDirectChildrenOnly));
    if (!notifier)
        notifier = new Notifier(window);
    notifier->add(text);
}

} // namespace lexora
