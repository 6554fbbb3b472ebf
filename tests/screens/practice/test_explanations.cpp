// SPDX-FileCopyrightText: 2026 The Lexora English developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Explanations where learners meet them: the reason of an item in Practice and in the review,
// the shipped reasons shown for a learner's older copy, a teacher's own reason from the
// Database screen, and the Grammar window.

#include "practicedriver.h"

#include "app/explanationlabel.h"
#include "app/spokentexts.h"
#include "data/itemstore.h"
#include "screens/grammar/grammarscreen.h"
#include "text/captions.h"

#include "core/rawsql.h"

#include <QLineEdit>
#include <QListWidget>
#include <QTextBrowser>

using namespace lexora;
using namespace lexora::testing;

namespace {

// The first item of the shipped bank: "...... there a post office near here?", right answer A ("is").
constexpr int kItem = 1;
constexpr char kRight = 'A';
constexpr char kWrong = 'B';

ItemBank shippedBank() {
    std::vector<BankProblem> problems;
    return ItemBank::readText(QStringLiteral(LEXORA_ITEMS_DIR "/en_data1.tsv"), problems);
}

int highestNumber(const ItemBank& bank) {
    int highest = 0;
    for (const QStringList& item : bank.items)
        highest = std::max(highest, item[0].toInt());
    return highest;
}

ItemContent contentOf(const QStringList& r) {
    return ItemContent{r[4], r[5], r[6], r[7], r[8], r[10]};
}

// Notes made for these tests on the wrong answers of the first item ("has", "does", "are"), in letter order.
BankNotes firstItemNotes() {
    return {AnswerNote{u8"“has” tells what someone owns, not what exists.", u8"A „has” birtoklást fejez ki, nem létezést.",
                       false},
            AnswerNote{u8"“does” cannot stand before “there” to ask about existence.",
                       u8"A „does” nem állhat a „there” előtt létezést kérdezve.", false},
            AnswerNote{u8"“are” is plural, but “a post office” is one.", u8"Az „are” többes számú, de egy postáról van szó.",
                       false}};
}

// Writes into the file at `path` the reasons of the bank's first two items and the notes above.
void writeExplanations(const QString& path, const ItemBank& bank) {
    const ReasonTable table = ItemStore::open(path).reasons();
    table.writeAll({{itemFingerprint(contentOf(bank.items[0])), bank.reasonOf(0)},
                    {itemFingerprint(contentOf(bank.items[1])), bank.reasonOf(1)}});
    const QString fingerprint = itemFingerprint(contentOf(bank.items[0]));
    const std::vector<QString> wrong = wrongAnswers(contentOf(bank.items[0]));
    std::vector<AnswerNoteRow> rows;
    for (size_t k = 0; k < 3; ++k)
        rows.push_back({fingerprint, wrong[k], firstItemNotes()[k]});
    table.answerNotes().writeAll(rows);
}

// A learner's copy of en_data1 made before reasons and notes existed, and the installed copy of
// the bank as this release ships it, in a folder of its own.
struct OldCopy {
    OldCopy() : bank(shippedBank()), f(bank.items) {
        bank.createDatabase(installed.filePath(QStringLiteral("en_data1.mdb")));
        writeExplanations(installed.filePath(QStringLiteral("en_data1.mdb")), bank);
        rawSql(f.database().path(), "DROP TABLE reasons");
        rawSql(f.database().path(), "DROP TABLE answer_notes");
        f.program().context().explanations.setShippedDir(installed.path());
    }
    ItemBank bank;
    QTemporaryDir installed;
    ProgramFixture f;
};

ExplanationLabel* explanation(ProgramFixture& f, ScreenId id) {
    return f.child<ExplanationLabel>(id, QStringLiteral("explanation"));
}

// The shown reason; empty while the area is hidden.
QString shownReason(ProgramFixture& f, ScreenId id) {
    ExplanationLabel* area = explanation(f, id);
    return shown(area) ? area->text() : QString();
}

class DatabaseWindow {
public:
    explicit DatabaseWindow(ProgramFixture& fixture) : f(fixture) {
        f.show(ScreenId::Database);
        click("Command10");
    }
    void click(const char* name) { QTest::mouseClick(f.child<QPushButton>(ScreenId::Database, name), Qt::LeftButton); }
    void find(int sorszam) {
        f.platform().answerInput(QStringLiteral("sorszam = %1").arg(sorszam));
        click("Command5");
    }
    void type(const char* name, const QString& text) {
        QLineEdit* box = f.child<QLineEdit>(ScreenId::Database, name);
        box->setText(text);
        emit box->textEdited(text);
    }
    void writeReason(const QString& english, const QString& hungarian) {
        f.platform().answerReason(ReasonDialogAnswer{english, hungarian, {}});
        f.child<QAction>(ScreenId::Database, "mnuReason")->trigger();
    }
    // Opens the Explanations dialog and answers it with what it showed, the note on wrong answer
    // `k` replaced by `note`.
    void writeNote(size_t k, const NoteTexts& note) {
        f.platform().answerReason(std::nullopt);
        f.child<QAction>(ScreenId::Database, "mnuReason")->trigger();
        ReasonDialogSetup shown = f.platform().reasonDialogs.back();
        shown.notes[k] = note;
        f.platform().answerReason(ReasonDialogAnswer{shown.english, shown.hungarian, shown.notes});
        f.child<QAction>(ScreenId::Database, "mnuReason")->trigger();
    }
    void close() {
        click("Command2");
        ProgramFixture::settle();
    }
    ProgramFixture& f;
};

QString practiseItem(ProgramFixture& f, int langcode, char letter, int highest) {
    PracticeDriver p(f, langcode);
    p.startRandom(kItem, highest);
    p.choose(letter);
    const QString reason = shownReason(f, ScreenId::Practice);
    p.click(6);
    ProgramFixture::settle();
    return reason;
}

} // namespace

class TestExplanations : public QObject {
    Q_OBJECT

private slots:
    void init() { ProgramFixture::settle(); }

    void practiceShowsTheReasonInTheWorkingLanguage_data() {
        QTest::addColumn<int>("langcode");
        QTest::addColumn<bool>("hungarian");
        QTest::addColumn<QString>("said"); // how screen readers are told the reason
        QTest::newRow("Hungarian") << int(LangCode::Hungarian) << true << QString::fromUtf8("Magyarázat: ");
        QTest::newRow("English") << int(LangCode::English) << false << "Explanation: ";
        QTest::newRow("Spanish reads the English reason")
            << int(LangCode::Spanish) << false << QString::fromUtf8("Explicación: ");
        QTest::newRow("French reads the English reason")
            << int(LangCode::French) << false << QString::fromUtf8("Explication\u00a0: ");
    }
    void practiceShowsTheReasonInTheWorkingLanguage() {
        QFETCH(int, langcode);
        QFETCH(bool, hungarian);
        QFETCH(QString, said);
        const ItemBank bank = shippedBank();
        ProgramFixture f(bank.items);
        ItemStore::open(f.database().path()).reasons().writeAll([&] {
            std::vector<std::pair<QString, Reason>> all;
            for (size_t i = 0; i < bank.items.size(); ++i) {
                const QStringList& r = bank.items[i];
                all.emplace_back(itemFingerprint(ItemContent{r[4], r[5], r[6], r[7], r[8], r[10]}), bank.reasonOf(i));
            }
            return all;
        }());
        const QString expected = bank.reasonOf(0).inLanguage(hungarian);
        PracticeDriver p(f, langcode);
        p.startRandom(kItem, highestNumber(bank));
        QCOMPARE(shownReason(f, ScreenId::Practice), QString()); // nothing before a choice
        QStringList& spoken = f.platform().spoken;
        p.choose(kWrong);
        QVERIFY(p.shows(20));
        QCOMPARE(shownReason(f, ScreenId::Practice), expected);
        // Each verdict is followed by its reason, said in the working language's words.
        QCOMPARE(spoken.last(), said + expected.simplified());
        spoken.clear();
        p.choose(kRight);
        QCOMPARE(shownReason(f, ScreenId::Practice), expected);
        QCOMPARE(spoken, QStringList(said + expected.simplified()));
        // The next item clears it; Solution shows that item's reason, said after the solution.
        f.platform().queueDraws({ScriptedPlatform::drawFor(2, highestNumber(bank))});
        p.click(10);
        QCOMPARE(shownReason(f, ScreenId::Practice), QString());
        spoken.clear();
        p.click(1);
        QCOMPARE(shownReason(f, ScreenId::Practice), bank.reasonOf(1).inLanguage(hungarian));
        QCOMPARE(spoken.size(), 2);
        QCOMPARE(spoken[1], said + bank.reasonOf(1).inLanguage(hungarian).simplified());
        // The area lies wholly inside the window and never covers a control of the screen.
        const QRect area = explanation(f, ScreenId::Practice)->geometry();
        QVERIFY(p.screen->canvas()->rect().contains(area));
        QVERIFY(p.screen->rect().contains(p.screen->canvas()->geometry()));
        for (QWidget* control : p.screen->canvas()->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly))
            QVERIFY2(control == explanation(f, ScreenId::Practice) || !control->geometry().intersects(area),
                     qPrintable(control->objectName()));
    }

    // After a wrong choice the note on that answer stands above the reason, and screen readers
    // hear it right after the verdict; another wrong choice brings its own note, a right one or
    // the solution the reason alone. Hungarian reads the Hungarian notes, the others the English.
    void aWrongChoiceShowsItsNoteThenTheReason_data() {
        QTest::addColumn<int>("langcode");
        QTest::addColumn<bool>("hungarian");
        QTest::addColumn<QString>("said");
        QTest::newRow("Hungarian") << int(LangCode::Hungarian) << true << QString::fromUtf8("Magyarázat: ");
        QTest::newRow("English") << int(LangCode::English) << false << "Explanation: ";
        QTest::newRow("French reads the English notes")
            << int(LangCode::French) << false << QString::fromUtf8("Explication\u00a0: ");
    }
    void aWrongChoiceShowsItsNoteThenTheReason() {
        QFETCH(int, langcode);
        QFETCH(bool, hungarian);
        QFETCH(QString, said);
        const ItemBank bank = shippedBank();
        ProgramFixture f(bank.items);
        writeExplanations(f.database().path(), bank);
        const QString reason = bank.reasonOf(0).inLanguage(hungarian);
        const auto note = [&](size_t k) { return firstItemNotes()[k].inLanguage(hungarian); };
        PracticeDriver p(f, langcode);
        p.startRandom(kItem, highestNumber(bank));
        QStringList& spoken = f.platform().spoken;
        spoken.clear();
        p.choose('B');
        QCOMPARE(shownReason(f, ScreenId::Practice), note(0) + '\n' + reason);
        QCOMPARE(spoken, QStringList(note(0) + ' ' + said + reason.simplified()));
        QCOMPARE(f.platform().announcements.last(), QStringLiteral("Label20: ") + SpokenTexts::wrong(langcode));
        p.choose('D');
        QCOMPARE(shownReason(f, ScreenId::Practice), note(2) + '\n' + reason);
        p.choose(kRight);
        QCOMPARE(shownReason(f, ScreenId::Practice), reason);
        QCOMPARE(spoken.last(), said + reason.simplified());
        p.choose('C');
        p.click(1); // Solution
        QCOMPARE(shownReason(f, ScreenId::Practice), reason);
    }

    // The review explains as Practice does, after a retry or the solution of the item on display
    // only: moving on (with the solution left on show) clears it until that item is answered.
    void theReviewExplainsOnlyTheItemAnswered() {
        const ItemBank bank = shippedBank();
        ProgramFixture f(bank.items);
        writeExplanations(f.database().path(), bank);
        rawSql(f.database().path(),
               "INSERT INTO hiba1 (hiba, mondat, a, b, c, d, felelet1, felelet2) "
               "SELECT 'B', ' ' || mondat, ' ' || a, ' ' || b, ' ' || c, ' ' || d, felelet1, felelet2 "
               "FROM test1 WHERE sorszam IN (1, 2) ORDER BY sorszam");
        f.prepare(LangCode::Hungarian);
        f.show(ScreenId::FailedItems);
        const auto click = [&](const char* name) {
            QTest::mouseClick(f.child<QPushButton>(ScreenId::FailedItems, name), Qt::LeftButton);
        };
        const auto counters = [&] {
            return f.child<QLabel>(ScreenId::FailedItems, "Label22")->text() + '|' +
                   f.child<QLabel>(ScreenId::FailedItems, "Label30")->text();
        };
        click("Command1");
        QCOMPARE(shownReason(f, ScreenId::FailedItems), QString());
        QTest::mouseClick(f.child<QRadioButton>(ScreenId::FailedItems, "Option3D3"), Qt::LeftButton);
        QCOMPARE(shownReason(f, ScreenId::FailedItems),
                 firstItemNotes()[1].hungarian + '\n' + bank.reasonOf(0).hungarian);
        click("Command8"); // Solution: the reason alone
        QCOMPARE(shownReason(f, ScreenId::FailedItems), bank.reasonOf(0).hungarian);
        click("Command5"); // the navigation row's Next: the solution stays, the reason does not
        QVERIFY(shown(f.child<QLabel>(ScreenId::FailedItems, "Label20")));
        QCOMPARE(shownReason(f, ScreenId::FailedItems), QString());
        QCOMPARE(counters(), QStringLiteral("1|2")); // the main Next alone counts the items
        click("Command2"); // First
        QCOMPARE(shownReason(f, ScreenId::FailedItems), QString());
        click("Command4"); // main Next: counter and position in step again
        QCOMPARE(counters(), QStringLiteral("2|2"));
        QCOMPARE(shownReason(f, ScreenId::FailedItems), QString());
        click("Command8");
        QCOMPARE(shownReason(f, ScreenId::FailedItems), bank.reasonOf(1).hungarian);
        click("Command3"); // Previous
        QCOMPARE(shownReason(f, ScreenId::FailedItems), QString());
    }

    // A teacher's note wins over the shipped one, follows the item through edits of its other
    // answers, Delete and undo, and is lost with the answer it explains.
    void aTeachersNotesFollowTheItem() {
        OldCopy old;
        ProgramFixture& f = old.f;
        const int highest = highestNumber(old.bank);
        const auto noteAfter = [&](char letter) {
            PracticeDriver p(f, LangCode::English);
            p.startRandom(kItem, highest);
            p.choose(letter);
            const QString area = shownReason(f, ScreenId::Practice);
            p.click(6);
            ProgramFixture::settle();
            return area.section('\n', 0, 0);
        };
        // An older copy shows the notes the installed bank ships.
        QCOMPARE(noteAfter('B'), firstItemNotes()[0].english);
        f.prepare(LangCode::Hungarian);
        {
            DatabaseWindow db(f);
            db.find(kItem);
            db.writeNote(0, {u8"“has” is for owning.", u8"A „has” birtoklás."});
            const ReasonDialogSetup& shown = f.platform().reasonDialogs.front();
            QCOMPARE(shown.noteLabels,
                     QStringList({u8"&1. Miért nem „has”?", u8"&2. Miért nem „does”?", u8"&3. Miért nem „are”?"}));
            QCOMPARE(shown.notes[2].hungarian, firstItemNotes()[2].hungarian);
            db.close();
        }
        QCOMPARE(noteAfter('B'), QString(u8"“has” is for owning."));
        QCOMPARE(noteAfter('C'), firstItemNotes()[1].english); // the shipped one, untouched
        {
            DatabaseWindow db(f);
            db.find(kItem);
            db.type("Text7", QStringLiteral("were")); // answer D
            db.close();
            DatabaseWindow again(f);
            again.find(kItem);
            again.click("Command4");
            f.child<QAction>(ScreenId::Database, "mnuUndoDelete")->trigger();
            again.close();
        }
        QVERIFY(f.platform().messages.empty());
        QCOMPARE(noteAfter('B'), QString(u8"“has” is for owning."));
        QCOMPARE(noteAfter('C'), QString()); // a shipped note fits only the content it was written for
        QCOMPARE(noteAfter('D'), QString()); // the edited answer has none
    }

    void aFileWithoutReasonsLeavesTheAreaEmpty() {
        ProgramFixture f; // a file from elsewhere: no reasons at all
        rawSql(f.database().path(), "DROP TABLE reasons");
        PracticeDriver p(f);
        p.startRandom(6, 13);
        p.choose('A');
        p.click(1);
        QCOMPARE(shownReason(f, ScreenId::Practice), QString());
        // Nothing is said after the verdict and the solution but the solution itself.
        QCOMPARE(f.platform().spoken.size(), 2);
        QVERIFY(f.platform().spoken.last().startsWith("Solution: "));
    }

    void anOlderCopyShowsTheShippedExplanationsAndIsNotWritten() {
        OldCopy old;
        const QByteArray before = contentsOf(old.f.database().path());
        QCOMPARE(practiseItem(old.f, LangCode::Hungarian, kWrong, highestNumber(old.bank)),
                 firstItemNotes()[0].hungarian + '\n' + old.bank.reasonOf(0).hungarian);
        QCOMPARE(contentsOf(old.f.database().path()), before);
    }

    void aTeachersEditsAndReasonFollowTheItem() {
        OldCopy old;
        ProgramFixture& f = old.f;
        const int highest = highestNumber(old.bank);
        f.prepare(LangCode::English);
        {
            // An edited item shows no shipped reason any more.
            DatabaseWindow db(f);
            db.find(kItem);
            db.type("Text7", QStringLiteral("were"));
            db.close();
        }
        QCOMPARE(practiseItem(f, LangCode::English, kWrong, highest), QString());
        {
            DatabaseWindow db(f);
            db.find(kItem);
            db.writeReason(QStringLiteral("Singular “is” goes with “a post office”."),
                           QStringLiteral("„is”: egy posta."));
            QCOMPARE(f.platform().reasonDialogs.back().english, QString()); // none to show before
            // Delete and its undo keep the reason with the item.
            db.click("Command4");
            f.child<QAction>(ScreenId::Database, "mnuUndoDelete")->trigger();
            // A further edit of the teacher's item keeps the teacher's reason.
            db.find(kItem);
            db.type("Text6", QStringLiteral("being"));
            db.close();
        }
        QVERIFY(f.platform().messages.empty());
        QCOMPARE(practiseItem(f, LangCode::English, kWrong, highest),
                 QString("Singular “is” goes with “a post office”."));
        QCOMPARE(practiseItem(f, LangCode::Hungarian, kWrong, highest), QString("„is”: egy posta."));
    }

    void theReviewExplainsAfterARetryOrTheSolution() {
        const ItemBank bank = shippedBank();
        ProgramFixture f(bank.items);
        const QStringList& r = bank.items[0];
        ItemStore::open(f.database().path())
            .reasons()
            .write(itemFingerprint(ItemContent{r[4], r[5], r[6], r[7], r[8], r[10]}), bank.reasonOf(0));
        // Stored as a random Test run stores it: the texts as shown, after a leading space.
        rawSql(f.database().path(),
               "INSERT INTO hiba1 (hiba, mondat, a, b, c, d, felelet1, felelet2) "
               "SELECT 'B', ' ' || mondat, ' ' || a, ' ' || b, ' ' || c, ' ' || d, felelet1, felelet2 "
               "FROM test1 WHERE sorszam = 1");
        f.prepare(LangCode::French);
        f.show(ScreenId::FailedItems);
        QTest::mouseClick(f.child<QPushButton>(ScreenId::FailedItems, "Command1"), Qt::LeftButton);
        QCOMPARE(shownReason(f, ScreenId::FailedItems), QString());
        f.platform().spoken.clear();
        QTest::mouseClick(f.child<QRadioButton>(ScreenId::FailedItems, "Option3D2"), Qt::LeftButton);
        QCOMPARE(shownReason(f, ScreenId::FailedItems), bank.reasonOf(0).english);
        QCOMPARE(f.platform().spoken, QStringList(QString::fromUtf8("Explication\u00a0: ") + bank.reasonOf(0).english));
    }

    void grammarWindowListsTheTopicsAndOpensOnTheItemsTopic() {
        ProgramFixture f;
        f.startToHub("Command6"); // Magyar
        f.child<QAction>(ScreenId::Hub, "mnugrammar")->trigger();
        auto* topics = f.child<QListWidget>(ScreenId::Grammar, "topics");
        QCOMPARE(topics->count(), 23);
        QCOMPARE(topics->item(1)->text(), QString("Igeidők használata"));
        topics->setCurrentRow(5);
        const QString note = f.child<QTextBrowser>(ScreenId::Grammar, "note")->toPlainText();
        QVERIFY2(note.startsWith(QString("Feltételes mondat")), qPrintable(note.left(40)));
        QTest::mouseClick(f.child<QPushButton>(ScreenId::Grammar, "Command1"), Qt::LeftButton);
        ProgramFixture::settle();
        QVERIFY(!f.screen(ScreenId::Grammar));

        // F1 on an if clause (item 4 of the fixture) opens that topic's note.
        PracticeDriver p(f, LangCode::English);
        p.startRandom(4, 13);
        f.child<QAction>(ScreenId::Practice, "mnunote")->trigger();
        QCOMPARE(f.child<QListWidget>(ScreenId::Grammar, "topics")->currentRow(), 5);
        QVERIFY(f.child<QTextBrowser>(ScreenId::Grammar, "note")->toPlainText().startsWith(QString("If clauses")));
    }
};

QTEST_MAIN(TestExplanations)
#include "test_explanations.moc"
