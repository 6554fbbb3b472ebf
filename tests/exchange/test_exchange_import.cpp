// SPDX-FileCopyrightText: 2026 The Lexora English developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "data/itembank.h"
#include "data/itemfingerprint.h"
#include "data/reasons.h"
#include "data/sqlitedb.h"
#include "data/topics.h"
#include "exchange/exchangetexts.h"
#include "exchange/giftformat.h"
#include "exchange/itemexchange.h"
#include "exchange/textfile.h"

#include "core/tempdatabase.h"

#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

#include <set>

using namespace lexora;
using namespace lexora::testing;

namespace {

enum Column { Sorszam, Sorrend, Sorrend2, Szint, Mondat, A, B, C, D, Felelet1, Felelet2, Kulcs1, Kulcs2 };

QString fixture(const QString& name) {
    return QStringLiteral(LEXORA_EXCHANGE_DIR "/fixtures/") + name;
}

// The lines of the notes, for comparing with what a test expects.
std::vector<int> linesOf(const std::vector<ExchangeNote>& notes) {
    std::vector<int> lines;
    for (const ExchangeNote& note : notes)
        lines.push_back(note.line);
    return lines;
}

QString reasonAt(const std::vector<ExchangeNote>& notes, int line) {
    for (const ExchangeNote& note : notes) {
        if (note.line == line)
            return note.text;
    }
    return QStringLiteral("(no note on line %1)").arg(line);
}

// The reason the database holds for the content of `row`.
Reason reasonOf(const TempDatabase& db, const QStringList& row) {
    const QString fingerprint =
        itemFingerprint(ItemContent{row[Mondat], row[A], row[B], row[C], row[D], row[Felelet2]});
    return ReasonTable(SqliteDb::open(db.path())).find(fingerprint).value_or(Reason{});
}

void writeFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

// The rows added after the items a database started with.
std::vector<QStringList> rowsFrom(const TempDatabase& db, int firstNumber) {
    std::vector<QStringList> rows;
    for (const QStringList& row : db.items().items) {
        if (row[Sorszam].toInt() >= firstNumber)
            rows.push_back(row);
    }
    return rows;
}

std::vector<QStringList> itemsUpTo250() {
    return {makeItem(1, 10), makeItem(250, 20), makeItem(100, 30)};
}

// Questions without a category get the first topic, so that they are not left out for that.
const TopicChoice kFirstTopic{0, std::nullopt};

// Fails the import with ExchangeError and checks that the database still holds what it held.
void expectRefused(const QString& file, ExchangeFormat format, bool replace, const QString& messagePart) {
    TempDatabase db(itemsUpTo250());
    const auto before = db.items().items;
    try {
        ItemExchange::importItems(file, db.path(), format, replace, kFirstTopic);
        QFAIL("the import was not refused");
    } catch (const ExchangeError& e) {
        QVERIFY2(e.message().contains(messagePart), qPrintable(e.message()));
    }
    QCOMPARE(db.items().items, before);
}

} // namespace

class TestExchangeImport : public QObject {
    Q_OBJECT

private slots:
    // Numbering after the highest sorszam, free sorrend2 values, felelet1, level and topic from the category.
    void giftWrittenByThePlatform() {
        TempDatabase db(itemsUpTo250());
        const ImportSummary s = ItemExchange::importItems(fixture("platform-export.gift"), db.path(),
                                                          ExchangeFormat::Gift, false);
        QCOMPARE(s.imported, 4);
        QCOMPARE(s.firstNumber, 251);
        QCOMPARE(s.lastNumber, 254);
        const auto rows = rowsFrom(db, 251);
        QCOMPARE(rows.size(), size_t(4));
        QCOMPARE(rows[0][Mondat], QStringLiteral("You ...... wear a seat belt in a car; it is the law."));
        QCOMPARE((QStringList{rows[0][A], rows[0][B], rows[0][C], rows[0][D]}),
                 (QStringList{"mustn't", "needn't", "have to", "don't have to"}));
        QCOMPARE(rows[0][Felelet2], QStringLiteral("C"));
        QCOMPARE(rows[0][Felelet1], QStringLiteral("You have to wear a seat belt in a car; it is the law."));
        QCOMPARE(rows[0][Szint], QStringLiteral("2"));
        QCOMPARE(rows[0][Kulcs1] + rows[0][Kulcs2], QStringLiteral("1d")); // Modals
        QCOMPARE(rows[1][Mondat], QStringLiteral("Can you ...... me with this box?"));
        QCOMPARE(rows[1][Felelet1], QStringLiteral("Can you help me with this box?"));
        QCOMPARE(rows[2][Mondat], QStringLiteral("Time is 10:30 and 2 = 2 {really} ...... \\ ok."));
        QCOMPARE((QStringList{rows[2][A], rows[2][B], rows[2][C], rows[2][D]}), (QStringList{"a ~ b", "c # d", "e", "f"}));
        QCOMPARE(rows[2][Felelet2], QStringLiteral("B"));
        // Under a category naming a topic but no level: level 1.
        QCOMPARE(rows[3][Mondat], QStringLiteral("Which word is a verb?"));
        QCOMPARE(rows[3][Szint] + rows[3][Kulcs1] + rows[3][Kulcs2], QStringLiteral("110"));
        QCOMPARE(rows[3][Sorrend], rows[3][Sorszam]);
        // Its general feedback, under an English category, is the teacher's English reason.
        const Reason reason = reasonOf(db, rows[3]);
        QCOMPARE(reason.english + '|' + reason.hungarian, QStringLiteral("Verbs name actions.|"));
        QVERIFY(reason.byTeacher);
        QVERIFY(reasonOf(db, rows[0]).isEmpty());
        std::set<QString> orders;
        for (const QStringList& row : db.items().items)
            orders.insert(row[Sorrend2]);
        QCOMPARE(orders.size(), size_t(7));
        QCOMPARE(linesOf(s.notes), std::vector<int>{25});
        QCOMPARE(linesOf(s.skipped), (std::vector<int>{34, 37, 40, 43, 50, 53, 56, 59, 62}));
        QVERIFY(reasonAt(s.skipped, 34).contains("true/false"));
        QVERIFY(reasonAt(s.skipped, 37).contains("short-answer"));
        QVERIFY(reasonAt(s.skipped, 40).contains("numerical"));
        QVERIFY(reasonAt(s.skipped, 43).contains("matching"));
        QVERIFY(reasonAt(s.skipped, 50).contains("essay"));
        QVERIFY(reasonAt(s.skipped, 53).contains("description"));
        QVERIFY(reasonAt(s.skipped, 56).contains("3 answers"));
        QVERIFY(reasonAt(s.skipped, 59).contains("2 answers are right"));
        QVERIFY(reasonAt(s.skipped, 62).contains("partial credit"));
    }

    void xmlWrittenByThePlatform() {
        TempDatabase db(itemsUpTo250());
        const ImportSummary s = ItemExchange::importItems(fixture("platform-export.xml"), db.path(),
                                                          ExchangeFormat::MoodleXml, false);
        QCOMPARE(s.imported, 2);
        const auto rows = rowsFrom(db, 251);
        QCOMPARE(rows[0][Mondat], QStringLiteral("Yesterday we ...... to the cinema & the café."));
        QCOMPARE(rows[0][B] + rows[0][Felelet2], QStringLiteral("wentB"));
        QCOMPARE(rows[0][Felelet1], QStringLiteral("Yesterday we went to the cinema & the café."));
        // "Igeidők használata/2. szint": the topic's Hungarian name and a Hungarian level.
        QCOMPARE(rows[0][Szint] + rows[0][Kulcs1] + rows[0][Kulcs2], QStringLiteral("21a"));
        // ... so its general feedback is the Hungarian reason.
        const Reason reason = reasonOf(db, rows[0]);
        QCOMPARE(reason.english + '|' + reason.hungarian, QStringLiteral("|A yesterday múlt időt kér: went."));
        // Plain text is taken as it stands, markup-like characters included.
        QCOMPARE(rows[1][Mondat], QStringLiteral("Which word is a verb? <b> stays"));
        QCOMPARE(rows[1][Felelet2], QStringLiteral("D"));
        QCOMPARE(linesOf(s.notes), std::vector<int>{138});
        QCOMPARE(linesOf(s.skipped), (std::vector<int>{70, 86, 101, 117, 128}));
        QVERIFY(reasonAt(s.skipped, 70).contains("truefalse"));
        QVERIFY(reasonAt(s.skipped, 86).contains("several answers"));
        QVERIFY(reasonAt(s.skipped, 101).contains("5 answers"));
        QVERIFY(reasonAt(s.skipped, 117).contains("shortanswer"));
        QVERIFY(reasonAt(s.skipped, 128).contains("description"));
    }

    void aikenAsDocumented() {
        TempDatabase db(itemsUpTo250());
        // Aiken has no categories: the questions take the topic chosen for them.
        const ImportSummary s = ItemExchange::importItems(fixture("platform-aiken.txt"), db.path(),
                                                          ExchangeFormat::Aiken, false, {1, std::nullopt});
        QCOMPARE(s.imported, 2);
        const auto rows = rowsFrom(db, 251);
        QCOMPARE(rows[0][Mondat], QStringLiteral("Which word completes the sentence? We ...... football every Saturday."));
        QCOMPARE(rows[0][Felelet2] + rows[0][Szint], QStringLiteral("B1"));
        QCOMPARE(rows[0][Kulcs1] + rows[0][Kulcs2], TopicCatalogue::topic(1).kulcs1 + TopicCatalogue::topic(1).kulcs2.value_or("0"));
        QCOMPARE(rows[1][C] + rows[1][Felelet2], QStringLiteral("ParisC"));
        QCOMPARE(linesOf(s.notes), std::vector<int>{8});
        QCOMPARE(linesOf(s.skipped), (std::vector<int>{14, 20, 27, 34}));
        QVERIFY(reasonAt(s.skipped, 14).contains("3 answers"));
        QVERIFY(reasonAt(s.skipped, 20).contains("names none"));
        QVERIFY(reasonAt(s.skipped, 27).contains("in order"));
        QVERIFY(reasonAt(s.skipped, 34).contains("no ANSWER"));

        TempDatabase windows(itemsUpTo250());
        const ImportSummary crlf = ItemExchange::importItems(fixture("platform-aiken-crlf.txt"), windows.path(),
                                                             ExchangeFormat::Aiken, false, {0, 1});
        QCOMPARE(crlf.imported, 1);
        QCOMPARE(rowsFrom(windows, 251)[0][Felelet1], QStringLiteral("First line d here."));
    }

    // Questions whose category names no topic take the chosen one, and the chosen level where the
    // category names none either; without a choice they are left out, and nothing without a topic is written.
    void questionsWithoutTopic_data() {
        QTest::addColumn<int>("topic"); // -1: none chosen
        QTest::addColumn<int>("level"); // 0: none chosen
        QTest::addColumn<QStringList>("levels");
        QTest::addColumn<std::vector<int>>("skipped");
        QTest::newRow("no choice") << -1 << 0 << QStringList{"2"} << std::vector<int>{3, 7};
        QTest::newRow("topic") << 4 << 0 << QStringList{"3", "1", "2"} << std::vector<int>{};
        QTest::newRow("topic and level") << 4 << 2 << QStringList{"3", "2", "2"} << std::vector<int>{};
    }

    void questionsWithoutTopic() {
        QFETCH(int, topic);
        QFETCH(int, level);
        QFETCH(QStringList, levels);
        QFETCH(std::vector<int>, skipped);
        QTemporaryDir dir;
        const QString path = dir.filePath("topics.gift");
        writeFile(path, "$CATEGORY: Lexora English/Level 3\n\n"
                        "She {~go =goes ~going ~gone} home.\n\n"
                        "$CATEGORY: $course$/top/Default for English 2\n\n"
                        "He {=can ~cans ~to can ~canning} swim.\n\n"
                        "$CATEGORY: Lexora English/Modals/Level 2\n\n"
                        "You {~must =needn't ~can ~may} come.\n");
        const ReadResult read = ItemExchange::readFile(path, ExchangeFormat::Gift);
        QCOMPARE(ItemExchange::unplaced(read).withoutTopic, 2);
        QCOMPARE(ItemExchange::unplaced(read).withoutLevel, 1);
        TopicChoice choice;
        if (topic >= 0)
            choice.topic = topic;
        if (level > 0)
            choice.level = level;
        TempDatabase db(itemsUpTo250());
        const ImportSummary s = ItemExchange::store(read, db.path(), false, choice);
        QCOMPARE(linesOf(s.skipped), skipped);
        const auto rows = rowsFrom(db, 251);
        QCOMPARE(int(rows.size()), levels.size());
        for (size_t i = 0; i < rows.size(); ++i) {
            QCOMPARE(rows[i][Szint], levels[int(i)]);
            QVERIFY(TopicCatalogue::nameKey(rows[i][Kulcs1], rows[i][Kulcs2]));
        }
        if (topic >= 0)
            QCOMPARE(rows[0][Kulcs1] + rows[0][Kulcs2], TopicCatalogue::topic(topic).kulcs1 + TopicCatalogue::topic(topic).kulcs2.value_or("0"));
    }

    // Importing the same file again adds nothing: each question is already an item of the database.
    void secondImportAddsNothing_data() {
        QTest::addColumn<QString>("file");
        QTest::addColumn<int>("format");
        QTest::addColumn<int>("items");
        QTest::newRow("gift") << "platform-export.gift" << int(ExchangeFormat::Gift) << 4;
        QTest::newRow("xml") << "platform-export.xml" << int(ExchangeFormat::MoodleXml) << 2;
        QTest::newRow("aiken") << "platform-aiken.txt" << int(ExchangeFormat::Aiken) << 2;
    }

    void secondImportAddsNothing() {
        QFETCH(QString, file);
        QFETCH(int, format);
        QFETCH(int, items);
        TempDatabase db(itemsUpTo250());
        QCOMPARE(ItemExchange::importItems(fixture(file), db.path(), ExchangeFormat(format), false, kFirstTopic).imported,
                 items);
        const auto before = db.items().items;
        const ImportSummary again =
            ItemExchange::importItems(fixture(file), db.path(), ExchangeFormat(format), false, kFirstTopic);
        QCOMPARE(again.imported, 0);
        QCOMPARE(again.duplicates.size(), size_t(items));
        QVERIFY2(again.duplicates[0].text.contains("item 251"), qPrintable(again.duplicates[0].text));
        QCOMPARE(db.items().items, before);
        // Put in place of the items, the questions are all new again.
        QCOMPARE(ItemExchange::importItems(fixture(file), db.path(), ExchangeFormat(format), true, kFirstTopic).imported,
                 items);
    }

    // A file does not say its language: each feedback text tells it (Hungarian quotation marks,
    // letters and words), a text that tells nothing takes the category's, and the teacher's choice
    // overrides both. The reason and the note on a wrong answer come in alike.
    void feedbackLanguageComesFromTheTextOrTheTeacher_data() {
        QTest::addColumn<QString>("category");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("choice");
        QTest::addColumn<bool>("hungarian");
        const QString platform = QStringLiteral("$course$/top/Default for course");
        const QString hungarianCategory = QStringLiteral("Lexora English/Ige/1. szint");
        const int fromText = int(FeedbackLanguage::FromText);
        QTest::newRow("Hungarian text under a platform's category")
            << platform << QString::fromUtf8("A „goes” kell, mert egyes szám harmadik személy.") << fromText << true;
        QTest::newRow("Hungarian text ending in English words")
            << platform << QString::fromUtf8("A „have” alakból hiányzik a „to”: would like to have.") << fromText
            << true;
        QTest::newRow("Hungarian words without accents")
            << platform << QStringLiteral("Ez nem jo, mert itt egy ige kell.") << fromText << true;
        QTest::newRow("English text under a Hungarian category")
            << hungarianCategory << QString::fromUtf8("“goes” goes with “she”: the verb takes -s after she.")
            << fromText << false;
        QTest::newRow("a text that tells nothing takes the category's language")
            << hungarianCategory << "see p. 12" << fromText << true;
        QTest::newRow("the same under a platform's category") << platform << "see p. 12" << fromText << false;
        QTest::newRow("the teacher says Hungarian")
            << platform << QStringLiteral("The verb takes -s after she.") << int(FeedbackLanguage::Hungarian) << true;
        QTest::newRow("the teacher says English")
            << platform << QString::fromUtf8("A „goes” kell.") << int(FeedbackLanguage::English) << false;
    }
    void feedbackLanguageComesFromTheTextOrTheTeacher() {
        QFETCH(QString, category);
        QFETCH(QString, text);
        QFETCH(int, choice);
        QFETCH(bool, hungarian);
        QTemporaryDir dir;
        const QString path = dir.filePath("feedback.gift");
        writeFile(path, QStringLiteral("$CATEGORY: %1\n\nShe {~go#%2 =goes ~going ~gone ####%2} home.\n")
                            .arg(category, GiftFormat::escaped(text))
                            .toUtf8());
        TempDatabase db(itemsUpTo250());
        const ImportSummary s = ItemExchange::importItems(path, db.path(), ExchangeFormat::Gift, false,
                                                          TopicChoice{0, 1, FeedbackLanguage(choice)});
        QCOMPARE(s.imported, 1);
        QCOMPARE(s.reasons.hungarian, hungarian ? 1 : 0);
        QCOMPARE(s.reasons.english, hungarian ? 0 : 1);
        QCOMPARE(s.answerNotes.total(), 1);
        QCOMPARE(s.answerNotes.hungarian, hungarian ? 1 : 0);
        const QStringList row = rowsFrom(db, 251).front();
        const Reason reason = reasonOf(db, row);
        QCOMPARE(reason.inLanguage(hungarian), text);
        QCOMPARE(reason.inLanguage(!hungarian), QString());
        const AnswerNotes notes = ReasonTable(SqliteDb::open(db.path()))
                                      .answerNotes()
                                      .find(itemFingerprint(ItemContent{row[Mondat], row[A], row[B], row[C], row[D],
                                                                        row[Felelet2]}));
        QCOMPARE(notes.size(), size_t(1));
        QCOMPARE(notes.at("go").inLanguage(hungarian), text);
        QVERIFY(notes.at("go").byTeacher);
    }

    // A question the file repeats is taken once; one that differs in the key alone is another item.
    void repeatedQuestionIsTakenOnce() {
        QTemporaryDir dir;
        const QString path = dir.filePath("twice.gift");
        writeFile(path, "She {~go =goes ~going ~gone} home.\n\nShe {~go =goes ~going ~gone} home.\n\n"
                        "She {=go ~goes ~going ~gone} home.\n");
        TempDatabase db(itemsUpTo250());
        const ImportSummary s = ItemExchange::importItems(path, db.path(), ExchangeFormat::Gift, true, kFirstTopic);
        QCOMPARE(s.imported, 2);
        QCOMPARE(linesOf(s.duplicates), std::vector<int>{3});
        QVERIFY2(s.duplicates[0].text.contains("line 1"), qPrintable(s.duplicates[0].text));
    }

    // An Aiken file stands one part of a question on a line, and a line's beginning tells its kind: an
    // item whose lines would be read as another kind is left out and reported, never written.
    void aikenLeavesOutWhatWouldBreakTheFile_data() {
        QTest::addColumn<QString>("sentence");
        QTest::addColumn<QString>("answerD");
        QTest::addColumn<QString>("problem"); // empty: the item is written
        QTest::newRow("answer line A)") << "A) first ......" << "d" << "answer line";
        QTest::newRow("answer line b.") << "b. second ......" << "d" << "answer line";
        QTest::newRow("after blanks") << "  C.\n......" << "d" << "answer line";
        QTest::newRow("ANSWER line") << "ANSWER: ...... is it?" << "d" << "ANSWER line";
        QTest::newRow("answer line, lower case") << "answer :......" << "d" << "ANSWER line";
        QTest::newRow("one character") << "x" << "d" << "shorter";
        QTest::newRow("empty answer") << "She ...... home." << " " << "answer D is empty";
        QTest::newRow("letter inside") << "Plan A. is ...... ANSWER: yes" << "d" << "";
        QTest::newRow("answer looks like a line") << "She ...... home." << "B) ANSWER: A" << "";
        QTest::newRow("letter without a stop") << "A ...... day." << "d" << "";
    }

    void aikenLeavesOutWhatWouldBreakTheFile() {
        QFETCH(QString, sentence);
        QFETCH(QString, answerD);
        QFETCH(QString, problem);
        QStringList item = makeItem(2, 20);
        item[Mondat] = sentence;
        item[D] = answerD;
        TempDatabase db({makeItem(1, 10), item});
        QTemporaryDir dir;
        const QString file = dir.filePath("out.txt");
        const ExportSummary s = ItemExchange::exportItems(db.path(), file, ExchangeFormat::Aiken, 16);
        const ReadResult back = ItemExchange::readFile(file, ExchangeFormat::Aiken);
        QVERIFY(back.skipped.empty());
        if (problem.isEmpty()) {
            QVERIFY(s.unsafe.empty());
            QCOMPARE(back.items.size(), size_t(2));
            QCOMPARE(back.items[1].item.answers[3], answerD);
            return;
        }
        QCOMPARE(s.written, 1);
        QCOMPARE(linesOf(s.unsafe), std::vector<int>{2});
        QVERIFY2(s.unsafe[0].text.contains(problem), qPrintable(s.unsafe[0].text));
        QCOMPARE(back.items.size(), size_t(1));
    }

    // A control character cannot travel in every question file (a Moodle XML file cannot hold it at
    // all), so an item holding one would change on a round trip: it is left out coming in and going
    // out, and reported (found by fuzzing).
    void controlCharactersNeitherComeInNorGoOut_data() {
        QTest::addColumn<int>("format");
        QTest::addColumn<QByteArray>("file");
        QTest::newRow("Aiken answer") << int(ExchangeFormat::Aiken)
                                      << QByteArray("She ...... home.\nA. go\nB. go\x0f" "es\nC. going\nD. gone\nANSWER: A\n\n"
                                                    "He ...... home.\nA. go\nB. goes\nC. going\nD. gone\nANSWER: B\n");
        QTest::newRow("GIFT sentence") << int(ExchangeFormat::Gift)
                                       << QByteArray("She \x01{~go =goes ~going ~gone} home.\n\nHe {~go =goes ~going ~gone} home.\n");
        // A byte-order mark inside a text: at the start of a file a reader drops it.
        QTest::newRow("GIFT sentence with a byte-order mark")
            << int(ExchangeFormat::Gift)
            << QByteArray("She \xef\xbb\xbf{~go =goes ~going ~gone} home.\n\nHe {~go =goes ~going ~gone} home.\n");
    }
    void controlCharactersNeitherComeInNorGoOut() {
        QFETCH(int, format);
        QFETCH(QByteArray, file);
        QTemporaryDir dir;
        writeFile(dir.filePath("in.txt"), file);
        const ReadResult read = ItemExchange::readFile(dir.filePath("in.txt"), ExchangeFormat(format));
        QCOMPARE(read.items.size(), size_t(1));
        QCOMPARE(linesOf(read.skipped), std::vector<int>{1});
        QVERIFY2(read.skipped[0].text.contains("control character"), qPrintable(read.skipped[0].text));

        QStringList item = makeItem(2, 20);
        item[B] = QStringLiteral("be\x0f" "ng");
        TempDatabase db({makeItem(1, 10), item});
        const ExportSummary s =
            ItemExchange::exportItems(db.path(), dir.filePath("out.xml"), ExchangeFormat::MoodleXml, 16);
        QCOMPARE(s.written, 1);
        QCOMPARE(linesOf(s.unwritable), std::vector<int>{2});
    }

    // Files that cannot be read at all leave the database as it was, with a message that says why.
    void unreadableFilesChangeNothing() {
        QTemporaryDir dir;
        const QString latin1 = dir.filePath("latin1.gift");
        writeFile(latin1, "A good question {=a ~b ~c ~d}.\n\nCaf\xE9 {=a ~b ~c ~d} here.\n");
        expectRefused(latin1, ExchangeFormat::Gift, false, "line 3");
        expectRefused(latin1, ExchangeFormat::Aiken, true, "not UTF-8");

        const QString broken = dir.filePath("broken.xml");
        writeFile(broken, "<?xml version=\"1.0\"?>\n<quiz>\n<question type=\"multichoice\">\n<name><text>x</name>\n</quiz>\n");
        expectRefused(broken, ExchangeFormat::MoodleXml, true, "line 4");
        const QString strangeEncoding = dir.filePath("encoding.xml");
        writeFile(strangeEncoding, "<?xml version=\"1.0\" encoding=\"x-unknown\"?>\n<quiz></quiz>\n");
        expectRefused(strangeEncoding, ExchangeFormat::MoodleXml, false, "x-unknown");
        const QString notQuiz = dir.filePath("other.xml");
        writeFile(notQuiz, "<?xml version=\"1.0\"?>\n<html><body/></html>\n");
        expectRefused(notQuiz, ExchangeFormat::MoodleXml, false, "<html>");

        // Replacing with nothing would only lose the items.
        const QString empty = dir.filePath("empty.gift");
        writeFile(empty, "// nothing but a comment\n\nThe sky is green.{F}\n");
        expectRefused(empty, ExchangeFormat::Gift, true, "not replaced");
        expectRefused(dir.filePath("missing.gift"), ExchangeFormat::Gift, false, "cannot be read");
    }

    void utf16WithByteOrderMarkIsRead() {
        QTemporaryDir dir;
        const QString path = dir.filePath("utf16.gift");
        QByteArray bytes("\xFF\xFE", 2);
        const QString text = QStringLiteral("Ő is {=here ~hier ~ici ~aquí}.\n");
        bytes.append(reinterpret_cast<const char*>(text.utf16()), text.size() * 2);
        writeFile(path, bytes);
        TempDatabase db(itemsUpTo250());
        QCOMPARE(ItemExchange::importItems(path, db.path(), ExchangeFormat::Gift, false, kFirstTopic).imported, 1);
        QCOMPARE(rowsFrom(db, 251)[0][Felelet1], QStringLiteral("Ő is here."));
    }

    // Questions beyond the 16-bit item numbers: the import is refused whole, from a 50 MB file too.
    void beyondTheItemNumbersNothingIsWritten() {
        QTemporaryDir dir;
        const QString path = dir.filePath("many.gift");
        // About 40,000 long questions, each of its own (the same one twice is one item), make 50 MB.
        const QByteArray longTail = QByteArray(" every day").repeated(130) + ".\n\n";
        QByteArray bytes;
        for (int n = 1; bytes.size() < 50 * 1024 * 1024; ++n)
            bytes += "She {~go =goes ~going ~gone} to school " + QByteArray::number(n) + longTail;
        writeFile(path, bytes);
        expectRefused(path, ExchangeFormat::Gift, true, "item numbers end at 32,767");
        const auto questions = [](int count) {
            QByteArray out;
            for (int n = 1; n <= count; ++n)
                out += "She {~go =goes ~going ~gone} to school on day " + QByteArray::number(n) + ".\n\n";
            return out;
        };

        // After number 32600 there is room for 167 items: 300 are refused whole, 167 fit.
        TempDatabase db({makeItem(1, 10), makeItem(32600, 20)});
        const QString few = dir.filePath("few.gift");
        writeFile(few, questions(300));
        const auto before = db.items().items;
        QVERIFY_THROWS_EXCEPTION(ExchangeError,
                                 ItemExchange::importItems(few, db.path(), ExchangeFormat::Gift, false, kFirstTopic));
        QCOMPARE(db.items().items, before);
        writeFile(few, questions(167));
        QCOMPARE(ItemExchange::importItems(few, db.path(), ExchangeFormat::Gift, false, kFirstTopic).lastNumber, 32767);
    }

    // A failure's numbers are written as its language writes them.
    void failureNumbersInTheWorkingLanguage_data() {
        QTest::addColumn<int>("langcode");
        QTest::addColumn<QString>("text");
        QTest::newRow("en") << 16 << "The file holds 32,767 items, but item numbers end at 32,767 and the highest in";
        QTest::newRow("hu") << 116 << u8"A fájlban 32\u00a0767 mondat van, de a sorszámok 32\u00a0767-ig tartanak";
        QTest::newRow("es") << 216 << u8"El archivo contiene 32.767 oraciones, pero los números terminan en 32.767";
        QTest::newRow("fr") << 316 << u8"Le fichier contient 32\u202f767 fiches, mais les numéros s'arrêtent à 32\u202f767";
    }

    void failureNumbersInTheWorkingLanguage() {
        QFETCH(int, langcode);
        QFETCH(QString, text);
        const ExchangeError error(exchangetext::noRoomForNumbers, {32767, 32767, 250, 32517});
        QVERIFY2(error.in(langcode).startsWith(text), qPrintable(error.in(langcode)));
    }

    // Every failure text keeps to the program's word for an item and to French typography.
    void failureTextsKeepTheRules() {
        using namespace exchangetext;
        static const QRegularExpression ordinarySpaceBeforeMark(QStringLiteral(" [:;?!]"));
        for (const Translated& text : {cannotRead, tooLarge, badUtf16, notUtf8, cannotWrite, notQuiz, badXml, noQuiz,
                                       tooFewPlaces, nothingToReplaceWith, noRoomForNumbers}) {
            const QString fr = text.in(316);
            QVERIFY2(!fr.contains(ordinarySpaceBeforeMark), qPrintable(fr));
            QVERIFY2(!fr.contains("exercice") && !fr.contains("phrase"), qPrintable(fr));
            QVERIFY2(!text.in(216).contains("ejercicio"), text.es);
            QVERIFY2(!text.in(116).contains("feladat"), text.hu);
        }
    }

    void oversizedFileIsRefusedBeforeReading() {
        QTemporaryDir dir;
        const QString path = dir.filePath("huge.xml");
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        QVERIFY(file.resize(TextFile::kMaxBytes + 1));
        file.close();
        expectRefused(path, ExchangeFormat::MoodleXml, false, "MB");
    }

    void readOnlyDatabaseIsNotWritten() {
        TempDatabase db(itemsUpTo250());
        const auto before = db.items().items;
        db.setReadOnly();
        QVERIFY_THROWS_EXCEPTION(StoreError, ItemExchange::importItems(fixture("platform-aiken.txt"), db.path(),
                                                                       ExchangeFormat::Aiken, true, kFirstTopic));
        db.setReadOnly(false);
        QCOMPARE(db.items().items, before);
    }
};

QTEST_GUILESS_MAIN(TestExchangeImport)
#include "test_exchange_import.moc"
