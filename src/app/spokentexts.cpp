// SPDX-FileCopyrightText: 2026 The Lexora English developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/spokentexts.h"

#include "text/translated.h"

#include <QAbstractButton>
#include <QKeyEvent>
#include <QLabel>
#include <QRegularExpression>

namespace lexora {

namespace {

const Translated kItem = {"Item %1.", "%1. mondat.", "Oración %1.", "Fiche %1."};
const Translated kGap = {"gap", "üres hely", "hueco", "blanc"};
const Translated kRight = {"Right", "Helyes", "Correcto", "Juste"};
const Translated kWrong = {"Wrong", "Hibás", "Incorrecto", "Faux"};
const Translated kSolution = {"Solution: %1. %2", "Megoldás: %1. %2", "Solución: %1. %2", "Solution\u00a0: %1. %2"};
const Translated kScore = {"Score: %1 right, %2.", "Eredmény: %1 helyes, %2.", "Resultado: %1 correctas, %2.",
                           "Résultat\u00a0: %1 justes, %2."};
const Translated kTimeUp = {"Time is up.", "Lejárt az idő.", "Se acabó el tiempo.", "Le temps est écoulé."};
const Translated kExplanation = {"Explanation: %1", "Magyarázat: %1", "Explicación: %1", "Explication\u00a0: %1"};
const Translated kAnswersHelp = {
    "Keys a to d choose an answer; F5 reads the item again.",
    "Az a–d billentyűkkel választhat a válaszok közül; az F5 újra felolvassa a mondatot.",
    "Las teclas de la a a la d eligen una respuesta; F5 vuelve a leer la oración.",
    "Les touches a à d permettent de choisir une réponse\u00a0; F5 relit la fiche.",
};
const Translated kAnswers = {"Answers", "Válaszok", "Respuestas", "Réponses"};
const Translated kNextItem = {"Next item", "Következő mondat", "Oración siguiente", "Fiche suivante"};
const Translated kNextRecord = {"Next record", "Következő rekord", "Registro siguiente", "Enregistrement suivant"};

QString tr(const Translated& text, int langcode) {
    return text.in(langcode);
}

} // namespace

namespace SpokenTexts {

QString itemSentence(int langcode, const QString& number, const QString& sentence) {
    // The gap is a run of dots, which a screen reader would read as dots or not at all.
    static const QRegularExpression gap(QStringLiteral("\\.{2,}|…+|_{2,}"));
    QString spokenSentence = sentence.trimmed();
    spokenSentence.replace(gap, QLatin1Char(' ') + tr(kGap, langcode) + QLatin1Char(' '));
    spokenSentence = spokenSentence.simplified();
    return tr(kItem, langcode).arg(number.trimmed()) + QLatin1Char(' ') + spokenSentence;
}

QString item(int langcode, const QString& number, const QString& sentence, const std::array<QString, 4>& answers) {
    QStringList parts{itemSentence(langcode, number, sentence)};
    for (int i = 0; i < 4; ++i)
        parts << choice(QChar('A' + i), answers[size_t(i)]) + QLatin1Char('.');
    return parts.join(QLatin1Char(' '));
}

QString right(int langcode) {
    return tr(kRight, langcode);
}

QString wrong(int langcode) {
    return tr(kWrong, langcode);
}

QString solution(int langcode, const QString& letter, const QString& text) {
    return tr(kSolution, langcode).arg(letter.trimmed(), text.trimmed());
}

QString score(int langcode, const QString& fraction, const QString& percent) {
    return tr(kScore, langcode).arg(fraction.trimmed(), percent.trimmed());
}

QString timeUp(int langcode) {
    return tr(kTimeUp, langcode);
}

QString explanation(int langcode, const QString& reason) {
    return tr(kExplanation, langcode).arg(reason.simplified());
}

QString choice(QChar letter, const QString& answer) {
    return QString(letter) + QStringLiteral(": ") + answer.trimmed();
}

void nameChoices(const std::array<QAbstractButton*, 4>& options, const std::array<QLabel*, 4>& answers) {
    for (size_t i = 0; i < 4; ++i)
        options[i]->setAccessibleName(choice(QChar('A' + int(i)), answers[i]->text()));
}

QString answersHelp(int langcode) {
    return tr(kAnswersHelp, langcode);
}

QString answersGroup(int langcode) {
    return tr(kAnswers, langcode);
}

QString nextItem(int langcode) {
    return tr(kNextItem, langcode);
}

QString nextRecord(int langcode) {
    return tr(kNextRecord, langcode);
}

bool isReadAgain(const QKeyEvent* event) {
    return event->key() == Qt::Key_F5 && (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
}

} // namespace SpokenTexts

} // namespace lexora
