// SPDX-FileCopyrightText: 2026 The Lexora English developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "data/itembank.h"
#include "data/itemfingerprint.h"
#include "data/reasons.h"
#include "data/sqlitedb.h"
#include "data/topics.h"
#include "exchange/aikenformat.h"
#include "exchange/giftformat.h"
#include "exchange/moodlexmlformat.h"
#include "exchange/textfile.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

using namespace lexora;

namespace {

enum Column { Sorszam, Sorrend, Sorrend2, Szint, Mondat, A, B, C, D, Felelet1, Felelet2, Kulcs1, Kulcs2 };

const QStringList kShippedBanks{"en_data1", "enpool1d", "en_data2", "en_data3"};

struct Run {
    int exitCode = -1;
    QString out;
    QString err;
};

Run run(const QString& program, const QStringList& args) {
    QProcess process;
    process.start(program, args);
    if (!process.waitForFinished(120000))
        return {-1, QString(), QStringLiteral("%1 did not finish").arg(program)};
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            QString::fromUtf8(process.readAllStandardOutput()), QString::fromUtf8(process.readAllStandardError())};
}

Run tool(const QStringList& args) {
    return run(qEnvironmentVariable("LEXORA_ITEMS_TOOL"), args);
}

// A copy of a shipped database in `dir`.
QString shippedCopy(const QTemporaryDir& dir, const QString& bank, const QString& name) {
    const QString path = dir.filePath(name);
    QFile::remove(path);
    if (!QFile::copy(qEnvironmentVariable("LEXORA_BIN_DIR") + "/" + bank + ".mdb", path))
        qFatal("cannot copy the shipped database %s", qPrintable(bank));
    QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner);
    return path;
}

// Where the independent GIFT parser cannot run: a failure on CI, a skipped test elsewhere.
#define REQUIRE_TOOL(ok, what)                                                                                  \
    do {                                                                                                         \
        if (!(ok)) {                                                                                             \
            if (qEnvironmentVariable("CI") == "true")                                                            \
                QFAIL(qPrintable(QStringLiteral("%1 is missing; scripts/test-tools installs it").arg(what)));  \
            QSKIP(qPrintable(QStringLiteral("%1 is missing; run scripts/test-tools").arg(what)));              \
        }                                                                                                        \
    } while (false)

const QString kParserDir = QStringLiteral(LEXORA_EXCHANGE_DIR "/giftcheck");

bool parserInstalled() {
    return !QStandardPaths::findExecutable("node").isEmpty() &&
           QFile::exists(kParserDir + "/node_modules/gift-pegjs/package.json");
}

// The questions of a GIFT file as the independent parser reads them.
QJsonArray parsedGift(const QString& path) {
    const Run parsed = run(QStandardPaths::findExecutable("node"), {kParserDir + "/parse-gift.js", path});
    if (parsed.exitCode != 0)
        qWarning("the GIFT parser refused %s: %s", qPrintable(path), qPrintable(parsed.err));
    return QJsonDocument::fromJson(parsed.out.toUtf8()).array();
}

QJsonArray choiceQuestions(const QJsonArray& parsed) {
    QJsonArray out;
    for (const auto& q : parsed) {
        if (q.toObject()["type"].toString() == "MC")
            out.append(q);
    }
    return out;
}

QStringList texts(const QJsonValue& list) {
    QStringList out;
    for (const auto& v : list.toArray())
        out << v.toString();
    return out;
}

// Compares a question read by the independent parser with the item it was written from.
void compareWithItem(const QJsonObject& q, const QStringList& item) {
    const QStringList answers{item[A], item[B], item[C], item[D]};
    const int right = item[Felelet2][0].unicode() - 'A';
    QCOMPARE(texts(q["order"]), answers);
    QCOMPARE(texts(q["right"]), QStringList{answers[right]});
    QStringList wrong = answers;
    wrong.removeAt(right);
    QCOMPARE(texts(q["wrong"]), wrong);
    // The parser sets the blank it puts for the answers between single spaces; the words around it
    // must be the item's.
    const auto blankBetweenSpaces = [](QString text, const QString& blank) {
        return text.replace(QRegularExpression("\\s*" + QRegularExpression::escape(blank) + "\\s*"), " _____ ").trimmed();
    };
    // A gap with nothing after it stands in the text, with the answers after the text.
    const QString stem = blankBetweenSpaces(blankBetweenSpaces(q["stem"].toString(), "_____"), kGap);
    QCOMPARE(stem, blankBetweenSpaces(item[Mondat], kGap));
}

ItemBank specialCharacters() {
    ItemBank bank;
    bank.items = {
        {"1", "1", "11", "2", "Time: 10:30 {sharp} = \"late\" ~ #1 \\ ...... & <b>done</b> ]]>.", "a=b", "c~d",
         "e#f", "{g}:h\\", "", "B", "1", "d"},
        {"2", "2", "12", "3", "At the end ......", "x & y", "<p>", "1/2", "don't", "", "C", "a", "4"},
        {"3", "3", "13", "1", "...... comes first: really.", "It", "Ő", "ñ", "ç", "", "A", "", ""},
        // Texts that begin as a format marker does, the sentence with the answers after it.
        {"4", "4", "14", "2", "[html] <b>Bold</b> ......", "[markdown]*a*", "[moodle]", "[PLAIN] c", "[d]", "", "A",
         "1", "d"},
    };
    bank.reasons.resize(bank.items.size());
    bank.reasons[3].english = QStringLiteral("[html] stays <i>text</i>.");
    for (QStringList& item : bank.items) {
        QString filled = item[Mondat];
        filled.replace(kGap, item[A + item[Felelet2][0].unicode() - 'A']);
        filled[0] = filled[0].toUpper();
        item[Felelet1] = filled;
    }
    return bank;
}

// The fields a round trip keeps: sentence, answers, right letter, level and topic, and felelet1 from them.
QStringList kept(const QStringList& item, bool withCategory) {
    const std::optional<int> topic = TopicCatalogue::nameKey(item[Kulcs1], item[Kulcs2]);
    QStringList fields{item[Mondat], item[A], item[B], item[C], item[D], item[Felelet2], item[Felelet1]};
    if (withCategory)
        fields << item[Szint] << (topic ? QString::number(*topic) : QString());
    return fields;
}

ItemContent contentOf(const QStringList& item) {
    return ItemContent{item[Mondat], item[A], item[B], item[C], item[D], item[Felelet2]};
}

QString fingerprintOf(const QStringList& item) {
    return itemFingerprint(contentOf(item));
}

std::vector<QString> wrongAnswersOf(const QStringList& item) {
    return wrongAnswers(contentOf(item));
}

// A reason with the characters question files give a meaning to.
const Reason kTeacherReason{"\"Students\" = plural {many}, so it is are ~ #1 \\ & <b>, not 'is'.",
                            u8"Többes szám: {students} = diákok, ezért ~are & <i>are</i> kell.", true};

// A note on wrong answer `k`, quoting `answer`, with the characters question files give a meaning to.
AnswerNote teacherNote(size_t k, const QString& answer) {
    return {QStringLiteral("“%2” ~ {not} = #%1 & <b>: the subject \"students\" is plural.").arg(k + 1).arg(answer),
            QStringLiteral("A „%2” ~ {nem} = #%1 & <i>, mert a „students” többes számú.").arg(k + 1).arg(answer), true};
}

// Gives the database's first item (right answer "are") the teacher's reason and a note on each
// wrong answer, and takes the second one's away.
void writeReasons(const QString& database) {
    const auto items = ItemBank::readDatabase(database).items;
    const auto db = SqliteDb::open(database);
    const ReasonTable table(db);
    table.write(fingerprintOf(items[0]), kTeacherReason);
    table.write(fingerprintOf(items[1]), Reason{});
    std::vector<AnswerNoteRow> notes;
    for (size_t k = 0; k < 3; ++k)
        notes.push_back({fingerprintOf(items[0]), wrongAnswersOf(items[0])[k], teacherNote(k, wrongAnswersOf(items[0])[k])});
    for (const QString& answer : wrongAnswersOf(items[1]))
        notes.push_back({fingerprintOf(items[1]), answer, AnswerNote{}});
    table.answerNotes().writeAll(notes);
}

// The letters (0 to 3) of an item's wrong answers, in order.
std::vector<int> wrongLetters(const QStringList& item) {
    std::vector<int> letters;
    for (int i = 0; i < 4; ++i) {
        if (i != item[Felelet2][0].unicode() - 'A')
            letters.push_back(i);
    }
    return letters;
}

// The answer feedback of the n-th question of a Moodle XML file (from 1), for answers A to D.
QStringList xmlAnswerFeedback(const QString& file, int n) {
    const QString xmllint = QStandardPaths::findExecutable("xmllint");
    QStringList out;
    for (int a = 1; a <= 4; ++a)
        out << run(xmllint, {"--xpath",
                             QStringLiteral("string((//question[@type='multichoice'])[%1]/answer[%2]/feedback/text)")
                                 .arg(n)
                                 .arg(a),
                             file})
                   .out.trimmed();
    return out;
}

} // namespace

class TestExchangeTool : public QObject {
    Q_OBJECT

private slots:
    void giftExportReadByAnIndependentParser() {
        REQUIRE_TOOL(parserInstalled(), QStringLiteral("The npm package gift-pegjs"));
        QTemporaryDir dir;
        const QString db = shippedCopy(dir, "en_data1", "en_data1.mdb");
        const QString gift = dir.filePath("en_data1.gift");
        const Run exported = tool({"export", "--format", "gift", "--lang", "hu", db, gift});
        QVERIFY2(exported.exitCode == 0, qPrintable(exported.err));
        const QJsonArray parsed = parsedGift(gift);
        const QJsonArray questions = choiceQuestions(parsed);
        const auto items = ItemBank::readDatabase(db).items;
        QCOMPARE(items.size(), size_t(550));
        QCOMPARE(questions.size(), 550);
        for (int i = 0; i < questions.size(); ++i)
            compareWithItem(questions[i].toObject(), items[size_t(i)]);
        QCOMPARE(questions[0].toObject()["title"].toString(), QStringLiteral("en_data1 1"));
        // The first category names the first item's topic and level in Hungarian.
        QCOMPARE(parsed[0].toObject()["title"].toString(), QStringLiteral("Lexora English/Ige/1. szint"));
    }

    void giftEscapesEverySpecialCharacter() {
        REQUIRE_TOOL(parserInstalled(), QStringLiteral("The npm package gift-pegjs"));
        QTemporaryDir dir;
        const QString db = dir.filePath("special.mdb");
        const ItemBank bank = specialCharacters();
        bank.createDatabase(db);
        const QString gift = dir.filePath("special.gift");
        QCOMPARE(tool({"export", "--format", "gift", db, gift}).exitCode, 0);
        const QJsonArray questions = choiceQuestions(parsedGift(gift));
        QCOMPARE(questions.size(), 4);
        for (int i = 0; i < 4; ++i)
            compareWithItem(questions[i].toObject(), bank.items[size_t(i)]);
        QCOMPARE(questions[3].toObject()["feedback"].toString(), bank.reasons[3].english);
        // Our own reader takes the same texts back.
        const ReadResult back = GiftFormat::read(TextFile::read(gift));
        QCOMPARE(back.items.size(), size_t(4));
        for (size_t i = 0; i < 4; ++i)
            QCOMPARE(kept(back.items[i].item.toRow(0, 0), true), kept(bank.items[i], true));
        QCOMPARE(back.items[3].item.reason, bank.reasons[3].english);
    }

    void xmlExportIsValidAndReadsBack() {
        QTemporaryDir dir;
        for (const QString& source : {QStringLiteral("en_data1"), QStringLiteral("special")}) {
            QString db = dir.filePath("special.mdb");
            if (source == "special")
                specialCharacters().createDatabase(db);
            else
                db = shippedCopy(dir, source, "en_data1.mdb");
            const QString xml = dir.filePath(source + ".xml");
            QCOMPARE(tool({"export", "--format", "moodle-xml", "--lang", "fr", db, xml}).exitCode, 0);
            const QString xmllint = QStandardPaths::findExecutable("xmllint");
            REQUIRE_TOOL(!xmllint.isEmpty(), QStringLiteral("xmllint"));
            const Run lint = run(xmllint, {"--noout", xml});
            QVERIFY2(lint.exitCode == 0 && lint.err.isEmpty(), qPrintable(lint.err));
            const ReadResult back = MoodleXmlFormat::read(TextFile::readBytes(xml), xml);
            const auto items = ItemBank::readDatabase(db).items;
            QCOMPARE(back.items.size(), items.size());
            QVERIFY(back.skipped.empty());
            for (size_t i = 0; i < items.size(); ++i)
                QCOMPARE(kept(back.items[i].item.toRow(0, 0), true), kept(items[i], true));
        }
    }

    void aikenExportReadsBack() {
        QTemporaryDir dir;
        const QString db = shippedCopy(dir, "en_data1", "en_data1.mdb");
        const QString aiken = dir.filePath("en_data1.txt");
        QCOMPARE(tool({"export", "--format", "aiken", db, aiken}).exitCode, 0);
        const ReadResult back = AikenFormat::read(TextFile::read(aiken));
        const auto items = ItemBank::readDatabase(db).items;
        QCOMPARE(back.items.size(), size_t(550));
        for (size_t i = 0; i < items.size(); ++i)
            QCOMPARE(kept(back.items[i].item.toRow(0, 0), false), kept(items[i], false));
    }

    // Export, then import with --replace into a copy: the same items, in the same order, for every shipped bank.
    // Aiken has no categories, so level and topic stay behind there.
    void roundTripsForEveryShippedBank_data() {
        QTest::addColumn<QString>("bank");
        QTest::addColumn<QString>("format");
        for (const QString& bank : kShippedBanks) {
            for (const char* format : {"gift", "moodle-xml", "aiken"})
                QTest::addRow("%s %s", qPrintable(bank), format) << bank << QString::fromLatin1(format);
        }
    }

    void roundTripsForEveryShippedBank() {
        QFETCH(QString, bank);
        QFETCH(QString, format);
        QTemporaryDir dir;
        const QString source = shippedCopy(dir, bank, "source.mdb");
        const QString target = shippedCopy(dir, "en_data2", "target.mdb");
        const QString file = dir.filePath("questions");
        const Run exported = tool({"export", "--format", format, "--lang", "es", source, file});
        QVERIFY2(exported.exitCode == 0, qPrintable(exported.err));
        // An Aiken file names no topic; the items keep theirs through the other formats.
        const Run imported = tool({"import", "--format", format, "--replace", "--topic", "0", file, target});
        QVERIFY2(imported.exitCode == 0 && imported.err.isEmpty(), qPrintable(imported.err));
        const auto before = ItemBank::readDatabase(source).items;
        const auto after = ItemBank::readDatabase(target).items;
        QCOMPARE(after.size(), before.size());
        for (size_t i = 0; i < before.size(); ++i) {
            QCOMPARE(kept(after[i], format != "aiken"), kept(before[i], format != "aiken"));
            QCOMPARE(after[i][Sorszam].toInt(), int(i) + 1);
        }
    }

    // The reason goes out as the question's general feedback in the export's language, and each
    // wrong answer's note as that answer's feedback; they come back as the teacher's in that
    // language, told by their text. An item without them has no feedback.
    void reasonTravelsAsGeneralFeedback_data() {
        QTest::addColumn<QString>("format");
        QTest::addColumn<QString>("lang");
        for (const char* format : {"gift", "moodle-xml"}) {
            for (const char* lang : {"en", "hu", "fr"})
                QTest::addRow("%s %s", format, lang) << QString::fromLatin1(format) << QString::fromLatin1(lang);
        }
    }

    void reasonTravelsAsGeneralFeedback() {
        QFETCH(QString, format);
        QFETCH(QString, lang);
        QTemporaryDir dir;
        const QString source = shippedCopy(dir, "en_data2", "source.mdb");
        writeReasons(source);
        const QString file = dir.filePath("questions");
        QCOMPARE(tool({"export", "--format", format, "--lang", lang, source, file}).exitCode, 0);
        const bool hungarian = lang == "hu";
        const QString reason = kTeacherReason.inLanguage(hungarian);
        const auto sourceItems = ItemBank::readDatabase(source).items;
        QStringList notes(4); // as answers A to D carry them
        for (size_t k = 0; k < 3; ++k)
            notes[wrongLetters(sourceItems[0])[k]] =
                teacherNote(k, wrongAnswersOf(sourceItems[0])[k]).inLanguage(hungarian);
        if (format == "gift") {
            REQUIRE_TOOL(parserInstalled(), QStringLiteral("The npm package gift-pegjs"));
            const QJsonArray questions = choiceQuestions(parsedGift(file));
            QCOMPARE(questions[0].toObject()["feedback"].toString(), reason);
            QVERIFY(questions[1].toObject()["feedback"].isNull());
            QCOMPARE(texts(questions[0].toObject()["answerFeedback"]), notes);
            QCOMPARE(texts(questions[1].toObject()["answerFeedback"]), QStringList(4));
        } else {
            const QString xmllint = QStandardPaths::findExecutable("xmllint");
            REQUIRE_TOOL(!xmllint.isEmpty(), QStringLiteral("xmllint"));
            const auto feedback = [&](int n) {
                return run(xmllint, {"--xpath", QStringLiteral("string((//question[@type='multichoice'])[%1]"
                                                               "/generalfeedback/text)").arg(n), file}).out.trimmed();
            };
            QCOMPARE(feedback(1), "<p>" + reason.toHtmlEscaped() + "</p>");
            QCOMPARE(feedback(2), QString());
            QStringList html;
            for (const QString& note : notes)
                html << (note.isEmpty() ? QString() : "<p>" + note.toHtmlEscaped() + "</p>");
            QCOMPARE(xmlAnswerFeedback(file, 1), html);
            QCOMPARE(xmlAnswerFeedback(file, 2), QStringList(4));
        }

        const QString target = shippedCopy(dir, "en_data3", "target.mdb");
        const Run imported = tool({"import", "--format", format, "--replace", file, target});
        QVERIFY2(imported.exitCode == 0, qPrintable(imported.err));
        const auto items = ItemBank::readDatabase(target).items;
        const ReasonTable table(SqliteDb::open(target));
        const std::optional<Reason> back = table.find(fingerprintOf(items[0]));
        QVERIFY(back);
        QVERIFY(back->byTeacher);
        QCOMPARE(back->inLanguage(hungarian), reason);
        QCOMPARE(back->inLanguage(!hungarian), QString());
        QVERIFY(!table.find(fingerprintOf(items[1])));
        const AnswerNotes backNotes = table.answerNotes().find(fingerprintOf(items[0]));
        QCOMPARE(backNotes.size(), size_t(3));
        for (size_t k = 0; k < 3; ++k) {
            const AnswerNote& note = backNotes.at(wrongAnswersOf(items[0])[k]);
            QVERIFY(note.byTeacher);
            QCOMPARE(note.inLanguage(hungarian), teacherNote(k, wrongAnswersOf(items[0])[k]).inLanguage(hungarian));
            QCOMPARE(note.inLanguage(!hungarian), QString());
        }
        QVERIFY(table.answerNotes().find(fingerprintOf(items[1])).empty());
        // Every text came in, and in the export's language.
        int reasons = 0;
        int notesTaken = 0;
        const ItemBank exported = ItemBank::readDatabase(source);
        for (size_t i = 0; i < exported.items.size(); ++i) {
            reasons += exported.reasonOf(i).inLanguage(hungarian).isEmpty() ? 0 : 1;
            for (const AnswerNote& note : exported.notesOf(i))
                notesTaken += note.inLanguage(hungarian).isEmpty() ? 0 : 1;
        }
        const auto inLanguage = [hungarian](int n) {
            return hungarian ? QStringLiteral("0 English, %1 Hungarian").arg(n)
                             : QStringLiteral("%1 English, 0 Hungarian").arg(n);
        };
        const QString told = QStringLiteral("%1 reasons (%2) and %3 notes on wrong answers (%4)")
                                 .arg(reasons)
                                 .arg(inLanguage(reasons))
                                 .arg(notesTaken)
                                 .arg(inLanguage(notesTaken));
        QVERIFY2(imported.out.contains(told), qPrintable(imported.out));
    }

    // Every shipped note leaves as its answer's feedback, in English and in Hungarian, is read by
    // the independent parser, and comes back exactly from a re-import.
    void shippedNotesTravelAsAnswerFeedback_data() {
        QTest::addColumn<QString>("bank");
        QTest::addColumn<QString>("format");
        QTest::addColumn<QString>("lang");
        for (const QString& bank : kShippedBanks) {
            for (const char* format : {"gift", "moodle-xml"}) {
                for (const char* lang : {"en", "hu"})
                    QTest::addRow("%s %s %s", qPrintable(bank), format, lang)
                        << bank << QString::fromLatin1(format) << QString::fromLatin1(lang);
            }
        }
    }
    void shippedNotesTravelAsAnswerFeedback() {
        QFETCH(QString, bank);
        QFETCH(QString, format);
        QFETCH(QString, lang);
        const bool hungarian = lang == "hu";
        QTemporaryDir dir;
        const QString source = shippedCopy(dir, bank, "source.mdb");
        const ItemBank shipped = ItemBank::readDatabase(source);
        const QString file = dir.filePath("questions");
        QCOMPARE(tool({"export", "--format", format, "--lang", lang, source, file}).exitCode, 0);
        if (format == "gift") {
            REQUIRE_TOOL(parserInstalled(), QStringLiteral("The npm package gift-pegjs"));
            const QJsonArray questions = choiceQuestions(parsedGift(file));
            QCOMPARE(size_t(questions.size()), shipped.items.size());
            for (size_t i = 0; i < shipped.items.size(); ++i) {
                const QStringList feedback = texts(questions[int(i)].toObject()["answerFeedback"]);
                const std::vector<int> letters = wrongLetters(shipped.items[i]);
                for (size_t k = 0; k < 3; ++k) {
                    const QString note = shipped.notesOf(i)[k].inLanguage(hungarian);
                    QVERIFY2(!note.isEmpty(), qPrintable(QStringLiteral("item %1 has no note %2").arg(i + 1).arg(k + 1)));
                    QCOMPARE(feedback[letters[k]], note);
                }
            }
        }
        const QString target = shippedCopy(dir, bank == "enpool1d" ? "en_data3" : "enpool1d", "target.mdb");
        const Run imported = tool({"import", "--format", format, "--replace", file, target});
        QVERIFY2(imported.exitCode == 0, qPrintable(imported.err));
        const ItemBank back = ItemBank::readDatabase(target);
        QCOMPARE(back.items.size(), shipped.items.size());
        for (size_t i = 0; i < shipped.items.size(); ++i) {
            for (size_t k = 0; k < 3; ++k)
                QCOMPARE(back.notesOf(i)[k].inLanguage(hungarian), shipped.notesOf(i)[k].inLanguage(hungarian));
        }
    }

    // The tab-separated bank carries both reasons and the notes of a database to another one.
    void reasonSurvivesTheBankRoundTrip() {
        QTemporaryDir dir;
        const QString source = shippedCopy(dir, "en_data2", "source.mdb");
        writeReasons(source);
        const QString bank = dir.filePath("bank.tsv");
        QCOMPARE(tool({"export", source, bank}).exitCode, 0);
        const QString target = shippedCopy(dir, "en_data3", "target.mdb");
        const Run imported = tool({"import", bank, target});
        QVERIFY2(imported.exitCode == 0, qPrintable(imported.err));
        const auto items = ItemBank::readDatabase(target).items;
        const ReasonTable table(SqliteDb::open(target));
        const std::optional<Reason> back = table.find(fingerprintOf(items[0]));
        QVERIFY(back);
        QCOMPARE(back->english, kTeacherReason.english);
        QCOMPARE(back->hungarian, kTeacherReason.hungarian);
        QVERIFY(back->byTeacher);
        QVERIFY(!table.find(fingerprintOf(items[1])));
        const AnswerNotes notes = table.answerNotes().find(fingerprintOf(items[0]));
        for (size_t k = 0; k < 3; ++k) {
            const AnswerNote& note = notes.at(wrongAnswersOf(items[0])[k]);
            QCOMPARE(note.english, teacherNote(k, wrongAnswersOf(items[0])[k]).english);
            QCOMPARE(note.hungarian, teacherNote(k, wrongAnswersOf(items[0])[k]).hungarian);
        }
    }

    // Questions of every shipped bank exported into one category of the platform keep names of their own.
    void questionNamesOfTwoBanksDiffer_data() {
        QTest::addColumn<QString>("format");
        QTest::newRow("gift") << "gift";
        QTest::newRow("moodle-xml") << "moodle-xml";
    }

    void questionNamesOfTwoBanksDiffer() {
        QFETCH(QString, format);
        if (format == "gift")
            REQUIRE_TOOL(parserInstalled(), QStringLiteral("The npm package gift-pegjs"));
        QTemporaryDir dir;
        QStringList names;
        size_t items = 0;
        for (const QString& bank : kShippedBanks) {
            const QString db = shippedCopy(dir, bank, bank + ".mdb");
            const QString file = dir.filePath(bank + ".questions");
            QCOMPARE(tool({"export", "--format", format, db, file}).exitCode, 0);
            items += ItemBank::readDatabase(db).items.size();
            if (format == "gift") {
                for (const auto& q : choiceQuestions(parsedGift(file)))
                    names << q.toObject()["title"].toString();
            } else {
                static const QRegularExpression name("<name>\\s*<text>([^<]*)</text>");
                for (const auto& match : name.globalMatch(QString::fromUtf8(TextFile::readBytes(file))))
                    names << match.captured(1);
            }
        }
        QCOMPARE(size_t(names.size()), items);
        QVERIFY(names.contains("enpool1d 1") && names.contains("en_data3 1"));
        names.removeDuplicates();
        QCOMPARE(size_t(names.size()), items);
    }

    void toolRefusesWhatItCannotUse() {
        QTemporaryDir dir;
        const QString db = shippedCopy(dir, "en_data2", "en_data2.mdb");
        QCOMPARE(tool({"export", "--format", "qti", db, dir.filePath("x")}).exitCode, 2);
        QCOMPARE(tool({"export", "--format", "gift", "--lang", "de", db, dir.filePath("x")}).exitCode, 2);
        QCOMPARE(tool({"import", "--format", "gift", "--lang", "hu", dir.filePath("x"), db}).exitCode, 2);
        QCOMPARE(tool({"import", "--format", "aiken", "--topic", "23", dir.filePath("x"), db}).exitCode, 2);
        QCOMPARE(tool({"import", "--format", "aiken", "--topic", "0", "--level", "4", dir.filePath("x"), db}).exitCode, 2);
        QCOMPARE(tool({"export", "--format", "gift", "--topic", "0", db, dir.filePath("x")}).exitCode, 2);
        // The program never makes a database: importing into a missing one fails and creates no file.
        QFile gift(dir.filePath("one.gift"));
        QVERIFY(gift.open(QIODevice::WriteOnly));
        gift.write("She {~go =goes ~going ~gone} home.\n");
        gift.close();
        const Run missing = tool({"import", "--format", "gift", gift.fileName(), dir.filePath("none.mdb")});
        QCOMPARE(missing.exitCode, 1);
        QVERIFY(!QFile::exists(dir.filePath("none.mdb")));
        // A question without a category is left out until a topic is given for it.
        const Run withoutTopic = tool({"import", "--format", "gift", gift.fileName(), db});
        QCOMPARE(withoutTopic.exitCode, 0);
        QVERIFY2(withoutTopic.err.contains("one.gift:1: skipped: its category names no topic"), qPrintable(withoutTopic.err));
        QVERIFY2(withoutTopic.out.contains("0 items added, 1 questions skipped"), qPrintable(withoutTopic.out));
        const Run added = tool({"import", "--format", "gift", "--topic", "7", "--level", "3", gift.fileName(), db});
        QCOMPARE(added.exitCode, 0);
        QVERIFY2(added.out.contains("1 items added as numbers 70 to 70"), qPrintable(added.out));
        const QStringList row = ItemBank::readDatabase(db).items.back();
        QCOMPARE(row[Szint], QStringLiteral("3"));
        QCOMPARE(TopicCatalogue::nameKey(row[Kulcs1], row[Kulcs2]).value_or(-1), TopicCatalogue::topic(7).captionKey);
    }
};

QTEST_GUILESS_MAIN(TestExchangeTool)
#include "test_exchange_tool.moc"
