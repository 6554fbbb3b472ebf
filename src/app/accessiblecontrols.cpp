// SPDX-FileCopyrightText: 2026 The Lexora English developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/accessiblecontrols.h"

#include "app/clickablelabel.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QLabel>
#include <QTextDocument>

namespace lexora {

namespace {

const char* const kSecretProperty = "secretLabel";

// A label of the screen's state: no name, no description and no text.
class SecretLabelAccessible : public QAccessibleWidget {
public:
    explicit SecretLabelAccessible(QLabel* label) : QAccessibleWidget(label, QAccessible::StaticText) {}

    QString text(QAccessible::Text) const override { return QString(); }
    QAccessible::State state() const override {
        QAccessible::State s = QAccessibleWidget::state();
        s.invisible = true;
        return s;
    }
};

QString plainText(const QLabel* label) {
    if (label->textFormat() == Qt::PlainText)
        return label->text().trimmed();
    QTextDocument document;
    document.setHtml(label->text());
    return document.toPlainText().trimmed();
}

// A clickable text is a link, a clickable picture a button; either is pressed by its action.
class ClickableLabelAccessible : public QAccessibleWidget {
public:
    explicit ClickableLabelAccessible(ClickableLabel* label)
        : QAccessibleWidget(label, label->text().isEmpty() ? QAccessible::Button : QAccessible::Link) {}

    QString text(QAccessible::Text t) const override {
        const auto* label = static_cast<const ClickableLabel*>(widget());
        if (t == QAccessible::Name && label->accessibleName().isEmpty())
            return plainText(label);
        return QAccessibleWidget::text(t);
    }

    QStringList actionNames() const override { return QStringList(pressAction()) + QAccessibleWidget::actionNames(); }

    void doAction(const QString& actionName) override {
        auto* label = static_cast<ClickableLabel*>(widget());
        if (actionName == pressAction() && label->isVisible() && label->isEnabled())
            label->press();
        else
            QAccessibleWidget::doAction(actionName);
    }
};

QAccessibleInterface* controlsFactory(const QString& className, QObject* object) {
    if (className == QLatin1String("lexora::ClickableLabel"))
        return new ClickableLabelAccessible(static_cast<ClickableLabel*>(object));
    if (className == QLatin1String("QLabel") && object->property(kSecretProperty).toBool())
        return new SecretLabelAccessible(static_cast<QLabel*>(object));
    return nullptr;
}

void installFactory() {
    static const bool installed = [] {
        QAccessible::installFactory(controlsFactory);
        return true;
    }();
    (void)installed;
}

} // namespace

void markSecret(QLabel* label) {
    installFactory();
    label->setProperty(kSecretProperty, true);
}

void exposeClickableLabels() {
    installFactory();
}

} // namespace lexora
