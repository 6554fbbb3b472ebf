// SPDX-FileCopyrightText: 2026 The Lexora English developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "exchange/aikenformat.h"

#include "exchange/questiontext.h"

#include <QRegularExpression>
#include <QStringList>

namespace lexora {

namespace {

// Every part of a question stands on one line.
QString oneLine(const QString& text) {
    QString line = text;
    line.replace(QLatin1Char('\r'), QLatin1Char(' ')).replace(QLatin1Char('\n'), QLatin1Char(' '));
    return line;
}

// A question being read: its text lines, then its answers.
struct Question {
    int line = 0;
    QStringList text;
    std::vector<QPair<QChar, QString>> options;
    bool broken = false; // a text line came after the answers had begun
};

void finish(const Question& q, const QString& answerLetter, ReadResult& result) {
    auto skip = [&](const QString& why) { result.skipped.push_back({q.line, why}); };
    if (q.broken)
        return skip(QStringLiteral("a line among the answers is neither an answer nor the ANSWER line"));
    if (q.options.empty())
        return skip(QStringLiteral("the question has no answers"));
    int rights = 0;
    int right = -1;
    for (size_t i = 0; i < q.options.size(); ++i) {
        if (q.options[i].first != QChar('A' + int(i)))
            return skip(QStringLiteral("the answers are not lettered A, B, C, ... in order"));
        if (q.options[i].first == answerLetter[0]) {
            ++rights;
            right = int(i);
        }
    }
    if (rights == 0)
        return skip(QStringLiteral("ANSWER: %1 names none of the answers").arg(answerLetter));
    if (const auto problem = QuestionText::choiceProblem(int(q.options.size()), rights))
        return skip(*problem);
    ExchangeItem item;
    item.sentence = q.text.join(QLatin1Char(' '));
    for (size_t i = 0; i < 4; ++i)
        item.answers[i] = q.options[i].second;
    item.right = right;
    QuestionText::take(result, q.line, std::move(item));
}

} // namespace

QString AikenFormat::write(const std::vector<ExchangeItem>& items) {
    QString out;
    out.reserve(int(items.size()) * 120);
    for (const ExchangeItem& item : items) {
        out += oneLine(item.sentence) + QLatin1Char('\n');
        for (size_t i = 0; i < item.answers.size(); ++i)
            out += QStringLiteral("%1. %2\n").arg(QChar('A' + int(i))).arg(oneLine(item.answers[i]));
        out += QStringLiteral("ANSWER: %1\n\n").arg(QChar('A' + item.right));
    }
    return out;
}

std::optional<QString> AikenFormat::problem(const ExchangeItem& item) {
    // Readers differ in letter case and in the blank they want after "A.": the wider rule is taken.
    static const QRegularExpression answerLine(QStringLiteral(R"(^[A-Za-z][.)])"));
    static const QRegularExpression answerKey(QStringLiteral(R"(^ANSWER\s*:)"), QRegularExpression::CaseInsensitiveOption);
    const QString sentence = oneLine(item.sentence).trimmed();
    if (answerLine.match(sentence).hasMatch())
        return QStringLiteral("its sentence begins as an answer line (\"%1\")").arg(sentence.left(2));
    if (answerKey.match(sentence).hasMatch())
        return QStringLiteral("its sentence begins as the ANSWER line");
    // A line of fewer than two characters is passed over as blank by the platform's reader.
    if (sentence.size() < 2)
        return QStringLiteral("its sentence is shorter than two characters");
    for (size_t i = 0; i < item.answers.size(); ++i) {
        if (oneLine(item.answers[i]).trimmed().isEmpty())
            return QStringLiteral("answer %1 is empty").arg(QChar('A' + int(i)));
    }
    return std::nullopt;
}

ReadResult AikenFormat::read(const QString& text) {
    static const QRegularExpression option(QStringLiteral(R"(^([A-Z])[.)]\s+(.*)$)"));
    static const QRegularExpression answer(QStringLiteral(R"(^ANSWER\s*:\s*(\S*)\s*$)"),
                                           QRegularExpression::CaseInsensitiveOption);
    ReadResult result;
    const QStringList lines = text.split(QLatin1Char('\n'));
    Question q;
    for (int i = 0; i < lines.size(); ++i) {
        const QString line = lines[i].trimmed();
        if (line.isEmpty())
            continue;
        if (const QRegularExpressionMatch m = answer.match(line); m.hasMatch()) {
            if (q.text.isEmpty() && q.options.empty())
                result.skipped.push_back({i + 1, QStringLiteral("an ANSWER line without a question")});
            else if (m.captured(1).size() != 1)
                result.skipped.push_back({q.line, QStringLiteral("the ANSWER line must name one letter")});
            else
                finish(q, m.captured(1).toUpper(), result);
            q = Question{};
            continue;
        }
        if (q.text.isEmpty() && q.options.empty())
            q.line = i + 1;
        if (const QRegularExpressionMatch m = option.match(line); m.hasMatch() && !q.text.isEmpty()) {
            q.options.push_back({m.captured(1)[0], m.captured(2)});
            continue;
        }
        if (!q.options.empty())
            q.broken = true;
        else
            q.text << line;
    }
    if (!q.text.isEmpty() || !q.options.empty())
        result.skipped.push_back({q.line, QStringLiteral("the question has no ANSWER line")});
    return result;
}

} // namespace lexora
