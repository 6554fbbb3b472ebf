// SPDX-FileCopyrightText: 2026 The Lexora English developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "data/itemrules.h"

#include "data/schema.h"
#include "data/topics.h"

#include <QRegularExpression>
#include <QSet>

namespace lexora {

namespace {

enum Column { Sorszam, Sorrend, Sorrend2, Szint, Mondat, A, B, C, D, Felelet1, Felelet2, Kulcs1, Kulcs2, ColumnCount };

const QStringList& letters() {
    static const QStringList all{"A", "B", "C", "D"};
    return all;
}

} // namespace

int answerIndex(const QString& letter) {
    return int(letters().indexOf(letter));
}

QString tidiedSolution(const QString& solution) {
    QString text = solution.simplified();
    text.replace(QRegularExpression(QStringLiteral(R"(\s+([,.!?;:]))")), QStringLiteral("\\1"));
    if (!text.isEmpty())
        text[0] = text[0].toUpper();
    return text;
}

QString solutionSentence(const QString& sentence, const QString& answer) {
    QString filled = sentence;
    filled.replace(kGap, answer.trimmed());
    return tidiedSolution(filled);
}

std::vector<ItemFault> itemFaults(const QStringList& item) {
    std::vector<ItemFault> faults;
    if (item.size() != ColumnCount)
        return faults;
    const auto report = [&faults](ItemFault::Kind kind, const QString& detail = QString()) {
        faults.push_back({kind, detail});
    };
    bool ok = false;
    const int level = item[Szint].toInt(&ok);
    if (!ok || level < 1 || level > 3)
        report(ItemFault::Kind::BadLevel, item[Szint]);
    if (!TopicCatalogue::nameKey(item[Kulcs1], item[Kulcs2]))
        report(ItemFault::Kind::NoTopic, item[Kulcs1] + QLatin1Char('\t') + item[Kulcs2]);
    const int right = answerIndex(item[Felelet2]);
    if (right < 0)
        report(ItemFault::Kind::BadKey, item[Felelet2]);
    QSet<QString> answers;
    for (int c = A; c <= D; ++c) {
        if (item[c].trimmed().isEmpty())
            report(ItemFault::Kind::EmptyAnswer, letters()[c - A]);
        answers.insert(item[c].trimmed().toLower());
    }
    if (answers.size() != 4)
        report(ItemFault::Kind::EqualAnswers);
    const qsizetype gaps = item[Mondat].count(kGap);
    if (gaps != 1)
        report(gaps == 0 ? ItemFault::Kind::NoGap : ItemFault::Kind::SeveralGaps);
    if (gaps == 1 && right >= 0 && solutionSentence(item[Mondat], item[A + right]) != tidiedSolution(item[Felelet1]))
        report(ItemFault::Kind::SolutionDiffers, letters()[right]);
    for (int c : {Sorszam, Sorrend, Sorrend2}) {
        item[c].toInt(&ok);
        if (!ok)
            report(ItemFault::Kind::NotANumber, itemTable().fields[size_t(c)].name + QLatin1Char('\t') + item[c]);
    }
    const int order = item[Sorrend2].toInt(&ok);
    if (ok && (order < 1 || order > 3000))
        report(ItemFault::Kind::OrderOutOfRange, QString::number(order));
    return faults;
}

} // namespace lexora
