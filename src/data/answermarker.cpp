// SPDX-FileCopyrightText: 2026 The Lexora English developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "data/answermarker.h"

#include <QSet>

#include <algorithm>
#include <vector>

namespace lexora {

namespace {

const QString kGap = QStringLiteral("......");

bool isApostrophe(QChar c) {
    switch (c.unicode()) {
    case 0x2019: // right single quotation mark, what word processors type
    case 0x2018:
    case 0x02BC: // modifier letter apostrophe
    case 0x0060: // grave accent and acute accent, typed for want of an apostrophe key
    case 0x00B4:
    case 0x2032: // prime
        return true;
    default:
        return false;
    }
}

bool isOuterPunctuation(QChar c) {
    return QStringLiteral(".,;:!?\"\u201C\u201D").contains(c);
}

QString fold(const QString& text) {
    QString folded = text.normalized(QString::NormalizationForm_C).toCaseFolded();
    for (QChar& c : folded)
        if (isApostrophe(c))
            c = QLatin1Char('\'');
    folded = folded.simplified();
    // A full stop or question mark copied from the sentence around the gap is no part of the answer.
    while (!folded.isEmpty() && isOuterPunctuation(folded.back()))
        folded.chop(1);
    while (!folded.isEmpty() && isOuterPunctuation(folded.front()))
        folded.remove(0, 1);
    return folded.trimmed();
}

QStringList wordsOf(const QString& folded) {
    return folded.split(QLatin1Char(' '), Qt::SkipEmptyParts);
}

// The contractions written out, only where the full form is certain. A negative auxiliary
// before its subject ("didn't you", "aren't I", "Why didn't you") has no full form in that
// place; "'d" is "had" or "would" and is written out only before a word that decides it; "'s"
// (is, has, or a possessive) is never written out.
const QSet<QString> kSubjects{"i", "you", "he", "she", "it", "we", "they", "there"};
const QSet<QString> kNegatable{"do",  "does", "did",   "is",    "are",    "was",  "were", "have",
                               "has", "had",  "would", "could", "should", "must", "need", "might"};
const QSet<QString> kHadBefore{"better", "been"};
const QSet<QString> kWouldBefore{"like", "love", "prefer", "rather", "be", "have"};

QStringList writtenOut(const QString& word, const QString& next) {
    if (word == QLatin1String("cannot"))
        return {QStringLiteral("can"), QStringLiteral("not")};
    if (word == QLatin1String("let's"))
        return {QStringLiteral("let"), QStringLiteral("us")};
    if (word.endsWith(QLatin1String("n't"))) {
        if (kSubjects.contains(next))
            return {word};
        const QString stem = word.chopped(3);
        if (stem == QLatin1String("ca"))
            return {QStringLiteral("can"), QStringLiteral("not")};
        if (stem == QLatin1String("wo"))
            return {QStringLiteral("will"), QStringLiteral("not")};
        if (stem == QLatin1String("sha"))
            return {QStringLiteral("shall"), QStringLiteral("not")};
        if (kNegatable.contains(stem))
            return {stem, QStringLiteral("not")};
        return {word};
    }
    const qsizetype mark = word.indexOf(QLatin1Char('\''));
    if (mark <= 0)
        return {word};
    const QString subject = word.left(mark);
    const QString ending = word.mid(mark);
    if (ending == QLatin1String("'m") && subject == QLatin1String("i"))
        return {subject, QStringLiteral("am")};
    if (ending == QLatin1String("'re") && (subject == "you" || subject == "we" || subject == "they"))
        return {subject, QStringLiteral("are")};
    if (ending == QLatin1String("'ve") &&
        (subject == "i" || subject == "you" || subject == "we" || subject == "they" || subject == "could" ||
         subject == "would" || subject == "should" || subject == "might" || subject == "must"))
        return {subject, QStringLiteral("have")};
    if (ending == QLatin1String("'ll") && kSubjects.contains(subject) && subject != QLatin1String("there"))
        return {subject, QStringLiteral("will")};
    if (ending == QLatin1String("'d") && kSubjects.contains(subject) && subject != QLatin1String("there")) {
        if (kHadBefore.contains(next))
            return {subject, QStringLiteral("had")};
        if (kWouldBefore.contains(next))
            return {subject, QStringLiteral("would")};
    }
    return {word};
}

QStringList writtenOut(const QStringList& words, const QString& wordAfterGap) {
    QStringList out;
    for (qsizetype i = 0; i < words.size(); ++i)
        out << writtenOut(words[i], i + 1 < words.size() ? words[i + 1] : wordAfterGap);
    return out;
}

QString firstWordAfterGap(const QString& sentence) {
    const qsizetype gap = sentence.indexOf(kGap);
    if (gap < 0)
        return QString();
    const QStringList after = wordsOf(fold(sentence.mid(gap + kGap.size()).remove(QLatin1Char('.'))));
    if (after.isEmpty())
        return QString();
    QString word = after.first();
    while (!word.isEmpty() && !word.back().isLetter())
        word.chop(1);
    return word;
}

int letters(const QString& word) {
    return int(std::count_if(word.begin(), word.end(), [](QChar c) { return c.isLetter(); }));
}

// True when `a` becomes `b` by one wrong, missing, extra or swapped (neighbouring) character.
bool oneSlipApart(const QString& a, const QString& b) {
    const qsizetype n = a.size(), m = b.size();
    if (std::abs(n - m) > 1 || a == b)
        return false;
    qsizetype i = 0;
    while (i < std::min(n, m) && a[i] == b[i])
        ++i;
    if (n == m) {
        if (a.mid(i + 1) == b.mid(i + 1))
            return true; // one wrong letter
        return i + 1 < n && a[i] == b[i + 1] && a[i + 1] == b[i] && a.mid(i + 2) == b.mid(i + 2);
    }
    return n > m ? a.mid(i + 1) == b.mid(i) : a.mid(i) == b.mid(i + 1);
}

// One slip in one word of four or more letters, every other word as it stands.
bool oneSlipInOneWord(const QStringList& written, const QStringList& right) {
    if (written.size() != right.size())
        return false;
    int slips = 0;
    for (qsizetype i = 0; i < right.size(); ++i) {
        if (written[i] == right[i])
            continue;
        if (++slips > 1 || letters(right[i]) < 4 || !oneSlipApart(written[i], right[i]))
            return false;
    }
    return slips == 1;
}

} // namespace

AnswerMarker::AnswerMarker(const ItemContent& item)
    : m_answers{item.a.trimmed(), item.b.trimmed(), item.c.trimmed(), item.d.trimmed()} {
    // As with a choice, only a capital letter A to D names the right answer.
    const QString key = item.key.trimmed();
    if (key.size() == 1 && key[0] >= QLatin1Char('A') && key[0] <= QLatin1Char('D'))
        m_keyIndex = key[0].unicode() - 'A';
    m_wordAfterGap = firstWordAfterGap(item.sentence);
    for (size_t i = 0; i < 4; ++i)
        m_forms[i] = formOf(m_answers[i]);
    // An item that sets a contraction against its full form wants the one its key gives.
    if (m_keyIndex >= 0)
        for (int i = 0; i < 4; ++i)
            if (i != m_keyIndex && !m_forms[size_t(i)].words.isEmpty() &&
                m_forms[size_t(i)].expanded == m_forms[size_t(m_keyIndex)].expanded)
                m_keyTakesFullForms = false;
}

QString AnswerMarker::keyText() const {
    return m_keyIndex >= 0 ? m_answers[size_t(m_keyIndex)] : QString();
}

QString AnswerMarker::clean(const QString& typed) {
    QString cleaned;
    cleaned.reserve(std::min<qsizetype>(typed.size(), kMaxLength));
    for (QChar c : typed) {
        if (cleaned.size() >= kMaxLength)
            break;
        if (c == QLatin1Char('\n') || c == QLatin1Char('\r') || c == QLatin1Char('\t') || c == QChar::LineSeparator ||
            c == QChar::ParagraphSeparator)
            cleaned += QLatin1Char(' ');
        else if (c.category() != QChar::Other_Control && c.category() != QChar::Other_Format)
            cleaned += c;
    }
    // A pair of surrogates cut in two by the limit would be no character at all.
    if (!cleaned.isEmpty() && cleaned.back().isHighSurrogate())
        cleaned.chop(1);
    return cleaned;
}

AnswerMarker::Form AnswerMarker::formOf(const QString& text) const {
    Form form;
    form.words = wordsOf(fold(text));
    form.expanded = writtenOut(form.words, m_wordAfterGap);
    return form;
}

bool AnswerMarker::sameAnswer(const Form& written, int option) const {
    const Form& answer = m_forms[size_t(option)];
    if (answer.words.isEmpty())
        return false;
    if (written.words == answer.words)
        return true;
    const bool fullForms = option != m_keyIndex || m_keyTakesFullForms;
    return fullForms && written.expanded == answer.expanded;
}

bool AnswerMarker::nearly(const Form& written, int option) const {
    const Form& answer = m_forms[size_t(option)];
    return oneSlipInOneWord(written.words, answer.words) ||
           (m_keyTakesFullForms && oneSlipInOneWord(written.expanded, answer.expanded));
}

AnswerMarker::Mark AnswerMarker::mark(const QString& written) const {
    try {
        return judge(written);
    } catch (...) {
        // Nothing here should fail; if it ever did, the answer is simply not right.
        return Mark{Verdict::Wrong, -1, QString()};
    }
}

AnswerMarker::Mark AnswerMarker::judge(const QString& text) const {
    Mark result;
    result.written = clean(text);
    const Form written = formOf(result.written);
    if (written.words.isEmpty())
        return result;
    // The very text of an answer first, then the same answer in other words.
    for (int i = 0; i < 4 && result.option < 0; ++i)
        if (!m_forms[size_t(i)].words.isEmpty() && written.words == m_forms[size_t(i)].words)
            result.option = i;
    for (int i = 0; i < 4 && result.option < 0; ++i)
        if (sameAnswer(written, i))
            result.option = i;
    if (result.option >= 0) {
        result.verdict = result.option == m_keyIndex ? Verdict::Right : Verdict::Wrong;
        return result;
    }
    result.verdict = Verdict::Wrong;
    if (m_keyIndex < 0 || !nearly(written, m_keyIndex))
        return result;
    // A slip that could as well be one of the wrong answers is not a slip of spelling.
    for (int i = 0; i < 4; ++i)
        if (i != m_keyIndex && nearly(written, i))
            return result;
    result.verdict = Verdict::Nearly;
    return result;
}

} // namespace lexora
