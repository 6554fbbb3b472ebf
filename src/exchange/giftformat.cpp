// SPDX-FileCopyrightText: 2026 The Lexora English developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "exchange/giftformat.h"

#include "data/itembank.h"
#include "exchange/categorypath.h"
#include "exchange/questiontext.h"

#include <QStringList>

#include <optional>

namespace lexora {

namespace {

const QString kSpecial = QStringLiteral("~=#{}:\\");

// The format marker a text of the file begins with ("[html]", "[moodle]", "[plain]", "[markdown]",
// in any case): its length, or 0 when it begins with none. A question text, an answer and a
// feedback may each begin with one.
qsizetype markerLength(const QString& text) {
    if (!text.startsWith(QLatin1Char('[')))
        return 0;
    const qsizetype close = text.indexOf(QLatin1Char(']'));
    static const QStringList formats{"html", "moodle", "plain", "markdown"};
    return close > 0 && formats.contains(text.mid(1, close - 1).toLower()) ? close + 1 : 0;
}

// ---------------------------------------------------------------- writing

// An item's text is plain text. One that begins with a format marker would lose it to the
// marker's meaning; an explicit [plain] before it keeps it as content.
QString guarded(const QString& text) {
    return markerLength(text.trimmed()) > 0 ? QStringLiteral("[plain]") + text : text;
}

// The answers, each wrong one with its note as its feedback after "#", and the reason as the
// question's general feedback after "####".
QString answerSet(const ExchangeItem& item) {
    QString set = QStringLiteral("{");
    for (size_t i = 0; i < item.answers.size(); ++i) {
        set += (i ? QStringLiteral(" ") : QString()) + (int(i) == item.right ? '=' : '~') +
               guarded(GiftFormat::escaped(item.answers[i]));
        const QString note = item.feedback[i].trimmed();
        if (int(i) != item.right && !note.isEmpty())
            set += QLatin1Char('#') + guarded(GiftFormat::escaped(note));
    }
    if (!item.reason.trimmed().isEmpty())
        set += QStringLiteral(" ####") + guarded(GiftFormat::escaped(item.reason.trimmed()));
    return set + QLatin1Char('}');
}

// The question text with the answer set in the gap; a gap with nothing after it, or no gap at all,
// puts the set after the text (a set at the end makes an ordinary multiple-choice question).
QString questionText(const ExchangeItem& item) {
    const qsizetype gap = item.sentence.indexOf(kGap);
    if (gap >= 0 && !item.sentence.mid(gap + kGap.size()).trimmed().isEmpty())
        return GiftFormat::escaped(item.sentence.left(gap)) + answerSet(item) +
               GiftFormat::escaped(item.sentence.mid(gap + kGap.size()));
    return GiftFormat::escaped(item.sentence) + QLatin1Char(' ') + answerSet(item);
}

// ---------------------------------------------------------------- reading

// Position of the first unescaped `c` in text from `from`, or -1.
qsizetype findUnescaped(const QString& text, QChar c, qsizetype from = 0) {
    for (qsizetype i = from; i < text.size(); ++i) {
        if (text[i] == QLatin1Char('\\'))
            ++i;
        else if (text[i] == c)
            return i;
    }
    return -1;
}

qsizetype findUnescaped(const QString& text, const QString& what, qsizetype from = 0) {
    for (qsizetype i = from; i + what.size() <= text.size(); ++i) {
        if (text[i] == QLatin1Char('\\'))
            ++i;
        else if (QStringView(text).mid(i, what.size()) == what)
            return i;
    }
    return -1;
}

QString unescaped(const QString& text) {
    QString out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == QLatin1Char('\\') && i + 1 < text.size()) {
            const QChar next = text[i + 1];
            if (kSpecial.contains(next)) {
                out += next;
                ++i;
                continue;
            }
            if (next == QLatin1Char('n')) {
                out += QLatin1Char('\n');
                ++i;
                continue;
            }
        }
        out += text[i];
    }
    return out;
}

struct Answer {
    QString text;
    QString feedback; // as written, escapes and format marker included
    bool right = false;
    bool partial = false; // a weight between 0 and 100: partial credit
};

// The answers of a multiple-choice set and its general feedback, or a reason why the set is not one.
struct AnswerSet {
    std::vector<Answer> answers;
    QString feedback; // as written, escapes and format marker included
    QString problem;
};

AnswerSet readAnswers(const QString& block) {
    AnswerSet set;
    QString body = block.trimmed();
    // The general feedback comes last, after "####"; the answers' own feedback has a single "#".
    if (const qsizetype feedback = findUnescaped(body, QStringLiteral("####")); feedback >= 0) {
        set.feedback = body.mid(feedback + 4).trimmed();
        body = body.left(feedback).trimmed();
    }
    static const QStringList truthValues{"T", "F", "TRUE", "FALSE"};
    const QString firstWord = body.section(QLatin1Char('#'), 0, 0).trimmed().toUpper();
    if (body.isEmpty()) {
        set.problem = QStringLiteral("an essay question, not a multiple-choice one");
        return set;
    }
    if (body.startsWith(QLatin1Char('#'))) {
        set.problem = QStringLiteral("a numerical question, not a multiple-choice one");
        return set;
    }
    if (truthValues.contains(firstWord)) {
        set.problem = QStringLiteral("a true/false question, not a multiple-choice one");
        return set;
    }
    if (findUnescaped(body, QStringLiteral("->")) >= 0) {
        set.problem = QStringLiteral("a matching question, not a multiple-choice one");
        return set;
    }
    // Each answer starts at an unescaped = or ~.
    std::vector<qsizetype> starts;
    for (qsizetype i = 0; i < body.size(); ++i) {
        if (body[i] == QLatin1Char('\\'))
            ++i;
        else if (body[i] == QLatin1Char('=') || body[i] == QLatin1Char('~'))
            starts.push_back(i);
    }
    if (starts.empty() || !body.left(starts.front()).trimmed().isEmpty()) {
        set.problem = QStringLiteral("the answer set cannot be read");
        return set;
    }
    bool anyWrong = false;
    for (size_t k = 0; k < starts.size(); ++k) {
        const qsizetype end = k + 1 < starts.size() ? starts[k + 1] : body.size();
        QString part = body.mid(starts[k] + 1, end - starts[k] - 1);
        Answer answer;
        answer.right = body[starts[k]] == QLatin1Char('=');
        anyWrong = anyWrong || !answer.right;
        if (part.startsWith(QLatin1Char('%'))) {
            const qsizetype close = part.indexOf(QLatin1Char('%'), 1);
            const double weight = close > 0 ? part.mid(1, close - 1).toDouble() : 0;
            part = close > 0 ? part.mid(close + 1) : part.mid(1);
            answer.right = weight >= 100;
            answer.partial = weight > 0 && weight < 100;
        }
        const qsizetype feedback = findUnescaped(part, QLatin1Char('#'));
        answer.text = unescaped(feedback >= 0 ? part.left(feedback) : part).trimmed();
        if (feedback >= 0)
            answer.feedback = part.mid(feedback + 1).trimmed();
        set.answers.push_back(answer);
    }
    if (!anyWrong)
        set.problem = QStringLiteral("a short-answer question, not a multiple-choice one");
    for (const Answer& answer : set.answers) {
        if (answer.partial && set.problem.isEmpty())
            set.problem = QStringLiteral("an answer gives partial credit; an item has one right answer");
    }
    return set;
}

// A text of the file with its format marker taken off. Question texts, answers and feedback may
// each start with one; a text without one has the format of the question text.
struct Marked {
    QString text;
    bool html = false;
};

Marked withoutMarker(const QString& text, bool inheritedHtml) {
    const QString trimmed = text.trimmed();
    const qsizetype length = markerLength(trimmed);
    if (length == 0)
        return {text, inheritedHtml};
    const QString format = trimmed.mid(1, length - 2).toLower();
    return {trimmed.mid(length), format == "html" || format == "moodle"};
}

QString plainText(const Marked& marked) {
    return marked.html ? QuestionText::fromHtml(marked.text) : marked.text;
}

// One question: its lines joined, the line it starts on and the category it stands in.
struct Chunk {
    QString text;
    int line = 0;
    CategoryPath::Meaning category;
};

void readQuestion(const Chunk& chunk, ReadResult& result) {
    QString text = chunk.text.trimmed();
    auto skip = [&](const QString& why) { result.skipped.push_back({chunk.line, why}); };
    if (text.startsWith(QStringLiteral("::"))) {
        const qsizetype close = findUnescaped(text, QStringLiteral("::"), 2);
        if (close < 0)
            return skip(QStringLiteral("the question name is not closed with ::"));
        text = text.mid(close + 2).trimmed();
    }
    const Marked question = withoutMarker(text, false);
    text = question.text;
    const bool html = question.html;
    const qsizetype open = findUnescaped(text, QLatin1Char('{'));
    if (open < 0)
        return skip(QStringLiteral("a description, not a question (it has no answers)"));
    const qsizetype close = findUnescaped(text, QLatin1Char('}'), open + 1);
    if (close < 0)
        return skip(QStringLiteral("the answer set is not closed with }"));
    const QString after = text.mid(close + 1);
    if (findUnescaped(after, QLatin1Char('{')) >= 0)
        return skip(QStringLiteral("more than one answer set; an item has one gap"));
    const AnswerSet set = readAnswers(text.mid(open + 1, close - open - 1));
    if (!set.problem.isEmpty())
        return skip(set.problem);
    int rights = 0;
    for (const Answer& answer : set.answers)
        rights += answer.right;
    if (const auto problem = QuestionText::choiceProblem(int(set.answers.size()), rights))
        return skip(*problem);

    ExchangeItem item;
    // The gap goes in before HTML is read, so that the blanks around it stay where they are.
    const QString before = unescaped(text.left(open));
    const QString sentence = after.trimmed().isEmpty() ? before : before + kGap + unescaped(after);
    item.sentence = html ? QuestionText::fromHtml(sentence) : sentence;
    for (size_t i = 0; i < 4; ++i) {
        item.answers[i] = plainText(withoutMarker(set.answers[i].text, html));
        item.feedback[i] = plainText(withoutMarker(unescaped(set.answers[i].feedback), html));
        if (set.answers[i].right)
            item.right = int(i);
    }
    item.reason = plainText(withoutMarker(unescaped(set.feedback), html));
    CategoryPath::apply(chunk.category, item);
    QuestionText::take(result, chunk.line, std::move(item), chunk.category);
}

bool isComment(const QString& line) {
    return line.trimmed().startsWith(QStringLiteral("//"));
}

} // namespace

QString GiftFormat::escaped(const QString& text) {
    QString out;
    out.reserve(text.size() + 8);
    for (const QChar c : text) {
        if (kSpecial.contains(c))
            out += QLatin1Char('\\');
        if (c == QLatin1Char('\n'))
            out += QStringLiteral("\\n");
        else if (c != QLatin1Char('\r'))
            out += c;
    }
    return out;
}

QString GiftFormat::write(const std::vector<ExchangeItem>& items, int langcode, const QString& bank) {
    QString out;
    out.reserve(int(items.size()) * 160);
    QString category;
    for (const ExchangeItem& item : items) {
        const QString itemCategory = CategoryPath::of(item, langcode);
        if (itemCategory != category) {
            category = itemCategory;
            out += QStringLiteral("$CATEGORY: ") + category + QStringLiteral("\n\n");
        }
        out += QStringLiteral("// item %1, level %2\n").arg(item.number).arg(item.level);
        out += QStringLiteral("::") + escaped(item.questionName(bank)) + QStringLiteral("::") +
               guarded(questionText(item)) + QStringLiteral("\n\n");
    }
    return out;
}

ReadResult GiftFormat::read(const QString& text) {
    ReadResult result;
    const QStringList lines = text.split(QLatin1Char('\n'));
    CategoryPath::Meaning category; // read once where the category changes
    Chunk chunk;
    auto flush = [&] {
        if (!chunk.text.trimmed().isEmpty())
            readQuestion(chunk, result);
        chunk = Chunk{};
    };
    for (int i = 0; i < lines.size(); ++i) {
        const QString line = lines[i].endsWith(QLatin1Char('\r')) ? lines[i].chopped(1) : lines[i];
        if (line.trimmed().isEmpty()) {
            flush();
            continue;
        }
        if (isComment(line))
            continue;
        if (chunk.text.isEmpty() && line.trimmed().startsWith(QStringLiteral("$CATEGORY:"))) {
            category = CategoryPath::read(line.trimmed().mid(10).trimmed());
            continue;
        }
        if (chunk.text.isEmpty()) {
            chunk.line = i + 1;
            chunk.category = category;
        }
        chunk.text += line + QLatin1Char('\n');
    }
    flush();
    return result;
}

} // namespace lexora
