// SPDX-FileCopyrightText: 2026 The Lexora English developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "data/itembank.h"
#include "data/itemstore.h"
#include "data/topics.h"

#include "core/tempdatabase.h"

#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <map>
#include <set>

using namespace lexora;

namespace {

struct ToolRun {
    int exitCode;
    QString output;
};

ToolRun runTool(const QStringList& args) {
    QProcess tool;
    tool.setProcessChannelMode(QProcess::MergedChannels);
    tool.start(qEnvironmentVariable("LEXORA_ITEMS_TOOL"), args);
    tool.waitForFinished(60000);
    return {tool.exitCode(), QString::fromUtf8(tool.readAll())};
}

QString bankPath(const QString& bank) {
    return QStringLiteral(LEXORA_ITEMS_DIR "/%1.tsv").arg(bank);
}

ItemBank shipped(const QString& bank) {
    std::vector<BankProblem> problems;
    ItemBank items = ItemBank::readText(bankPath(bank), problems);
    if (!problems.empty())
        qFatal("%s: line %d: %s", qPrintable(bank), problems.front().line, qPrintable(problems.front().message));
    return items;
}

void writeBank(const QString& path, const QString& body) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write((ItemBank::header().join('\t') + '\n' + body).toUtf8());
}

} // namespace

class TestItemBanks : public QObject {
    Q_OBJECT

private slots:
    void toolPassesEveryShippedBank() {
        // Every shipped item explains its answer in both languages, and every topic has its notes.
        const ToolRun big = runTool(
            {"check", "--min-per-topic", "12", "--spreads", "--fresh", "--reasons", "--notes", bankPath("en_data1")});
        QVERIFY2(big.exitCode == 0, qPrintable(big.output));
        QVERIFY2(big.output.contains("550 items, each with both reasons"), qPrintable(big.output));
        QVERIFY2(big.output.contains("notes: 92 grammar notes, no problems"), qPrintable(big.output));
        const ToolRun small = runTool({"check", "--min-per-topic", "2", "--spreads", "--fresh", "--reasons",
                                       bankPath("enpool1d"), bankPath("en_data2"), bankPath("en_data3")});
        QVERIFY2(small.exitCode == 0, qPrintable(small.output));
        QCOMPARE(small.output.count("69 items, each with both reasons"), 3);
    }

    // Every wrong answer of every shipped item has its note in both languages, each quoting its answer.
    void toolPassesEveryShippedBankWithItsNotes() {
        const ToolRun run = runTool({"check", "--reasons", "--answer-notes", bankPath("en_data1"), bankPath("enpool1d"),
                                     bankPath("en_data2"), bankPath("en_data3")});
        QVERIFY2(run.exitCode == 0, qPrintable(run.output.left(2000)));
        QCOMPARE(run.output.count("each wrong answer with its notes in both languages, no problems"), 4);
    }

    // The notes of an item: note K explains its K-th wrong answer in letter order, at most 120
    // characters, quoting that answer as the language quotes.
    void toolChecksTheNotes_data() {
        QTest::addColumn<QStringList>("notes"); // note1_en note2_en note3_en note1_hu note2_hu note3_hu
        QTest::addColumn<QString>("problem");   // empty: none
        const QStringList good{u8"“is” goes with he.", u8"“are” goes with we.", u8"“be” needs a modal.",
                               u8"Az „is” a he mellé kell.", u8"Az „are” a we mellé kell.", u8"A „be” elé módbeli ige kell."};
        QTest::newRow("good") << good << QString();
        QStringList missing = good;
        missing[4].clear();
        QTest::newRow("missing") << missing << "note2_hu is missing";
        QStringList tooLong = good;
        tooLong[2] = u8"“be” " + QString(116, 'x');
        QTest::newRow("too long") << tooLong << "note3_en has 121 characters; at most 120";
        QStringList plainQuotes = good;
        plainQuotes[0] = "\"is\" goes with he.";
        QTest::newRow("not quoted") << plainQuotes << u8"note1_en does not quote its answer as “is”";
        QStringList englishQuotes = good;
        englishQuotes[3] = u8"Az “is” a he mellé kell.";
        QTest::newRow("Hungarian with English quotes") << englishQuotes << u8"note1_hu does not quote its answer as „is”";
        QStringList swapped = good;
        swapped.swapItemsAt(0, 1);
        QTest::newRow("not in letter order") << swapped << u8"note1_en does not quote its answer as “is”";
    }
    void toolChecksTheNotes() {
        QFETCH(QStringList, notes);
        QFETCH(QString, problem);
        QTemporaryDir dir;
        const QString path = dir.filePath("notes.tsv");
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write((ItemBank::headerWithNotes().join('\t') + "\n1\t1\t10\t1\tI ...... here.\tam\tis\tare\tbe\tI am here.\tA"
                    "\t1\ta\t“am” is for I.\tAz „am” az I mellé kell.\t" + notes.join('\t') + '\n')
                       .toUtf8());
        file.close();
        const ToolRun run = runTool({"check", "--reasons", "--answer-notes", path});
        QCOMPARE(run.exitCode, problem.isEmpty() ? 0 : 1);
        QVERIFY2(run.output.contains(problem.isEmpty() ? "no problems" : ":2: " + problem), qPrintable(run.output));
        if (!problem.isEmpty())
            return;
        // The build puts each note beside its answer, and the export writes them back as they were.
        QCOMPARE(runTool({"build", path, dir.filePath("notes.mdb")}).exitCode, 0);
        const ItemBank back = ItemBank::readDatabase(dir.filePath("notes.mdb"));
        QCOMPARE(back.notesOf(0)[1].english, notes[1]);
        QCOMPARE(back.notesOf(0)[2].hungarian, notes[5]);
        QCOMPARE(runTool({"export", dir.filePath("notes.mdb"), dir.filePath("out.tsv")}).exitCode, 0);
        QFile out(dir.filePath("out.tsv"));
        QVERIFY(out.open(QIODevice::ReadOnly));
        QVERIFY(QString::fromUtf8(out.readAll()).endsWith(notes.join('\t') + '\n'));
    }

    void toolReportsEachBadLineByNumber() {
        QTemporaryDir dir;
        const QString path = dir.filePath("bad.tsv");
        // line 2 good; 3 level 4 and felelet2 "E"; 4 no gap; 5 answers repeat; 6 too few fields;
        // 7 key pair naming no topic; 8 duplicate sorszam and sorrend2 out of range
        writeBank(path, "1\t1\t10\t1\tI ...... here.\tam\tis\tare\tbe\tI am here.\tA\t1\ta\n"
                        "2\t2\t20\t4\tI ...... here.\tam\tis\tare\tbe\tI am here.\tE\t1\ta\n"
                        "3\t3\t30\t1\tI am here.\tam\tis\tare\tbe\tI am here.\tA\t1\ta\n"
                        "4\t4\t40\t1\tWe ...... here.\tare\tAre\tis\tbe\tWe are here.\tA\t1\ta\n"
                        "5\t5\t50\t1\tshort line\n"
                        "6\t6\t60\t1\tYou ...... here.\tare\tis\tam\tbe\tYou are here.\tA\ta\t5\n"
                        "1\t7\t3001\t1\tThey ...... here.\tare\tis\tam\tbe\tThey is here.\tA\t1\ta\n");
        const ToolRun run = runTool({"check", path});
        QCOMPARE(run.exitCode, 1);
        for (const char* expected : {":3: szint must be 1, 2 or 3", ":3: felelet2 must be one of A, B, C, D",
                                     ":4: the sentence has no gap", ":5: the four answers are not all different",
                                     ":6: 5 fields instead of 13", ":7: kulcs1 \"a\" and kulcs2 \"5\" name no topic",
                                     ":8: sorrend2 must lie in 1 to 3000", ":8: sorszam \"1\" is already used on line 2",
                                     ":8: felelet1 is not the sentence with answer A filled in"})
            QVERIFY2(run.output.contains(QLatin1String(expected)), qPrintable(expected + ("\n" + run.output)));
        QVERIFY(!run.output.contains(":2:"));
        QVERIFY(!QFile::exists(dir.filePath("bad.mdb")));
        QCOMPARE(runTool({"build", path, dir.filePath("bad.mdb")}).exitCode, 1);
        QVERIFY(!QFile::exists(dir.filePath("bad.mdb")));
    }

    void buildExportImportRoundTrip() {
        QTemporaryDir dir;
        const QString db = dir.filePath("en_data1.mdb");
        QCOMPARE(runTool({"build", QStringLiteral(LEXORA_FIXTURES_DIR "/items.tsv"), db}).exitCode, 0);
        QCOMPARE(LiveView::open(db, "hiba1")->count(), 1); // the placeholder row
        QCOMPARE(runTool({"export", db, dir.filePath("out.tsv")}).exitCode, 0);
        std::vector<BankProblem> problems;
        const ItemBank exported = ItemBank::readText(dir.filePath("out.tsv"), problems);
        QVERIFY(problems.empty());
        QCOMPARE(exported.items, lexora::testing::fixtureBank().items);

        writeBank(dir.filePath("one.tsv"), "1\t1\t10\t1\tI ...... here.\tam\tis\tare\tbe\tI am here.\tA\t1\ta\n");
        QCOMPARE(runTool({"import", dir.filePath("one.tsv"), db}).exitCode, 0);
        QCOMPARE(LiveView::open(db, "test1")->count(), 1);
        QCOMPARE(LiveView::open(db, "hiba1")->count(), 1);
        QCOMPARE(runTool({"import", dir.filePath("one.tsv"), dir.filePath("missing.mdb")}).exitCode, 1);
        QVERIFY(!QFile::exists(dir.filePath("missing.mdb")));
    }

    // The shipped banks as a course needs them: sizes, topics, levels and letters.
    void shippedBanksHaveTheirShape_data() {
        QTest::addColumn<QString>("bank");
        QTest::addColumn<int>("minimumItems");
        QTest::addColumn<int>("minimumPerTopic");
        QTest::addRow("en_data1") << "en_data1" << 550 << 12;
        QTest::addRow("enpool1d") << "enpool1d" << 60 << 2;
        QTest::addRow("en_data2") << "en_data2" << 60 << 2;
        QTest::addRow("en_data3") << "en_data3" << 60 << 2;
    }
    void shippedBanksHaveTheirShape() {
        QFETCH(QString, bank);
        QFETCH(int, minimumItems);
        QFETCH(int, minimumPerTopic);
        const ItemBank items = shipped(bank);
        QVERIFY(int(items.items.size()) >= minimumItems);
        std::map<int, int> perTopic;
        std::map<int, std::set<QString>> levelsPerTopic;
        std::map<QString, int> letters;
        std::map<QString, int> levels;
        for (const QStringList& item : items.items) {
            const auto key = TopicCatalogue::nameKey(item[11], item[12]);
            QVERIFY(key.has_value());
            for (int t = 0; t < TopicCatalogue::count; ++t) {
                if (TopicCatalogue::topic(t).captionKey == *key) {
                    perTopic[t]++;
                    levelsPerTopic[t].insert(item[3]);
                }
            }
            letters[item[10]]++;
            levels[item[3]]++;
            // The solution is the sentence with the right answer in the gap.
            QString filled = item[4];
            filled.replace(kGap, item[5 + QStringLiteral("ABCD").indexOf(item[10])]);
            QCOMPARE(filled.mid(1), item[9].mid(1));
        }
        for (int t = 0; t < TopicCatalogue::count; ++t) {
            QVERIFY2(perTopic[t] >= minimumPerTopic, qPrintable(QString("topic %1").arg(t)));
            QVERIFY2(levelsPerTopic[t].size() >= 2, qPrintable(QString("topic %1 has one level").arg(t)));
        }
        const double n = double(items.items.size());
        for (const QString& letter : {"A", "B", "C", "D"})
            QVERIFY(letters[letter] / n >= 0.20 && letters[letter] / n <= 0.30);
        QVERIFY(levels["1"] / n > 0.32 && levels["1"] / n < 0.48);
        QVERIFY(levels["2"] / n > 0.27 && levels["2"] / n < 0.43);
        QVERIFY(levels["3"] / n > 0.17 && levels["3"] / n < 0.33);
        if (bank == "en_data1") {
            // Verbs in general and the verb topics carry the most items.
            for (int t = 11; t < TopicCatalogue::count; ++t)
                QVERIFY(perTopic[0] > perTopic[t] && perTopic[1] > perTopic[t]);
        }
    }

    void banksDoNotShareSentences() {
        std::map<QString, QString> seen;
        for (const QString bank : {"en_data1", "enpool1d", "en_data2", "en_data3"}) {
            for (const QStringList& item : shipped(bank).items) {
                const QString sentence = item[4].simplified().toLower();
                const auto [it, fresh] = seen.emplace(sentence, bank);
                QVERIFY2(fresh, qPrintable(QString("\"%1\" is in %2 and %3").arg(item[4], it->second, bank)));
            }
        }
    }
};

QTEST_GUILESS_MAIN(TestItemBanks)
#include "test_itembanks.moc"
