// SPDX-FileCopyrightText: 2026 The Lexora English developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "exchange/exchangeitem.h"

#include "text/messages.h"

#include "data/itembank.h"

namespace lexora {

namespace {

enum Column { Sorszam, Sorrend, Sorrend2, Szint, Mondat, A, B, C, D, Felelet1, Felelet2, Kulcs1, Kulcs2, ColumnCount };

} // namespace

std::optional<ExchangeFormat> exchangeFormatNamed(const QString& name) {
    for (ExchangeFormat format : {ExchangeFormat::Gift, ExchangeFormat::Aiken, ExchangeFormat::MoodleXml}) {
        if (exchangeFormatName(format) == name)
            return format;
    }
    return std::nullopt;
}

QString exchangeFormatName(ExchangeFormat format) {
    switch (format) {
    case ExchangeFormat::Gift:
        return QStringLiteral("gift");
    case ExchangeFormat::Aiken:
        return QStringLiteral("aiken");
    case ExchangeFormat::MoodleXml:
        return QStringLiteral("moodle-xml");
    }
    return QString();
}

QString exchangeFormatSuffix(ExchangeFormat format) {
    switch (format) {
    case ExchangeFormat::Gift:
        return QStringLiteral("gift");
    case ExchangeFormat::Aiken:
        return QStringLiteral("txt");
    case ExchangeFormat::MoodleXml:
        return QStringLiteral("xml");
    }
    return QString();
}

std::optional<ExchangeItem> ExchangeItem::fromRow(const QStringList& row) {
    if (row.size() != ColumnCount)
        return std::nullopt;
    const QString letter = row[Felelet2].trimmed().toUpper();
    if (letter.size() != 1 || letter[0] < QLatin1Char('A') || letter[0] > QLatin1Char('D'))
        return std::nullopt;
    ExchangeItem item;
    item.number = row[Sorszam].toInt();
    item.sentence = row[Mondat];
    for (int i = 0; i < 4; ++i)
        item.answers[size_t(i)] = row[A + i];
    item.right = letter[0].unicode() - 'A';
    bool ok = false;
    item.level = row[Szint].toInt(&ok);
    if (!ok)
        item.level = 1;
    item.kulcs1 = row[Kulcs1];
    item.kulcs2 = row[Kulcs2];
    return item;
}

QStringList ExchangeItem::toRow(int sorszam, int sorrend2) const {
    QStringList row;
    row << QString::number(sorszam) << QString::number(sorszam) << QString::number(sorrend2)
        << QString::number(level) << sentence;
    for (const QString& answer : answers)
        row << answer;
    row << filledIn() << QString(QChar('A' + right)) << kulcs1 << kulcs2;
    return row;
}

QString ExchangeItem::filledIn() const {
    QString filled = sentence;
    const qsizetype at = filled.indexOf(kGap);
    if (at < 0)
        return filled;
    filled.replace(at, kGap.size(), answers[size_t(right)]);
    // An answer that opens the sentence opens it with a capital letter.
    if (filled.left(at).trimmed().isEmpty() && at < filled.size())
        filled[at] = filled[at].toUpper();
    return filled;
}

QString ExchangeItem::questionName(const QString& bank) const {
    return QStringLiteral("%1 %2").arg(bank).arg(number);
}

ItemContent ExchangeItem::content() const {
    return ItemContent{sentence, answers[0], answers[1], answers[2], answers[3], QString(QChar('A' + right))};
}

bool ExchangeItem::hasGap() const {
    return sentence.contains(kGap);
}

namespace {

QStringList filled(const QVariantList& details, int langcode) {
    QStringList out;
    for (const QVariant& detail : details) {
        switch (detail.typeId()) {
        case QMetaType::Int:
        case QMetaType::LongLong:
            out << localNumber(detail.toLongLong(), langcode);
            break;
        case QMetaType::Double:
            out << localNumber(detail.toDouble(), 1, langcode);
            break;
        default:
            out << detail.toString();
        }
    }
    return out;
}

} // namespace

QString localNumber(qint64 number, int langcode) {
    return Messages::number(number, langcode);
}

QString localNumber(double number, int decimals, int langcode) {
    return Messages::number(number, decimals, langcode);
}

ExchangeError::ExchangeError(const Translated& text, QVariantList details)
    : std::runtime_error(Messages::fill(text.in(LangCode::English), filled(details, LangCode::English)).toStdString()),
      m_text(text), m_details(std::move(details)) {}

QString ExchangeError::in(int langcode) const {
    return Messages::fill(m_text.in(langcode), filled(m_details, langcode));
}

namespace {

bool unwritable(const QString& text) {
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t c = text.at(i).unicode();
        if (c < 0x20 && c != u'\t' && c != u'\n' && c != u'\r')
            return true;
        // A carriage return stands only before a line feed: alone, readers drop it or take it for a line break.
        if (c == u'\r' && (i + 1 >= text.size() || text.at(i + 1) != QLatin1Char('\n')))
            return true;
        // U+FEFF at the start of a file is taken for its byte-order mark and dropped, so a text
        // holding it could come back without it.
        if (c == 0xFFFE || c == 0xFFFF || c == 0xFEFF)
            return true;
        if (QChar::isHighSurrogate(c)) {
            if (i + 1 >= text.size() || !text.at(i + 1).isLowSurrogate())
                return true;
            ++i;
        } else if (QChar::isLowSurrogate(c)) {
            return true;
        }
    }
    return false;
}

} // namespace

bool ExchangeItem::holdsUnwritableCharacter() const {
    if (unwritable(sentence) || unwritable(reason))
        return true;
    for (const QString& answer : answers)
        if (unwritable(answer))
            return true;
    for (const QString& text : feedback)
        if (unwritable(text))
            return true;
    return false;
}

ExchangeNote ExchangeNote::of(int line, Messages::Id message) {
    return {line, Messages::text(message, LangCode::English), message};
}

QString ExchangeNote::in(int langcode) const {
    return message ? Messages::text(*message, langcode) : text;
}

} // namespace lexora
