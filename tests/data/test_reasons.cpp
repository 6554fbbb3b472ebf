// SPDX-FileCopyrightText: 2026 The Lexora English developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Reasons of the items: the content fingerprint they are keyed by, the table in the item file,
// the text form of the banks, and the checks the shipped banks must pass.

#include "data/itembank.h"
#include "data/itemfingerprint.h"
#include "data/itemstore.h"
#include "data/reasons.h"

#include "core/rawsql.h"
#include "core/tempdatabase.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

Q_DECLARE_METATYPE(lexora::ItemContent)

using namespace lexora;
using namespace lexora::testing;

namespace {

const ItemContent kContent{QStringLiteral("I ...... here."), QStringLiteral("am"), QStringLiteral("is"),
                           QStringLiteral("are"), QStringLiteral("be"), QStringLiteral("A")};

ItemContent contentOf(const QStringList& row) {
    return ItemContent{row[4], row[5], row[6], row[7], row[8], row[10]};
}

QString writeBankText(const QTemporaryDir& dir, const QString& header, const QString& body) {
    const QString path = dir.filePath(QStringLiteral("bank.tsv"));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        qFatal("cannot write %s", qPrintable(path));
    file.write((header + '\n' + body).toUtf8());
    return path;
}

const QString kItemLine = QStringLiteral("1\t1\t10\t1\tI ...... here.\tam\tis\tare\tbe\tI am here.\tA\t1\ta");

} // namespace

class TestReasons : public QObject {
    Q_OBJECT

private slots:
    void fingerprintFollowsTheContent_data() {
        QTest::addColumn<ItemContent>("other");
        QTest::addColumn<bool>("same");
        ItemContent keyInLowerCase = kContent;
        keyInLowerCase.key = QStringLiteral("a");
        QTest::newRow("same content") << kContent << true;
        QTest::newRow("key in lower case") << keyInLowerCase << true;
        ItemContent spaced = kContent;
        spaced.sentence.prepend(QLatin1Char(' ')); // as the failed items keep it
        spaced.a += QLatin1Char(' ');
        QTest::newRow("spaces around fields") << spaced << true;
        ItemContent sentence = kContent;
        sentence.sentence.replace(QStringLiteral("I"), QStringLiteral("We"));
        QTest::newRow("sentence edited") << sentence << false;
        ItemContent answer = kContent;
        answer.c = QStringLiteral("art");
        QTest::newRow("an answer edited") << answer << false;
        ItemContent key = kContent;
        key.key = QStringLiteral("B");
        QTest::newRow("key changed") << key << false;
        // Fields that run together must not give the same text: "ab"+"c" is not "a"+"bc".
        ItemContent shifted = kContent;
        shifted.a = QStringLiteral("ami");
        shifted.b = QStringLiteral("s");
        QTest::newRow("text moved between answers") << shifted << false;
    }
    void fingerprintFollowsTheContent() {
        QFETCH(ItemContent, other);
        QFETCH(bool, same);
        const QString fingerprint = itemFingerprint(kContent);
        QCOMPARE(fingerprint.size(), 16);
        QCOMPARE(itemFingerprint(other) == fingerprint, same);
    }

    void tableIsMadeOnFirstWriteAndTheFileStaysAnItemFile() {
        TempDatabase db;
        rawSql(db.path(), "DROP TABLE IF EXISTS reasons");
        {
            const ItemStore store = ItemStore::open(db.path());
            QVERIFY(!store.reasons().exists());
            QVERIFY(!store.reasons().find(itemFingerprint(kContent)));
            store.reasons().write(itemFingerprint(kContent), Reason{" Because. ", "Mert.", true});
        }
        // Reopened through every check an item file passes.
        const ItemStore store = ItemStore::open(db.path());
        const std::optional<Reason> found = store.reasons().find(itemFingerprint(kContent));
        QVERIFY(found);
        QCOMPARE(found->english, QString("Because."));
        QCOMPARE(found->hungarian, QString("Mert."));
        QVERIFY(found->byTeacher);
        // An empty reason removes it.
        store.reasons().write(itemFingerprint(kContent), Reason{});
        QVERIFY(!store.reasons().find(itemFingerprint(kContent)));
    }

    void onlyATeachersReasonFollowsAnEdit() {
        TempDatabase db;
        const ItemStore store = ItemStore::open(db.path());
        ItemContent edited = kContent;
        edited.sentence = QStringLiteral("You ...... here.");
        ItemContent other = kContent;
        other.sentence = QStringLiteral("We ...... here.");
        ItemContent otherEdited = other;
        otherEdited.a = QStringLiteral("are not");
        const ReasonTable reasons = store.reasons();
        reasons.write(itemFingerprint(kContent), Reason{"teacher", "tanár", true});
        reasons.write(itemFingerprint(other), Reason{"shipped", "gyári", false});
        reasons.follow(itemFingerprint(kContent), itemFingerprint(edited));
        reasons.follow(itemFingerprint(other), itemFingerprint(otherEdited));
        QCOMPARE(reasons.find(itemFingerprint(edited)).value_or(Reason{}).english, QString("teacher"));
        QVERIFY(!reasons.find(itemFingerprint(otherEdited)));
    }

    void aTableOfAnotherShapeHoldsNoReasons() {
        TempDatabase db;
        rawSql(db.path(), "DROP TABLE IF EXISTS reasons; CREATE TABLE reasons (x INTEGER); INSERT INTO reasons VALUES (1);"
                          "DROP TABLE IF EXISTS answer_notes; CREATE TABLE answer_notes (fingerprint TEXT);"
                          "INSERT INTO answer_notes VALUES ('x')");
        const ItemStore store = ItemStore::open(db.path());
        QVERIFY(!store.reasons().find(itemFingerprint(kContent)));
        QVERIFY(store.reasons().answerNotes().find(itemFingerprint(kContent)).empty());
    }

    // A teacher's note goes on with its answer when the teacher edits the item's other answers or
    // its sentence; a shipped note does not, nor does a note whose answer was edited or became right.
    void aTeachersNoteFollowsItsAnswer_data() {
        QTest::addColumn<QString>("field"); // what the edit changes
        QTest::addColumn<QString>("value");
        QTest::addColumn<QStringList>("kept"); // answers whose note the edited item has
        QTest::newRow("sentence") << "sentence" << "You ...... there." << QStringList{"are", "is"};
        QTest::newRow("another answer") << "d" << "was" << QStringList{"are", "is"};
        QTest::newRow("the answer itself") << "b" << "iss" << QStringList{"are"};
        QTest::newRow("the key, to the noted answer") << "key" << "B" << QStringList{"are"};
    }
    void aTeachersNoteFollowsItsAnswer() {
        QFETCH(QString, field);
        QFETCH(QString, value);
        QFETCH(QStringList, kept);
        TempDatabase db;
        const AnswerNoteTable notes = ItemStore::open(db.path()).reasons().answerNotes();
        const QString fingerprint = itemFingerprint(kContent);
        notes.writeAll({{fingerprint, kContent.b, AnswerNote{"b", "b", true}},
                        {fingerprint, kContent.c, AnswerNote{"c", "c", true}},
                        {fingerprint, kContent.d, AnswerNote{"d", "d", false}}});
        ItemContent edited = kContent;
        QString* fields[] = {&edited.sentence, &edited.b, &edited.d, &edited.key};
        const QStringList names{"sentence", "b", "d", "key"};
        *fields[names.indexOf(field)] = value;
        notes.follow(kContent, edited);
        QStringList found;
        for (const auto& [answer, note] : notes.find(itemFingerprint(edited)))
            found << answer;
        QCOMPARE(found, kept);
    }

    void bankTextCarriesReasonsAndOlderTextStillReads() {
        QTemporaryDir dir;
        std::vector<BankProblem> problems;
        const ItemBank old = ItemBank::readText(writeBankText(dir, ItemBank::header().join('\t'), kItemLine), problems);
        QVERIFY(problems.empty());
        QCOMPARE(old.items.size(), size_t(1));
        QVERIFY(old.reasonOf(0).isEmpty());

        const ItemBank bank = ItemBank::readText(
            writeBankText(dir, ItemBank::headerWithReasons().join('\t'), kItemLine + "\t“am” after I.\t„am” az I után."),
            problems);
        QVERIFY(problems.empty());
        QCOMPARE(bank.reasonOf(0).english, QString("“am” after I."));

        // Written out and read back; built into a database and read back from it.
        bank.writeText(dir.filePath("again.tsv"));
        QCOMPARE(ItemBank::readText(dir.filePath("again.tsv"), problems).reasonOf(0).hungarian,
                 QString("„am” az I után."));
        bank.createDatabase(dir.filePath("built.mdb"));
        const ItemBank fromDatabase = ItemBank::readDatabase(dir.filePath("built.mdb"));
        QCOMPARE(fromDatabase.reasonOf(0).english, QString("“am” after I."));
        QVERIFY(!ItemStore::open(dir.filePath("built.mdb"))
                     .reasons()
                     .find(itemFingerprint(contentOf(bank.items[0])))
                     ->byTeacher);
    }

    void checkRefusesReasonsThatDoNotExplain_data() {
        QTest::addColumn<QString>("english");
        QTest::addColumn<QString>("hungarian");
        QTest::addColumn<QString>("problem");
        const QString longText = QString("“am” ") + QString(240, QChar('x'));
        QTest::newRow("fine") << "“am” after I." << "„am” az I után." << "";
        QTest::newRow("English missing") << "" << "„am” az I után." << "reason_en is missing";
        QTest::newRow("Hungarian missing") << "“am” after I." << " " << "reason_hu is missing";
        QTest::newRow("too long") << longText << "„am” az I után." << "reason_en has 245 characters; at most 240";
        QTest::newRow("right answer not quoted") << "“is” after I." << "„am” az I után."
                                                 << "reason_en does not quote the right answer \"am\"";
    }
    void checkRefusesReasonsThatDoNotExplain() {
        QFETCH(QString, english);
        QFETCH(QString, hungarian);
        QFETCH(QString, problem);
        ItemBank bank;
        bank.items.push_back(kItemLine.split('\t'));
        bank.reasons.push_back(Reason{english, hungarian, false});
        BankProfile shipped;
        shipped.reasonsRequired = true;
        const std::vector<BankProblem> problems = bank.check(shipped);
        QStringList messages;
        for (const BankProblem& p : problems)
            messages << p.message;
        QCOMPARE(messages.join(" | "), problem);
        // A bank that need not carry reasons still checks the ones it has.
        if (!english.isEmpty() && !hungarian.trimmed().isEmpty())
            QCOMPARE(bank.check().size(), problems.size());
    }
};

QTEST_GUILESS_MAIN(TestReasons)
#include "test_reasons.moc"
