// SPDX-FileCopyrightText: 2026 The Lexora English developers
// SPDX-License-Identifier: GPL-3.0-or-later

// One word for one idea in each working language, as docs/GLOSSARY.md lists them: every text the
// program shows, and the desktop entry and AppStream file, is walked for a refused word. The
// four-language tables are read from the sources, so a table added anywhere is walked too.

#include "data/topics.h"
#include "text/captions.h"
#include "text/topictitles.h"

#include <QDirIterator>
#include <QFile>
#include <QRegularExpression>
#include <QSet>
#include <QTest>
#include <QXmlStreamReader>

using namespace lexora;

namespace {

const QStringList kLanguages{"en", "hu", "es", "fr"};
const int kLangCodes[] = {LangCode::English, LangCode::Hungarian, LangCode::Spanish, LangCode::French};

QString readAll(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        qFatal("cannot read %s", qPrintable(path));
    return QString::fromUtf8(file.readAll());
}

struct Glossary {
    QHash<QString, QList<QRegularExpression>> refused; // by language
    QSet<QString> keptInCaptions;                      // "key/language/word"
};

// The two tables of docs/GLOSSARY.md: refused words per language, and the words specified captions keep.
Glossary readGlossary() {
    Glossary g;
    static const QRegularExpression cellSplit(QStringLiteral("(?<!\\\\)\\|"));
    static const QRegularExpression code(QStringLiteral("`([^`]+)`"));
    for (const QString& line : readAll(QStringLiteral(LEXORA_DOCS_DIR "/GLOSSARY.md")).split('\n')) {
        if (!line.startsWith('|') || line.startsWith(QLatin1String("|---")))
            continue;
        const QStringList cells = line.split(cellSplit);
        if (cells.size() == 6 && kLanguages.contains(cells[2].trimmed())) {
            auto it = code.globalMatch(cells[4]);
            while (it.hasNext()) {
                QString pattern = it.next().captured(1);
                pattern.replace(QLatin1String("\\|"), QLatin1String("|"));
                QRegularExpression re(pattern, QRegularExpression::UseUnicodePropertiesOption);
                if (!re.isValid())
                    qFatal("bad pattern in the glossary: %s", qPrintable(pattern));
                g.refused[cells[2].trimmed()] << re;
            }
        } else if (cells.size() == 5 && kLanguages.contains(cells[2].trimmed())) {
            g.keptInCaptions << cells[1].trimmed() + '/' + cells[2].trimmed() + '/' + cells[3].trimmed();
        }
    }
    if (g.refused.size() != 4 || g.keptInCaptions.isEmpty())
        qFatal("the glossary was not read");
    return g;
}

QString unescaped(const QString& literal) {
    QString out;
    for (qsizetype i = 0; i < literal.size(); ++i) {
        if (literal[i] != '\\' || i + 1 >= literal.size()) {
            out += literal[i];
            continue;
        }
        const QChar c = literal[++i];
        if (c == 'u' || c == 'x') {
            const int digits = c == 'u' ? 4 : 2;
            out += QChar(literal.mid(i + 1, digits).toUShort(nullptr, 16));
            i += digits;
        } else {
            out += c == 'n' ? QChar('\n') : c;
        }
    }
    return out;
}

struct SourceRow {
    QString where;
    QStringList texts; // English, Hungarian, Spanish, French
};

// Every brace group of four string literals inside a declaration that names Translated; adjacent
// literals are one text, as the compiler joins them.
QList<SourceRow> translatedTables(const QString& path) {
    QString source = readAll(path);
    if (!source.contains(QLatin1String("Translated")))
        return {};
    static const QRegularExpression comment(QStringLiteral("//[^\\n]*"));
    source.remove(comment);
    static const QRegularExpression token(QStringLiteral("(?:u8)?\"((?:[^\"\\\\]|\\\\.)*)\"|[{},;]|[^\\s{},;\"]+"));
    struct Level {
        QStringList statement;
        QStringList texts;
        bool onlyTexts = true;
        bool lastWasText = false;
        bool translated = false;
    };
    QList<Level> levels{Level{}};
    QList<SourceRow> rows;
    auto it = token.globalMatch(source);
    while (it.hasNext()) {
        const QRegularExpressionMatch m = it.next();
        const QString t = m.captured(0);
        Level& top = levels.last();
        if (t == "{") {
            Level inner;
            inner.translated = top.translated || top.statement.join(' ').contains(QLatin1String("Translated"));
            levels << inner;
        } else if (t == "}") {
            const Level done = levels.takeLast();
            if (levels.isEmpty())
                qFatal("unbalanced braces in %s", qPrintable(path));
            if (done.translated && done.onlyTexts && done.texts.size() == 4)
                rows << SourceRow{path.section('/', -2), done.texts};
            levels.last().onlyTexts = false;
            levels.last().statement.clear();
            levels.last().lastWasText = false;
        } else if (t == ";") {
            top.statement.clear();
            top.lastWasText = false;
        } else if (t == ",") {
            top.lastWasText = false;
        } else if (t.endsWith('"')) {
            if (top.lastWasText)
                top.texts.last() += unescaped(m.captured(1));
            else
                top.texts << unescaped(m.captured(1));
            top.lastWasText = true;
        } else {
            top.statement << t;
            top.onlyTexts = false;
            top.lastWasText = false;
        }
    }
    return rows;
}

QList<SourceRow> allTranslatedTables() {
    QList<SourceRow> rows;
    QDirIterator files(QStringLiteral(LEXORA_SOURCE_DIR), {"*.cpp", "*.h"}, QDir::Files, QDirIterator::Subdirectories);
    while (files.hasNext())
        rows << translatedTables(files.next());
    // The message catalogue alone holds more than this; fewer means the tables were not found.
    if (rows.size() < 150)
        qFatal("only %lld four-language texts found under %s", qlonglong(rows.size()), LEXORA_SOURCE_DIR);
    return rows;
}

// The desktop entry's names and comment and the AppStream file's texts in `lang`.
QStringList packagingTexts(const QString& lang) {
    QStringList texts;
    const QString suffix = lang == "en" ? QString() : '[' + lang + ']';
    for (const QString& line :
         readAll(QStringLiteral(LEXORA_PACKAGING_DIR "/org.lexora.LexoraEnglish.desktop")).split('\n'))
        for (const char* key : {"Name", "GenericName", "Comment"})
            if (line.startsWith(QLatin1String(key) + suffix + '='))
                texts << line.section('=', 1);
    QFile file(QStringLiteral(LEXORA_PACKAGING_DIR "/org.lexora.LexoraEnglish.metainfo.xml.in"));
    if (!file.open(QIODevice::ReadOnly))
        qFatal("no metainfo file");
    QXmlStreamReader xml(&file);
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        const QStringView xmlLang = xml.attributes().value(QStringLiteral("xml:lang"));
        if (xmlLang == lang || (lang == "en" && xmlLang.isEmpty() && xml.name() != QLatin1String("component")))
            if (xml.name() == QLatin1String("summary") || xml.name() == QLatin1String("p") ||
                xml.name() == QLatin1String("li"))
                texts << xml.readElementText(QXmlStreamReader::IncludeChildElements).simplified();
    }
    return texts;
}

} // namespace

class TestGlossary : public QObject {
    Q_OBJECT

private slots:
    void oneWordForEachIdea_data() {
        QTest::addColumn<QString>("lang");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("captionKey"); // -1 for a text outside the caption catalogue
        const QList<SourceRow> tables = allTranslatedTables();
        for (int l = 0; l < 4; ++l) {
            const QString lang = kLanguages[l];
            const QByteArray nameBytes = lang.toUtf8();
            const char* name = nameBytes.constData();
            for (int key = CaptionCatalogue::firstKey; key <= CaptionCatalogue::lastKey; ++key)
                if (const auto text = CaptionCatalogue::entry(key + kLangCodes[l]))
                    QTest::addRow("%s caption %d", name, key) << lang << *text << key;
            int n = 0;
            for (const SourceRow& row : tables)
                QTest::addRow("%s %s %d", name, qPrintable(row.where), ++n) << lang << row.texts[l] << -1;
            for (int t = 0; t < TopicCatalogue::count; ++t)
                QTest::addRow("%s topic name %d", name, t) << lang << topicName(t, kLangCodes[l]) << -1;
            n = 0;
            for (const QString& text : packagingTexts(lang))
                QTest::addRow("%s packaging %d", name, ++n) << lang << text << -1;
        }
    }

    void oneWordForEachIdea() {
        static const Glossary glossary = readGlossary();
        QFETCH(QString, lang);
        QFETCH(QString, text);
        QFETCH(int, captionKey);
        QString plain = text;
        plain.remove('&');
        for (const QRegularExpression& refused : glossary.refused.value(lang)) {
            auto it = refused.globalMatch(plain);
            while (it.hasNext()) {
                const QString word = it.next().captured();
                const QString kept = QStringLiteral("%1/%2/%3").arg(captionKey).arg(lang, word);
                QVERIFY2(captionKey >= 0 && glossary.keptInCaptions.contains(kept),
                         qPrintable(QStringLiteral("\"%1\" in: %2").arg(word, text)));
            }
        }
    }
};

QTEST_MAIN(TestGlossary)
#include "test_glossary.moc"
