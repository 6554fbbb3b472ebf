// SPDX-FileCopyrightText: 2026 The Lexora English developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/accessibility.h"

#include "app/platform.h"
#include "app/window.h"
#include "text/translated.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QLabel>
#include <QTextDocument>
#include <QWidget>

namespace lexora {

namespace {

const char* const kSpokenProperty = "spokenName";
const char* const kLetterProperty = "spokenLetter";

// Indexed by Spoken; "%1" stands for the letter of an answer.
const Translated kNames[] = {
    {"Sentence", "Mondat", "Oración", "Phrase"},
    {"Answer %1", "Válasz: %1", "Respuesta %1", "Réponse %1"},
    {"Choose answer %1", "Válasz kiválasztása: %1", "Elegir la respuesta %1", "Choisir la réponse %1"},
    {"Right", "Helyes", "Correcto", "Juste"},
    {"Wrong", "Hibás", "Incorrecto", "Faux"},
    {"Time used", "Eltelt idő", "Tiempo transcurrido", "Temps utilisé"},
    {"Solution", "Megoldás", "Solución", "Solution"},
    {"Letter of the right answer", "A helyes válasz betűje", "Letra de la respuesta correcta",
     "Lettre de la bonne réponse"},
    {"Item number", "Sorszám", "Número de la oración", "Numéro de la fiche"},
    {"Record number", "Rekordszám", "Número de registro", "Numéro d'enregistrement"},
    {"Level", "Szint", "Nivel", "Niveau"},
    {"Explanation", "Magyarázat", "Explicación", "Explication"},
};

// A label marked with what it stands for: its name is that, and what it shows at the moment
// (a sentence, an answer) is its description, so a screen reader tells both.
class MarkedLabelAccessible : public QAccessibleWidget {
public:
    explicit MarkedLabelAccessible(QLabel* label) : QAccessibleWidget(label, QAccessible::StaticText) {}

    QString text(QAccessible::Text t) const override {
        if (t != QAccessible::Description)
            return QAccessibleWidget::text(t);
        const auto* label = static_cast<const QLabel*>(widget());
        // A label not on show (the solution before it is asked for) tells nothing of what it holds.
        if (!label->isVisible())
            return QString();
        if (label->textFormat() != Qt::RichText)
            return label->text().trimmed();
        QTextDocument document;
        document.setHtml(label->text());
        return document.toPlainText().trimmed();
    }
};

QAccessibleInterface* markedLabelFactory(const QString& className, QObject* object) {
    if (className != QLatin1String("QLabel") || !object->property(kSpokenProperty).isValid())
        return nullptr;
    return new MarkedLabelAccessible(static_cast<QLabel*>(object));
}

} // namespace

QString spokenName(Spoken what, int langcode, QChar letter) {
    const QString name = kNames[int(what)].in(langcode);
    return name.contains(QLatin1String("%1")) ? name.arg(letter) : name;
}

void markSpoken(QWidget* control, Spoken what, QChar letter) {
    static const bool factoryInstalled = [] {
        QAccessible::installFactory(markedLabelFactory);
        return true;
    }();
    (void)factoryInstalled;
    control->setProperty(kSpokenProperty, int(what));
    if (!letter.isNull())
        control->setProperty(kLetterProperty, QString(letter));
}

void nameControls(QWidget* window, int langcode) {
    for (QWidget* control : window->findChildren<QWidget*>()) {
        const QVariant spoken = control->property(kSpokenProperty);
        if (spoken.isValid()) {
            const QString letter = control->property(kLetterProperty).toString();
            control->setAccessibleName(
                spokenName(Spoken(spoken.toInt()), langcode, letter.isEmpty() ? QChar() : letter[0]));
        }
        // The others are left to their own captions, which screen readers get without the
        // ampersand and which stay current when a screen changes a caption on its own.
    }
}

void nameAfterLabel(QWidget* panel, QLabel* label) {
    QString shown = withoutAccessKey(label->property("caption").toString()).trimmed();
    while (shown.endsWith(QLatin1Char(':')) || shown.endsWith(QChar(0x00a0)))
        shown.chop(1);
    label->setBuddy(panel);
    panel->setAccessibleName(shown);
}

void Platform::announce(QWidget* control) {
    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(control);
    speak(control, face ? face->text(QAccessible::Name) : control->accessibleName());
}

} // namespace lexora
