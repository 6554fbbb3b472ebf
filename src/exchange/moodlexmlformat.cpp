// SPDX-FileCopyrightText: 2026 The Lexora English developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "exchange/moodlexmlformat.h"

#include "exchange/exchangetexts.h"
#include "exchange/categorypath.h"
#include "exchange/questiontext.h"

#include <QStringList>
#include <QXmlStreamReader>
#include <QXmlStreamWriter>

namespace lexora {

namespace {

// ---------------------------------------------------------------- writing

void writeText(QXmlStreamWriter& xml, const QString& element, const QString& text, const QString& format = {}) {
    xml.writeStartElement(element);
    if (!format.isEmpty())
        xml.writeAttribute(QStringLiteral("format"), format);
    xml.writeTextElement(QStringLiteral("text"), text);
    xml.writeEndElement();
}

void writeCategory(QXmlStreamWriter& xml, const QString& path) {
    xml.writeStartElement(QStringLiteral("question"));
    xml.writeAttribute(QStringLiteral("type"), QStringLiteral("category"));
    writeText(xml, QStringLiteral("category"), path);
    xml.writeEndElement();
}

void writeQuestion(QXmlStreamWriter& xml, const ExchangeItem& item, const QString& bank) {
    const QString html = QStringLiteral("html");
    xml.writeStartElement(QStringLiteral("question"));
    xml.writeAttribute(QStringLiteral("type"), QStringLiteral("multichoice"));
    writeText(xml, QStringLiteral("name"), item.questionName(bank));
    writeText(xml, QStringLiteral("questiontext"),
              QStringLiteral("<p>%1</p>").arg(QuestionText::toHtml(item.sentence)), html);
    const QString reason = item.reason.trimmed();
    writeText(xml, QStringLiteral("generalfeedback"),
              reason.isEmpty() ? QString() : QStringLiteral("<p>%1</p>").arg(QuestionText::toHtml(reason)), html);
    xml.writeTextElement(QStringLiteral("defaultgrade"), QStringLiteral("1.0000000"));
    xml.writeTextElement(QStringLiteral("penalty"), QStringLiteral("0.3333333"));
    xml.writeTextElement(QStringLiteral("hidden"), QStringLiteral("0"));
    xml.writeTextElement(QStringLiteral("single"), QStringLiteral("true"));
    xml.writeTextElement(QStringLiteral("shuffleanswers"), QStringLiteral("true"));
    xml.writeTextElement(QStringLiteral("answernumbering"), QStringLiteral("ABCD"));
    for (size_t i = 0; i < item.answers.size(); ++i) {
        xml.writeStartElement(QStringLiteral("answer"));
        xml.writeAttribute(QStringLiteral("fraction"), int(i) == item.right ? QStringLiteral("100") : QStringLiteral("0"));
        xml.writeAttribute(QStringLiteral("format"), html);
        xml.writeTextElement(QStringLiteral("text"), QuestionText::toHtml(item.answers[i]));
        // A wrong answer's note is its feedback, shown to whoever chooses it.
        const QString note = item.feedback[i].trimmed();
        if (int(i) != item.right && !note.isEmpty())
            writeText(xml, QStringLiteral("feedback"), QStringLiteral("<p>%1</p>").arg(QuestionText::toHtml(note)),
                      html);
        xml.writeEndElement();
    }
    xml.writeEndElement();
}

// ---------------------------------------------------------------- reading

struct XmlAnswer {
    double fraction = 0;
    QString format;
    QString text;
    QString feedback;
    QString feedbackFormat;
};

// The parts of one <question> element the reader looks at.
struct XmlQuestion {
    int line = 0;
    QString type;
    QString category;
    QString text;
    QString textFormat;
    QString feedback;
    QString feedbackFormat;
    QString single = QStringLiteral("true");
    std::vector<XmlAnswer> answers;
};

// Texts are HTML unless their format says they are plain or markdown.
QString plainText(const QString& text, const QString& format) {
    return format == QLatin1String("plain_text") || format == QLatin1String("markdown") ? text
                                                                                        : QuestionText::fromHtml(text);
}

XmlQuestion readQuestionElement(QXmlStreamReader& xml) {
    XmlQuestion q;
    q.line = int(xml.lineNumber());
    q.type = xml.attributes().value(QStringLiteral("type")).toString();
    QStringList path; // elements open inside <question>
    while (!xml.atEnd()) {
        const QXmlStreamReader::TokenType token = xml.readNext();
        if (token == QXmlStreamReader::EndElement) {
            if (path.isEmpty())
                break;
            path.removeLast();
            continue;
        }
        if (token != QXmlStreamReader::StartElement)
            continue;
        const QString name = xml.name().toString();
        if (path.size() == 0 && name == QLatin1String("answer")) {
            XmlAnswer answer;
            answer.fraction = xml.attributes().value(QStringLiteral("fraction")).toDouble();
            answer.format = xml.attributes().value(QStringLiteral("format")).toString();
            q.answers.push_back(answer);
        }
        if (path.size() == 1 && path[0] == QLatin1String("answer") && name == QLatin1String("feedback") &&
            !q.answers.empty())
            q.answers.back().feedbackFormat = xml.attributes().value(QStringLiteral("format")).toString();
        if (path.size() == 2 && path[0] == QLatin1String("answer") && path[1] == QLatin1String("feedback") &&
            name == QLatin1String("text")) {
            const QString text = xml.readElementText(QXmlStreamReader::IncludeChildElements);
            if (!q.answers.empty())
                q.answers.back().feedback = text;
            continue;
        }
        if (path.size() == 0 && name == QLatin1String("questiontext"))
            q.textFormat = xml.attributes().value(QStringLiteral("format")).toString();
        if (path.size() == 0 && name == QLatin1String("generalfeedback"))
            q.feedbackFormat = xml.attributes().value(QStringLiteral("format")).toString();
        if (path.size() == 0 && name == QLatin1String("single")) {
            q.single = xml.readElementText(QXmlStreamReader::IncludeChildElements).trimmed().toLower();
            continue;
        }
        if (path.size() == 1 && name == QLatin1String("text")) {
            const QString text = xml.readElementText(QXmlStreamReader::IncludeChildElements);
            if (path[0] == QLatin1String("questiontext"))
                q.text = text;
            else if (path[0] == QLatin1String("generalfeedback"))
                q.feedback = text;
            else if (path[0] == QLatin1String("category"))
                q.category = text.trimmed();
            else if (path[0] == QLatin1String("answer") && !q.answers.empty())
                q.answers.back().text = text;
            continue;
        }
        path << name;
    }
    return q;
}

void readMultichoice(const XmlQuestion& q, const CategoryPath::Meaning& category, ReadResult& result) {
    auto skip = [&](const QString& why) { result.skipped.push_back({q.line, why}); };
    if (q.single == QLatin1String("false") || q.single == QLatin1String("0"))
        return skip(QStringLiteral("a multiple-choice question that allows several answers"));
    int rights = 0;
    int right = 0;
    for (size_t i = 0; i < q.answers.size(); ++i) {
        const double fraction = q.answers[i].fraction;
        if (fraction > 0 && fraction < 100)
            return skip(QStringLiteral("an answer gives partial credit; an item has one right answer"));
        if (fraction >= 100) {
            ++rights;
            right = int(i);
        }
    }
    if (const auto problem = QuestionText::choiceProblem(int(q.answers.size()), rights))
        return skip(*problem);
    ExchangeItem item;
    item.sentence = plainText(q.text, q.textFormat);
    for (size_t i = 0; i < 4; ++i) {
        item.answers[i] = plainText(q.answers[i].text, q.answers[i].format);
        item.feedback[i] = plainText(q.answers[i].feedback, q.answers[i].feedbackFormat);
    }
    item.right = right;
    item.reason = plainText(q.feedback, q.feedbackFormat);
    CategoryPath::apply(category, item);
    QuestionText::take(result, q.line, std::move(item), category);
}

} // namespace

QByteArray MoodleXmlFormat::write(const std::vector<ExchangeItem>& items, int langcode, const QString& bank) {
    QByteArray out;
    out.reserve(int(items.size()) * 900);
    QXmlStreamWriter xml(&out);
    xml.setAutoFormatting(true);
    xml.setAutoFormattingIndent(1);
    xml.writeStartDocument();
    xml.writeStartElement(QStringLiteral("quiz"));
    QString category;
    for (const ExchangeItem& item : items) {
        const QString itemCategory = CategoryPath::of(item, langcode);
        if (itemCategory != category) {
            category = itemCategory;
            writeCategory(xml, category);
        }
        writeQuestion(xml, item, bank);
    }
    xml.writeEndElement();
    xml.writeEndDocument();
    return out;
}

ReadResult MoodleXmlFormat::read(const QByteArray& bytes, const QString& path) {
    ReadResult result;
    QXmlStreamReader xml(bytes);
    bool sawQuiz = false;
    CategoryPath::Meaning category;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (!sawQuiz) {
            if (xml.name() != QLatin1String("quiz"))
                throw ExchangeError(exchangetext::notQuiz, {path, xml.name().toString()});
            sawQuiz = true;
            continue;
        }
        if (xml.name() != QLatin1String("question")) {
            xml.skipCurrentElement();
            continue;
        }
        const XmlQuestion q = readQuestionElement(xml);
        if (q.type == QLatin1String("category"))
            category = CategoryPath::read(q.category);
        else if (q.type == QLatin1String("multichoice"))
            readMultichoice(q, category, result);
        else
            result.skipped.push_back(
                {q.line, QStringLiteral("a question of type \"%1\", not a multiple-choice one").arg(q.type)});
    }
    if (xml.hasError())
        throw ExchangeError(exchangetext::badXml, {path, xml.errorString(), xml.lineNumber(),
                                                   xml.columnNumber()});
    if (!sawQuiz)
        throw ExchangeError(exchangetext::noQuiz, {path});
    return result;
}

} // namespace lexora
