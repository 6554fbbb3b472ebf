// SPDX-FileCopyrightText: 2026 The Lexora English developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "data/criteria.h"

#include "data/storeerror.h"

#include <algorithm>

namespace lexora {

namespace {

enum class Truth { False, True, Unknown };

Truth truthAnd(Truth a, Truth b) {
    if (a == Truth::False || b == Truth::False)
        return Truth::False;
    if (a == Truth::Unknown || b == Truth::Unknown)
        return Truth::Unknown;
    return Truth::True;
}

Truth truthOr(Truth a, Truth b) {
    if (a == Truth::True || b == Truth::True)
        return Truth::True;
    if (a == Truth::Unknown || b == Truth::Unknown)
        return Truth::Unknown;
    return Truth::False;
}

Truth truthNot(Truth a) {
    if (a == Truth::Unknown)
        return a;
    return a == Truth::True ? Truth::False : Truth::True;
}

enum class Op { Eq, Ne, Lt, Le, Gt, Ge, Like, NotLike, IsNull, IsNotNull };

struct Token {
    enum Kind { Word, Number, Text, Symbol, End } kind = End;
    QString text;
    int pos = 0;
};

bool isEmptyValue(const QVariant& v) {
    return v.isNull() || (v.typeId() == QMetaType::QString && v.toString().isEmpty());
}

// One UTF-16 unit folded for a comparison without regard to case. ASCII letters are folded inline:
// a Like over the whole item table folds every character it reads, and a lookup in the Unicode
// tables for each of them made such a search several times slower.
char16_t folded(char16_t c) {
    if (c < 128)
        return (c >= u'A' && c <= u'Z') ? char16_t(c + 32) : c;
    return char16_t(QChar::toCaseFolded(char32_t(c)));
}

// Whether `text` holds the folded `part` at `at` (which must leave room for it).
bool foldedAt(QStringView text, qsizetype at, QStringView part) {
    for (qsizetype i = 0; i < part.size(); ++i) {
        if (folded(text[at + i].unicode()) != part[i].unicode())
            return false;
    }
    return true;
}

// First position at or after `from` where `text` holds the folded `part`, or -1.
qsizetype indexOfFolded(QStringView text, QStringView part, qsizetype from) {
    const char16_t first = part[0].unicode();
    for (qsizetype at = from; at + part.size() <= text.size(); ++at) {
        if (folded(text[at].unicode()) == first && foldedAt(text, at + 1, part.mid(1)))
            return at;
    }
    return -1;
}

// UTF-16 units of the character at `at`: two for a character outside the basic plane.
qsizetype charSize(QStringView text, qsizetype at) {
    return (text[at].isHighSurrogate() && at + 1 < text.size() && text[at + 1].isLowSurrogate()) ? 2 : 1;
}

// A Like pattern. Patterns made only of texts and "*" (the usual "*word*") are matched
// with plain searches on folded texts; those with "?" or "#" by a walk over pattern and text.
class LikeMatcher {
public:
    LikeMatcher() = default;
    explicit LikeMatcher(const QString& pattern) {
        if (pattern.contains('?') || pattern.contains('#')) {
            m_pattern = pattern;
            for (QChar& c : m_pattern)
                c = QChar(folded(c.unicode()));
            m_simple = false;
        } else {
            for (QString part : pattern.split('*')) {
                for (QChar& c : part)
                    c = QChar(folded(c.unicode()));
                m_parts.push_back(part);
            }
        }
    }

    bool matches(const QString& text) const {
        if (!m_simple)
            return wildcardMatch(m_pattern, text);
        const QString& head = m_parts.front();
        if (m_parts.size() == 1)
            return text.size() == head.size() && foldedAt(text, 0, head);
        const QString& tail = m_parts.back();
        if (text.size() < head.size() + tail.size() || !foldedAt(text, 0, head) ||
            !foldedAt(text, text.size() - tail.size(), tail))
            return false;
        qsizetype at = head.size();
        const QStringView middle = QStringView(text).left(text.size() - tail.size());
        for (qsizetype i = 1; i + 1 < m_parts.size(); ++i) {
            const QString& part = m_parts[i];
            if (part.isEmpty())
                continue;
            at = indexOfFolded(middle, part, at);
            if (at < 0)
                return false;
            at += part.size();
        }
        return true;
    }

private:
    // On a mismatch only the last "*" takes one more character and the rest is tried again:
    // whatever an earlier "*" could take instead, the last one can take as well. So the time
    // grows at worst with the product of the two lengths, never exponentially with the stars.
    static bool wildcardMatch(QStringView pattern, QStringView text) {
        qsizetype p = 0, t = 0, afterStar = -1, starFrom = 0;
        while (t < text.size()) {
            if (p < pattern.size() && pattern[p] == u'*') {
                afterStar = ++p;
                starFrom = t;
                continue;
            }
            if (p < pattern.size()) {
                const QChar c = pattern[p];
                qsizetype step = 0;
                if (c == u'?')
                    step = charSize(text, t);
                else if (c == u'#')
                    step = (text[t] >= u'0' && text[t] <= u'9') ? 1 : 0;
                else
                    step = folded(text[t].unicode()) == c.unicode() ? 1 : 0;
                if (step > 0) {
                    ++p;
                    t += step;
                    continue;
                }
            }
            if (afterStar < 0)
                return false;
            p = afterStar;
            starFrom += charSize(text, starFrom);
            t = starFrom;
        }
        while (p < pattern.size() && pattern[p] == u'*')
            ++p;
        return p == pattern.size();
    }

    bool m_simple = true;
    QStringList m_parts;
    QString m_pattern; // folded, for the walk
};

} // namespace

struct Criterion::Node {
    enum Kind { And, Or, Not, Compare } kind = Compare;
    std::shared_ptr<const Node> left, right;
    int column = -1;
    Op op = Op::Eq;
    bool literalIsNumber = false;
    double number = 0;
    QString text;
    LikeMatcher pattern;

    Truth eval(const CellReader& cells) const {
        switch (kind) {
        case And:
            return truthAnd(left->eval(cells), right->eval(cells));
        case Or:
            return truthOr(left->eval(cells), right->eval(cells));
        case Not:
            return truthNot(left->eval(cells));
        case Compare:
            return compare(cells.cell(column));
        }
        return Truth::Unknown;
    }

    Truth compare(const QVariant& value) const {
        const bool empty = isEmptyValue(value);
        if (op == Op::IsNull)
            return empty ? Truth::True : Truth::False;
        if (op == Op::IsNotNull)
            return empty ? Truth::False : Truth::True;
        if (empty)
            return Truth::Unknown;
        if (op == Op::Like || op == Op::NotLike) {
            const bool hit = pattern.matches(value.toString());
            return (hit == (op == Op::Like)) ? Truth::True : Truth::False;
        }
        int order = 0;
        bool numeric = false;
        if (literalIsNumber && value.typeId() == QMetaType::LongLong) {
            const double v = double(value.toLongLong());
            numeric = true;
            order = v < number ? -1 : (v > number ? 1 : 0);
        } else if (literalIsNumber) {
            const double v = value.toString().toDouble(&numeric);
            if (numeric)
                order = v < number ? -1 : (v > number ? 1 : 0);
        }
        if (!numeric)
            order = value.toString().compare(text, Qt::CaseInsensitive);
        bool result = false;
        switch (op) {
        case Op::Eq: result = order == 0; break;
        case Op::Ne: result = order != 0; break;
        case Op::Lt: result = order < 0; break;
        case Op::Le: result = order <= 0; break;
        case Op::Gt: result = order > 0; break;
        case Op::Ge: result = order >= 0; break;
        default: break;
        }
        return result ? Truth::True : Truth::False;
    }
};

namespace {

using NodePtr = std::shared_ptr<Criterion::Node>;

[[noreturn]] void fail(StoreError::Reason reason, QStringList details = {}) {
    throw StoreError(StoreError::Kind::BadCriterion, reason, std::move(details));
}

class Lexer {
public:
    explicit Lexer(const QString& text) : m_text(text) {}

    std::vector<Token> tokens() {
        std::vector<Token> out;
        while (true) {
            skipBlanks();
            Token t;
            t.pos = m_i;
            if (m_i >= m_text.size()) {
                out.push_back(t);
                return out;
            }
            const QChar c = m_text[m_i];
            if (c.isLetter() || c == '_')
                t = word();
            else if (c == '[')
                t = bracketedName();
            else if (c.isDigit() || (c == '-' && peekDigit()) || (c == '.' && peekDigit()))
                t = number();
            else if (c == '\'' || c == '"')
                t = quoted(c);
            else
                t = symbol();
            out.push_back(t);
        }
    }

private:
    void skipBlanks() {
        while (m_i < m_text.size() && m_text[m_i].isSpace())
            ++m_i;
    }
    bool peekDigit() const { return m_i + 1 < m_text.size() && m_text[m_i + 1].isDigit(); }

    Token word() {
        Token t{Token::Word, {}, int(m_i)};
        while (m_i < m_text.size() && (m_text[m_i].isLetterOrNumber() || m_text[m_i] == '_'))
            t.text += m_text[m_i++];
        return t;
    }
    Token bracketedName() {
        Token t{Token::Word, {}, int(m_i)};
        const qsizetype close = m_text.indexOf(']', m_i);
        if (close < 0)
            fail(StoreError::Reason::UnclosedBracket);
        t.text = m_text.mid(m_i + 1, close - m_i - 1).trimmed();
        m_i = close + 1;
        return t;
    }
    Token number() {
        Token t{Token::Number, {}, int(m_i)};
        if (m_text[m_i] == '-')
            t.text += m_text[m_i++];
        while (m_i < m_text.size() && (m_text[m_i].isDigit() || m_text[m_i] == '.'))
            t.text += m_text[m_i++];
        if (m_i < m_text.size() && (m_text[m_i].isLetter() || m_text[m_i] == '_'))
            fail(StoreError::Reason::NeitherNumberNorName, {t.text + word().text});
        return t;
    }
    Token quoted(QChar quote) {
        Token t{Token::Text, {}, int(m_i)};
        ++m_i;
        while (true) {
            if (m_i >= m_text.size())
                fail(StoreError::Reason::UnclosedQuote, {QString(quote)});
            if (m_text[m_i] == quote) {
                if (m_i + 1 < m_text.size() && m_text[m_i + 1] == quote) {
                    t.text += quote;
                    m_i += 2;
                    continue;
                }
                ++m_i;
                return t;
            }
            t.text += m_text[m_i++];
        }
    }
    Token symbol() {
        Token t{Token::Symbol, {}, int(m_i)};
        static const QStringList twoChar{"<>", "<=", ">=", "!="};
        const QString two = m_text.mid(m_i, 2);
        if (twoChar.contains(two)) {
            t.text = two == "!=" ? QStringLiteral("<>") : two;
            m_i += 2;
            return t;
        }
        const QChar c = m_text[m_i];
        if (QStringLiteral("=<>()").contains(c)) {
            t.text = c;
            ++m_i;
            return t;
        }
        fail(StoreError::Reason::MisplacedCharacter, {QString(c)});
    }

    const QString& m_text;
    qsizetype m_i = 0;
};

class Parser {
public:
    Parser(const QString& text, const TableDef& table) : m_tokens(Lexer(text).tokens()), m_table(table) {}

    NodePtr parseAll(std::vector<int>& columns) {
        if (m_tokens.front().kind == Token::End)
            fail(StoreError::Reason::EmptyCriterion);
        NodePtr root = orExpr();
        if (peek().kind != Token::End)
            fail(StoreError::Reason::TrailingText, {peek().text});
        columns = m_columns;
        return root;
    }

private:
    const Token& peek() const { return m_tokens[m_at]; }
    Token take() { return m_tokens[m_at++]; }
    bool takeKeyword(const char* keyword) {
        if (peek().kind == Token::Word && peek().text.compare(QLatin1String(keyword), Qt::CaseInsensitive) == 0) {
            ++m_at;
            return true;
        }
        return false;
    }
    static bool isKeyword(const QString& word) {
        for (const char* k : {"and", "or", "not", "like", "is", "null"}) {
            if (word.compare(QLatin1String(k), Qt::CaseInsensitive) == 0)
                return true;
        }
        return false;
    }
    NodePtr join(Criterion::Node::Kind kind, NodePtr left, NodePtr right) {
        auto node = std::make_shared<Criterion::Node>();
        node->kind = kind;
        node->left = std::move(left);
        node->right = std::move(right);
        return node;
    }

    NodePtr orExpr() {
        NodePtr left = andExpr();
        while (takeKeyword("or"))
            left = join(Criterion::Node::Or, left, andExpr());
        return left;
    }
    NodePtr andExpr() {
        NodePtr left = notExpr();
        while (takeKeyword("and"))
            left = join(Criterion::Node::And, left, notExpr());
        return left;
    }
    // Parentheses and Not nest by recursion, here and when the criterion is evaluated: a limit
    // far beyond any real criterion keeps a pasted text from exhausting the stack.
    static constexpr int kMaxNesting = 100;
    void enterNesting() {
        if (++m_nesting > kMaxNesting)
            fail(StoreError::Reason::NestedTooDeep, {QString::number(kMaxNesting)});
    }

    NodePtr notExpr() {
        if (takeKeyword("not")) {
            enterNesting();
            NodePtr inner = notExpr();
            --m_nesting;
            return join(Criterion::Node::Not, inner, nullptr);
        }
        return primary();
    }
    NodePtr primary() {
        if (peek().kind == Token::Symbol && peek().text == "(") {
            take();
            enterNesting();
            NodePtr inner = orExpr();
            --m_nesting;
            if (!(peek().kind == Token::Symbol && peek().text == ")"))
                fail(StoreError::Reason::UnmatchedParenthesis);
            take();
            return inner;
        }
        return comparison();
    }

    NodePtr comparison() {
        const Token field = take();
        if (field.kind != Token::Word || isKeyword(field.text))
            field.kind == Token::End ? fail(StoreError::Reason::CriterionEndsEarly)
                                     : fail(StoreError::Reason::FieldNameExpected, {field.text});
        auto node = std::make_shared<Criterion::Node>();
        node->column = m_table.fieldIndex(field.text);
        if (node->column < 0)
            throw StoreError(StoreError::Kind::UnknownField, StoreError::Reason::NoSuchField,
                             {m_table.name, field.text});
        if (std::find(m_columns.begin(), m_columns.end(), node->column) == m_columns.end())
            m_columns.push_back(node->column);

        if (takeKeyword("is")) {
            node->op = takeKeyword("not") ? Op::IsNotNull : Op::IsNull;
            if (!takeKeyword("null"))
                fail(StoreError::Reason::IsWithoutNull);
            return node;
        }
        const bool negated = takeKeyword("not");
        if (takeKeyword("like")) {
            const Token pattern = take();
            if (pattern.kind != Token::Text && pattern.kind != Token::Number)
                fail(StoreError::Reason::LikeWithoutText);
            node->op = negated ? Op::NotLike : Op::Like;
            node->pattern = LikeMatcher(pattern.text);
            return node;
        }
        if (negated)
            fail(StoreError::Reason::NotWithoutLike);

        const Token op = take();
        static const QStringList ops{"=", "<>", "<", "<=", ">", ">="};
        const qsizetype opIndex = op.kind == Token::Symbol ? ops.indexOf(op.text) : -1;
        if (opIndex < 0)
            fail(StoreError::Reason::ComparisonExpected, {field.text});
        node->op = Op(opIndex);
        literal(*node, field.text);
        return node;
    }

    void literal(Criterion::Node& node, const QString& fieldName) {
        const Token value = take();
        const FieldDef& def = m_table.fields[size_t(node.column)];
        if (value.kind == Token::Number) {
            bool ok = false;
            node.number = value.text.toDouble(&ok);
            if (!ok)
                fail(StoreError::Reason::NotANumber, {value.text});
            node.literalIsNumber = true;
            node.text = value.text;
            return;
        }
        if (value.kind == Token::Text) {
            node.text = value.text;
            bool ok = false;
            node.number = value.text.trimmed().toDouble(&ok);
            if (def.type == FieldType::Integer && !ok)
                fail(StoreError::Reason::NumberExpected, {fieldName, value.text});
            node.literalIsNumber = def.type == FieldType::Integer;
            return;
        }
        if (value.kind == Token::Word && !isKeyword(value.text))
            fail(StoreError::Reason::QuotesMissing, {value.text});
        fail(StoreError::Reason::ValueMissing, {fieldName});
    }

    std::vector<Token> m_tokens;
    size_t m_at = 0;
    const TableDef& m_table;
    std::vector<int> m_columns;
    int m_nesting = 0;
};

} // namespace

Criterion Criterion::parse(const QString& text, const TableDef& table) {
    Criterion c;
    c.m_root = Parser(text, table).parseAll(c.m_columns);
    return c;
}

namespace {

class ArrayReader : public CellReader {
public:
    explicit ArrayReader(const QVariant* cells) : m_cells(cells) {}
    QVariant cell(int column) const override { return m_cells[column]; }

private:
    const QVariant* m_cells;
};

} // namespace

bool Criterion::matches(const QVariant* cells) const {
    return matches(ArrayReader(cells));
}

bool Criterion::matches(const CellReader& row) const {
    return m_root && m_root->eval(row) == Truth::True;
}

} // namespace lexora
