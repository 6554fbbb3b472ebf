// SPDX-FileCopyrightText: 2026 The Lexora English developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "exchange/questiontext.h"

#include "data/itembank.h"
#include "exchange/exchangeitem.h"

#include <QRegularExpression>

namespace lexora::QuestionText {

namespace {

QString decodedReference(const QString& name) {
    static const struct {
        const char* name;
        char16_t character;
    } named[] = {{"amp", u'&'}, {"lt", u'<'}, {"gt", u'>'}, {"quot", u'"'}, {"apos", u'\''}, {"nbsp", u' '}};
    if (name.startsWith(QLatin1Char('#'))) {
        bool ok = false;
        const uint code = name.startsWith(QStringLiteral("#x"), Qt::CaseInsensitive) ? name.mid(2).toUInt(&ok, 16)
                                                                                     : name.mid(1).toUInt(&ok, 10);
        if (ok && code > 0 && code <= 0x10FFFF && !(code >= 0xD800 && code <= 0xDFFF)) {
            const char32_t c = code;
            return QString::fromUcs4(&c, 1);
        }
        return QString();
    }
    for (const auto& entry : named) {
        if (name == QLatin1String(entry.name))
            return QString(QChar(entry.character));
    }
    return QStringLiteral("&%1;").arg(name);
}

} // namespace

QString fromHtml(const QString& html) {
    if (!html.contains(QLatin1Char('<')) && !html.contains(QLatin1Char('&')))
        return html.simplified();
    // One pass: tags are dropped (those that end a line leave a blank), references decoded.
    QString text;
    text.reserve(html.size());
    for (qsizetype i = 0; i < html.size(); ++i) {
        const QChar c = html[i];
        if (c == QLatin1Char('<')) {
            const qsizetype close = html.indexOf(QLatin1Char('>'), i + 1);
            if (close < 0) {
                text += html.mid(i);
                break;
            }
            const QString tag = html.mid(i + 1, close - i - 1).trimmed().toLower();
            if (tag.startsWith(QStringLiteral("br")) || tag.startsWith(QStringLiteral("/p")) ||
                tag.startsWith(QStringLiteral("/div")))
                text += QLatin1Char(' ');
            i = close;
        } else if (c == QLatin1Char('&')) {
            const qsizetype semicolon = html.indexOf(QLatin1Char(';'), i + 1);
            if (semicolon > i + 1 && semicolon - i <= 10) {
                text += decodedReference(html.mid(i + 1, semicolon - i - 1));
                i = semicolon;
            } else {
                text += c;
            }
        } else {
            text += c;
        }
    }
    return text.simplified();
}

QString toHtml(const QString& text) {
    return text.toHtmlEscaped();
}

QString withGap(const QString& sentence) {
    static const QRegularExpression blank(QStringLiteral("_{3,}"));
    if (sentence.contains(kGap))
        return sentence;
    QString out = sentence;
    const QRegularExpressionMatch match = blank.match(out);
    if (match.hasMatch())
        out.replace(match.capturedStart(), match.capturedLength(), kGap);
    return out;
}

std::optional<QString> choiceProblem(int options, int rights) {
    if (rights == 0)
        return QStringLiteral("no answer is marked right");
    if (rights > 1)
        return QStringLiteral("%1 answers are right; an item has one right answer").arg(rights);
    if (options != 4)
        return QStringLiteral("%1 answers; an item has four").arg(options);
    return std::nullopt;
}

void take(ReadResult& result, int line, ExchangeItem item, const CategoryPath::Meaning& category) {
    for (size_t i = 0; i < item.answers.size(); ++i) {
        item.answers[i] = item.answers[i].trimmed();
        if (item.answers[i].isEmpty()) {
            result.skipped.push_back({line, QStringLiteral("answer %1 is empty").arg(QChar('A' + int(i)))});
            return;
        }
    }
    item.sentence = withGap(item.sentence.trimmed());
    item.reason = item.reason.trimmed();
    for (size_t i = 0; i < item.feedback.size(); ++i)
        item.feedback[i] = int(i) == item.right ? QString() : item.feedback[i].trimmed();
    if (item.sentence.isEmpty()) {
        result.skipped.push_back({line, QStringLiteral("the question has no text")});
        return;
    }
    if (!item.hasGap())
        result.notes.push_back({line, QStringLiteral("the question has no gap (%1); its text was kept as it is").arg(kGap)});
    result.items.push_back({line, std::move(item), category});
}

} // namespace lexora::QuestionText
