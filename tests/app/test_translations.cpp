// SPDX-FileCopyrightText: 2026 The Lexora English developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The texts the program adds beside the caption catalogue, as a native reader checks them:
// French punctuation that never starts a wrapped line, one word for an item in each language
// (the catalogue's), Hungarian articles before numbers, numbers and system details in the
// working language.

#include "app/accessibility.h"
#include "data/storeerror.h"
#include "screens/database/databasetexts.h"
#include "text/captions.h"
#include "text/messages.h"
#include "worksheet/worksheettexts.h"

#include <QFile>
#include <QRegularExpression>
#include <QTest>
#include <QXmlStreamReader>

using namespace lexora;

namespace {

const QStringList kStoreDetails{"/tmp/x.mdb", "<2>", "<3>", "<4>", "<5>"};

// Every text of the message catalogue, the worksheet, the Database screen's tables and the
// screen-reader names in the working language `lang`.
QStringList programTexts(int lang) {
    QStringList texts;
    using Id = Messages::Id;
    for (Id id : {Id::UnexpectedError, Id::UnexpectedErrorBare, Id::NoDatabaseChosen, Id::DatabaseMissing,
                  Id::NotAnItemDatabase, Id::ReshuffleFailed, Id::PlaceholderMissing, Id::NoFreeRecordNumber})
        texts << Messages::text(id, lang, kStoreDetails);
    using Reason = StoreError::Reason;
    for (int r = int(Reason::FileMissing); r <= int(Reason::NotANumber); ++r)
        texts << Messages::of(StoreError(StoreError::Kind::Io, Reason(r), kStoreDetails), lang);
    for (const char* step : {StoreError::Step::value, StoreError::Step::readWrite, StoreError::Step::query,
                             StoreError::Step::command})
        texts << Messages::of(StoreError(StoreError::Kind::Io, Reason::EngineFailure, {"f.mdb", step, "x"}), lang);
    for (const char* detail : {"No such file or directory", "Permission denied", "No space left on device",
                               "database is locked", "disk I/O error", "Is a directory"})
        texts << Messages::systemDetail(QString::fromLatin1(detail), lang);
    namespace w = worksheettext;
    namespace d = databasetext;
    for (const Translated* t : {&w::title, &w::name, &w::date, &w::answerKey, &w::allLevels, &w::level, &w::topic,
                                &w::from, &w::randomItems, &w::page, &d::printWorksheet, &d::undoDelete,
                                &d::nothingToUndo, &d::numberTaken, &d::placeTaken, &d::worksheetTitle,
                                &d::countLabel, &d::selectionLabel, &d::languageLabel, &d::saveButton,
                                &d::printButton, &d::cancelButton, &d::pdfFilter, &d::suggestedFile, &d::noItems,
                                &d::notWritten})
        texts << t->in(lang);
    for (int s = int(Spoken::Sentence); s <= int(Spoken::Level); ++s)
        texts << spokenName(Spoken(s), lang, QLatin1Char('A'));
    return texts;
}

// The AppStream file's summary and description in `xmlLang` ("hu", "es", "fr").
QStringList metainfoTexts(const QString& xmlLang) {
    QFile file(QStringLiteral(LEXORA_PACKAGING_DIR "/org.lexora.LexoraEnglish.metainfo.xml.in"));
    if (!file.open(QIODevice::ReadOnly))
        qFatal("no metainfo file");
    QStringList texts;
    QXmlStreamReader xml(&file);
    while (!xml.atEnd()) {
        if (xml.readNext() == QXmlStreamReader::StartElement &&
            xml.attributes().value(QStringLiteral("xml:lang")) == xmlLang) {
            QString text = xml.readElementText(QXmlStreamReader::IncludeChildElements);
            // Line breaks and indentation are one space; a no-break space stays what it is.
            static const QRegularExpression layout(QStringLiteral("[ \\t\\r\\n]+"));
            texts << text.replace(layout, QStringLiteral(" ")).trimmed();
        }
    }
    return texts;
}

void addRows(const char* name, int lang, const QString& xmlLang) {
    int n = 0;
    for (const QString& text : programTexts(lang))
        QTest::addRow("%s program %d", name, ++n) << text;
    n = 0;
    for (const QString& text : metainfoTexts(xmlLang))
        QTest::addRow("%s metainfo %d", name, ++n) << text;
}

} // namespace

class TestTranslations : public QObject {
    Q_OBJECT

private slots:
    void frenchPunctuationKeepsToItsWord_data() {
        QTest::addColumn<QString>("text");
        addRows("fr", LangCode::French, QStringLiteral("fr"));
    }

    // A no-break space before : ; ? ! and » and after «, never a plain one or none at all.
    void frenchPunctuationKeepsToItsWord() {
        QFETCH(QString, text);
        static const QRegularExpression loose(QStringLiteral("[^\u00a0\u202f][:;?!»]|«[^\u00a0\u202f]"));
        const QRegularExpressionMatch m = loose.match(text);
        QVERIFY2(!m.hasMatch(), qPrintable(m.captured() + " in: " + text));
    }

    void oneWordForAnItem_data() {
        QTest::addColumn<QString>("text");
        addRows("hu", LangCode::Hungarian, QStringLiteral("hu"));
        addRows("es", LangCode::Spanish, QStringLiteral("es"));
        addRows("fr", LangCode::French, QStringLiteral("fr"));
    }

    // The catalogue says "mondat", "oración" and "fiche", and a database is plainly a database;
    // "ejercicio" and "exercice" name Practice. A worksheet keeps its usual name in each language.
    void oneWordForAnItem() {
        QFETCH(QString, text);
        static const QRegularExpression other(
            QStringLiteral("feladat(?!lap)|(?<!hoja de |hoja-de-)\\bejercicios?\\b|"
                           "(?<!feuille d'|feuille-d-)\\bexercices?\\b|\\bfrases?\\b"),
            QRegularExpression::CaseInsensitiveOption | QRegularExpression::UseUnicodePropertiesOption);
        // The Spanish task name "Ejercicio" and the French "Exercice" (Practice) stand capitalised.
        static const QRegularExpression taskName(QStringLiteral("^(Ejercicio|Exercice) "));
        QString checked = text;
        checked.remove(taskName);
        const QRegularExpressionMatch m = other.match(checked);
        QVERIFY2(!m.hasMatch(), qPrintable(m.captured() + " in: " + text));
    }

    void hungarianArticleFitsEveryNumber_data() {
        QTest::addColumn<QString>("text");
        addRows("hu", LangCode::Hungarian, QStringLiteral("hu"));
    }

    // "a 5." reads wrong and "az 5." fits only some numbers: a number filled in takes "a(z)".
    void hungarianArticleFitsEveryNumber() {
        QFETCH(QString, text);
        static const QRegularExpression bare(QStringLiteral("(^|[\\s(])[aA]z? (%\\d|<\\d>|\\d)"));
        const QRegularExpressionMatch m = bare.match(text);
        QVERIFY2(!m.hasMatch(), qPrintable(m.captured() + " in: " + text));
    }

    void answerNamesKeepTheirLetter_data() {
        QTest::addColumn<int>("spoken");
        QTest::addColumn<int>("lang");
        QTest::addColumn<QString>("name");
        QTest::newRow("hu answer") << int(Spoken::Answer) << int(LangCode::Hungarian) << u8"Válasz: C";
        QTest::newRow("hu choice") << int(Spoken::Choice) << int(LangCode::Hungarian) << u8"Válasz kiválasztása: C";
        QTest::newRow("en answer") << int(Spoken::Answer) << int(LangCode::English) << "Answer C";
        QTest::newRow("es choice") << int(Spoken::Choice) << int(LangCode::Spanish) << "Elegir la respuesta C";
        QTest::newRow("fr answer") << int(Spoken::Answer) << int(LangCode::French) << u8"Réponse C";
    }

    void answerNamesKeepTheirLetter() {
        QFETCH(int, spoken);
        QFETCH(int, lang);
        QFETCH(QString, name);
        QCOMPARE(spokenName(Spoken(spoken), lang, QLatin1Char('C')), name);
    }

    void numbersAsTheWorkingLanguageWritesThem_data() {
        QTest::addColumn<int>("lang");
        QTest::addColumn<QString>("size");
        QTest::addColumn<QString>("count");
        QTest::newRow("en") << int(LangCode::English) << "2.5" << "32,767";
        QTest::newRow("hu") << int(LangCode::Hungarian) << "2,5" << u8"32\u00a0767";
        QTest::newRow("es") << int(LangCode::Spanish) << "2,5" << "32.767";
        QTest::newRow("fr") << int(LangCode::French) << "2,5" << u8"32\u202f767";
    }

    void numbersAsTheWorkingLanguageWritesThem() {
        QFETCH(int, lang);
        QFETCH(QString, size);
        QFETCH(QString, count);
        QCOMPARE(Messages::number(2.5, 1, lang), size);
        QCOMPARE(Messages::number(qint64(32767), lang), count);
    }

    void systemDetailsInTheWorkingLanguage_data() {
        QTest::addColumn<QString>("detail");
        QTest::addColumn<int>("lang");
        QTest::addColumn<QString>("told");
        QTest::newRow("not found hu") << "No such file or directory" << int(LangCode::Hungarian)
                                      << u8"a fájl nem található";
        QTest::newRow("permission es") << "Permission denied" << int(LangCode::Spanish) << "permiso denegado";
        QTest::newRow("disk full fr") << "No space left on device" << int(LangCode::French) << "le disque est plein";
        QTest::newRow("engine full es") << "database or disk is full" << int(LangCode::Spanish)
                                        << u8"el disco está lleno";
        QTest::newRow("locked hu") << "database is locked" << int(LangCode::Hungarian)
                                   << u8"az adatbázist egy másik program zárolja";
        QTest::newRow("english stays") << "Permission denied" << int(LangCode::English) << "permission denied";
        QTest::newRow("unknown kept") << "near \"x\": syntax error" << int(LangCode::French)
                                      << "near \"x\": syntax error";
    }

    void systemDetailsInTheWorkingLanguage() {
        QFETCH(QString, detail);
        QFETCH(int, lang);
        QFETCH(QString, told);
        QCOMPARE(Messages::systemDetail(detail, lang), told);
    }

    // The engine's own words reach a learner only when nothing better is known.
    void engineFailureToldWhole() {
        const StoreError full(StoreError::Kind::Io, StoreError::Reason::EngineFailure,
                              {"/x/en_data1.mdb", StoreError::Step::readWrite, "database or disk is full"});
        QCOMPARE(Messages::of(full, LangCode::French),
                 QString(u8"La base de données /x/en_data1.mdb a échoué en lisant ou en écrivant\u00a0: le disque "
                         u8"est plein."));
        QCOMPARE(Messages::of(full, LangCode::Hungarian),
                 QString(u8"Az adatbázis hibát jelzett olvasás vagy írás közben (/x/en_data1.mdb): megtelt a lemez."));
    }
};

QTEST_MAIN(TestTranslations)
#include "test_translations.moc"
