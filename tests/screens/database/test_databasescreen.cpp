// SPDX-FileCopyrightText: 2026 The Lexora English developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/appcontext.h"
#include "data/itemview.h"
#include "screens/database/databasescreen.h"
#include "screens/database/databasestate.h"
#include "text/captions.h"

#include "ui/programfixture.h"

#include <QAccessible>
#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

using namespace lexora;
using namespace lexora::testing;

namespace {

// Columns of an item as the database hands it back.
enum Column { Sorszam, Sorrend, Sorrend2, Szint, Mondat, A, B, C, D, Felelet1, Felelet2, Kulcs1, Kulcs2 };

// The Database screen opened straight from a prepared program, as the hub would open it.
class Form1 {
public:
    explicit Form1(ProgramFixture& fixture, int langcode = LangCode::English, const QString& dbpath = QString())
        : f(fixture) {
        f.prepare(langcode);
        if (!dbpath.isEmpty())
            f.globals().dbpath = dbpath;
        open();
    }
    void open() { screen = static_cast<DatabaseScreen*>(f.show(ScreenId::Database)); }

    void click(const char* name) { QTest::mouseClick(f.child<QPushButton>(ScreenId::Database, name), Qt::LeftButton); }
    void menu(const QString& name) { f.child<QAction>(ScreenId::Database, name)->trigger(); }
    QWidget* widget(const char* name) { return f.child<QWidget>(ScreenId::Database, name); }
    QLineEdit* line(const char* name) { return f.child<QLineEdit>(ScreenId::Database, name); }
    QPlainTextEdit* sentence() { return f.child<QPlainTextEdit>(ScreenId::Database, "Text3"); }
    QString topicLabel() { return f.child<QLabel>(ScreenId::Database, "Label10")->property("caption").toString(); }
    QString number() { return line("Text1")->text(); }
    DatabaseState& state() { return f.screens().state<DatabaseState>(); }

    // Replaces the text of a box as the teacher would: select it all and type over it.
    void type(const char* name, const QString& text) {
        QLineEdit* box = line(name);
        box->setFocus();
        box->selectAll();
        QTest::keyClick(box, Qt::Key_Delete);
        QTest::keyClicks(box, text);
    }
    void typeSentence(const QString& text) {
        sentence()->setFocus();
        sentence()->selectAll();
        QTest::keyClick(sentence(), Qt::Key_Delete);
        QTest::keyClicks(sentence(), text);
    }
    void find(const QString& answer) {
        f.platform().answerInput(answer);
        click("Command5");
    }

    ProgramFixture& f;
    DatabaseScreen* screen = nullptr;
};

// The control Tab moves to from `w`.
QWidget* nextTab(QWidget* w) {
    do
        w = w->nextInFocusChain();
    while (!(w->focusPolicy() & Qt::TabFocus));
    return w;
}

std::vector<QStringList> itemsUpTo250() {
    return {makeItem(1, 10), makeItem(250, 20), makeItem(100, 30)};
}

// The stored item with this number; all fields empty when there is none.
QStringList item(ProgramFixture& f, int sorszam) {
    for (const QStringList& row : f.database().items().items)
        if (row[Sorszam].toInt() == sorszam)
            return row;
    return QStringList(Kulcs2 + 1, QString());
}

} // namespace

class TestDatabaseScreen : public QObject {
    Q_OBJECT

private slots:
    void init() { ProgramFixture::settle(); }

    void opensWithOnlyStartAndTheTitleOfTheLanguage_data() {
        QTest::addColumn<int>("langcode");
        QTest::addColumn<QString>("titleword");
        QTest::addColumn<QString>("start");
        QTest::addRow("English") << LangCode::English << "Database"
                                 << "&Start";
        QTest::addRow("Hungarian") << LangCode::Hungarian << QString::fromUtf8("Adatbázis") << "St&art";
        QTest::addRow("French") << LangCode::French << QString::fromUtf8("Base de données")
                                << QString::fromUtf8("Dé&marrage");
    }
    void opensWithOnlyStartAndTheTitleOfTheLanguage() {
        QFETCH(int, langcode);
        QFETCH(QString, titleword);
        QFETCH(QString, start);
        ProgramFixture f;
        Form1 w(f, langcode);
        QCOMPARE(w.screen->objectName(), QString("Form1"));
        QCOMPARE(w.screen->windowTitle(), titleword + "  ----  Lexora English");
        QCOMPARE(w.widget("Command10")->property("caption").toString(), start);
        QVERIFY(shown(w.widget("Command10")));
        for (const char* hidden : {"Text1", "Text3", "Text10", "Label10", "Label1", "Command2", "Command11"})
            QVERIFY2(!shown(w.widget(hidden)), hidden);
        QVERIFY(!f.child<QAction>(ScreenId::Database, "mnuDatabase")->isEnabled());
        QVERIFY(f.child<QAction>(ScreenId::Database, "mnuTopicItem_0")->isChecked());
        QCOMPARE(f.child<QAction>(ScreenId::Database, "mnuTopicItem_11")->text(),
                 CaptionCatalogue::caption(50, langcode));

        // The title word heads the screen's message boxes.
        w.click("Command10");
        w.find("sorszam = 99");
        QCOMPARE(f.platform().messages.size(), size_t(1));
        QCOMPARE(f.platform().messages[0].title, titleword);
        QCOMPARE(f.platform().messages[0].text, CaptionCatalogue::caption(85, langcode));
        QCOMPARE(f.platform().messages[0].icon, MessageIcon::Exclamation);
        QCOMPARE(f.platform().beeps, 1);
    }

    void startShowsTheFirstItemAndItsTopic() {
        ProgramFixture f({makeItem(1, 10, 2, "1", "k"), makeItem(2, 20, 1, "2", "f")});
        Form1 w(f);
        w.click("Command10");
        QVERIFY(!shown(w.widget("Command10")));
        for (const char* visible : {"Text1", "Text3", "Text8", "Text10", "Label7", "Label11", "Command11", "Command4"})
            QVERIFY2(shown(w.widget(visible)), visible);
        QCOMPARE(w.number(), QString("1"));
        QCOMPARE(w.line("Text2")->text(), QString("2"));
        QCOMPARE(w.sentence()->toPlainText(), QString("Sentence 1 with a ...... in it."));
        QCOMPARE(w.topicLabel(), QString()); // keys "1" and "k" name no topic
        w.click("Command7");
        QCOMPARE(w.topicLabel(), QString("&Nouns"));

        // Tab takes the boxes in the order of the item's fields (answers A, B, C, D in turn), the
        // right letter before the solution, then the buttons.
        const char* const order[] = {"Text1",    "Text2",    "Text3",     "Text4",    "Text5",
                                     "Text6",    "Text7",    "Text10",    "Text8",    "Command1",
                                     "Command4", "Command5", "Command7",  "Command2", "Command3",
                                     "Command6", "Command8", "Command10", "Command11"};
        for (size_t i = 1; i < std::size(order); ++i)
            QCOMPARE(nextTab(w.widget(order[i - 1])), w.widget(order[i]));
    }

    void aDatabaseThatCannotBeOpenedIsReportedAndTheWindowStillLeads() {
        ProgramFixture f;
        Form1 w(f, LangCode::English, f.database().dir() + "missing.mdb");
        QCOMPARE(f.platform().messages.size(), size_t(1));
        QCOMPARE(f.platform().messages[0].title, QString("Database"));
        QCOMPARE(f.platform().messages[0].icon, MessageIcon::Stop);
        w.click("Command10");
        QVERIFY(w.line("Text4")->isReadOnly());
        // Each choice that needs the file tells again that it is missing; none fails.
        for (const char* button : {"Command7", "Command1", "Command4", "Command11"})
            w.click(button);
        w.menu("mnuTopicItem_3");
        for (const auto& told : f.platform().messages)
            QVERIFY2(told.text.contains("missing.mdb"), qPrintable(told.text));
        w.click("Command2");
        ProgramFixture::settle();
        QVERIFY(!f.screens().isLoaded(ScreenId::Database));
    }

    void movingPastEitherEndAndBack() {
        ProgramFixture f;
        Form1 w(f);
        w.click("Command10");
        const QString firstTopic = w.topicLabel();
        w.click("Command3"); // Previous on the first item: before the first
        QCOMPARE(w.number(), QString());
        QVERIFY(w.line("Text4")->isReadOnly());
        QCOMPARE(w.topicLabel(), firstTopic);
        w.click("Command6"); // First does nothing there
        QVERIFY(w.screen->boundView()->bof());
        w.click("Command7");
        QCOMPARE(w.number(), QString("1"));
        QVERIFY(!w.line("Text4")->isReadOnly());

        w.click("Command8");
        QCOMPARE(w.number(), QString("13"));
        w.click("Command7"); // after the last
        QVERIFY(w.screen->boundView()->eof());
        w.click("Command8"); // Last does nothing there
        QVERIFY(w.screen->boundView()->eof());
        w.click("Command3");
        QCOMPARE(w.number(), QString("13"));
        QVERIFY(f.platform().messages.empty());
    }

    void findFirstAndFindNext() {
        ProgramFixture f;
        Form1 w(f);
        w.click("Command10");
        w.click("Command11"); // nothing searched yet: nothing happens
        QCOMPARE(w.number(), QString("1"));

        w.click("Command8");
        w.find("sorszam = 1");
        QCOMPARE(f.platform().inputs.back().title, QString("Database"));
        QCOMPARE(f.platform().inputs.back().prompt, CaptionCatalogue::caption(86, LangCode::English));
        QCOMPARE(f.platform().inputs.back().defaultText, QString("sorszam = 1"));
        QCOMPARE(w.number(), QString("1"));

        w.find("a = \"child\"");
        QCOMPARE(w.number(), QString("7"));
        QCOMPARE(w.topicLabel(), QString("&Nouns"));

        for (const QString& bad : {QString(), QString("sorszam = = 1"), QString("colour = 1")}) {
            w.find(bad); // Cancel, a syntax error, a field the table lacks: the cursor stays
            QCOMPARE(w.number(), QString("7"));
        }
        // Cancel says nothing; a criterion that cannot be read is told, with a working example.
        QCOMPARE(f.platform().messages.size(), size_t(2));
        for (const auto& told : f.platform().messages)
            QVERIFY2(told.text.contains("mondat Like \"*garden*\""), qPrintable(told.text));
        QCOMPARE(w.state().searchcrit, QString("colour = 1"));
        // A bare word gets an example made of it, and the example finds it.
        w.find("school");
        const QString example("mondat Like \"*school*\"");
        QVERIFY(f.platform().messages.back().text.endsWith(example));
        w.find(example);
        QCOMPARE(w.number(), QString("1"));
        f.platform().messages.clear();

        w.find("felelet2 = \"C\"");
        QCOMPARE(w.number(), QString("4"));
        w.click("Command11");
        QCOMPARE(w.number(), QString("7"));
        w.click("Command11");
        QCOMPARE(w.number(), QString("12"));
        w.click("Command11"); // past the last match
        QCOMPARE(w.number(), QString("12"));
        QCOMPARE(f.platform().beeps, 1);
        QCOMPARE(f.platform().messageTexts(), QStringList{"No such word/number."});
    }

    // The check line names what the item bank tool would refuse in the item on display, in the
    // working language, as the teacher types; the item is stored as typed all the same.
    void theCheckLineNamesEachFault_data() {
        QTest::addColumn<int>("langcode");
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("line");
        const int en = LangCode::English, hu = LangCode::Hungarian;
        QTest::addRow("no gap") << en << "Text3"
                                << "Sentence 1 with a a1 in it."
                                << "The sentence has no gap (......).";
        QTest::addRow("no gap, Hungarian") << hu << "Text3"
                                           << "Sentence 1." << u8"A mondatban nincs üres hely (......).";
        QTest::addRow("two gaps") << en << "Text3"
                                  << "Sentence ...... with a ...... in it."
                                  << "The sentence has more than one gap.";
        QTest::addRow("empty answer") << en << "Text6"
                                      << ""
                                      << "Answer C is empty.";
        QTest::addRow("empty answer, Hungarian") << hu << "Text6"
                                                 << "" << u8"Üres válasz: C.";
        QTest::addRow("key not A to D") << en << "Text10"
                                        << "E"
                                        << "The right letter must be A, B, C or D.";
        QTest::addRow("key in lower case") << en << "Text10"
                                           << "a"
                                           << "The right letter must be A, B, C or D.";
        QTest::addRow("level not 1 to 3") << en << "Text2"
                                          << "4"
                                          << "The level must be 1, 2 or 3.";
        QTest::addRow("level, Hungarian") << hu << "Text2"
                                          << "0" << u8"A szint 1, 2 vagy 3 legyen.";
        QTest::addRow("two equal answers") << en << "Text5"
                                           << " A1 "
                                           << "Two answers are the same.";
        QTest::addRow("solution of another answer") << en << "Text8"
                                                    << "Sentence 1 with a b1 in it."
                                                    << "The solution is not the sentence with answer A filled in.";
        QTest::addRow("keys of no topic") << en << ""
                                          << ""
                                          << "The item has no topic: choose one in the Topics menu.";
        QTest::addRow("keys of no topic, Hungarian")
            << hu << ""
            << "" << u8"A mondatnak nincs témája: válasszon egyet a Téma menüben.";
    }
    void theCheckLineNamesEachFault() {
        QFETCH(int, langcode);
        QFETCH(QString, box);
        QFETCH(QString, typed);
        QFETCH(QString, line);
        ProgramFixture f({makeItem(1, 10, 1, "2", "f", "A"), makeItem(2, 20, 1, "1", "k", "A")});
        Form1 w(f, langcode);
        auto* check = f.child<QLabel>(ScreenId::Database, "itemcheck");
        w.click("Command10");
        QVERIFY(!shown(check)); // all is well with item 1
        QCOMPARE(check->text(), QString());
        if (box.isEmpty()) {
            w.click("Command7"); // item 2, whose keys name no topic
        } else if (box == "Text3") {
            w.typeSentence(typed);
        } else {
            w.type(qPrintable(box), typed);
        }
        QCOMPARE(check->text(), line);
        QVERIFY(shown(check));
        QAccessibleInterface* spoken = QAccessible::queryAccessibleInterface(check);
        QVERIFY(spoken && spoken->text(QAccessible::Name).contains(line));
        if (box.isEmpty())
            return;
        // Stored as typed; the item on display then is the other one, and the line follows it.
        const QString before = item(f, 1).join('\t');
        w.click("Command7");
        QVERIFY(f.platform().messages.empty());
        QVERIFY(item(f, 1).join('\t') != before);
        QVERIFY(check->text() != line);
    }

    void fillInTheSolutionComposesItFromTheKeysAnswer() {
        ProgramFixture f({makeItem(1, 10, 1, "2", "f", "A"), makeItem(2, 20, 1, "2", "f", "A")});
        Form1 w(f);
        w.click("Command10");
        w.typeSentence("the cat sat on ...... mat .");
        w.type("Text5", " the ");
        w.type("Text10", "B");
        QVERIFY(!f.child<QLabel>(ScreenId::Database, "itemcheck")->text().isEmpty());
        w.menu("mnufill");
        QCOMPARE(w.line("Text8")->text(), QString("The cat sat on the mat."));
        QCOMPARE(f.child<QLabel>(ScreenId::Database, "itemcheck")->text(), QString());
        w.click("Command7");
        QCOMPARE(item(f, 1)[Felelet1], QString("The cat sat on the mat."));

        // Without a gap there is nothing to fill: the teacher is told, and the solution stays.
        w.typeSentence("No gap here.");
        w.menu("mnufill");
        QCOMPARE(w.line("Text8")->text(), item(f, 2)[Felelet1]);
        QCOMPARE(f.platform().messages.size(), size_t(1));
        QVERIFY(f.platform().messages[0].text.contains("one gap"));
    }

    void findTextLooksInTheSentenceAndTheAnswersRoundFromHere() {
        ProgramFixture f;
        Form1 w(f);
        w.click("Command10");
        const auto findText = [&](const QString& text) {
            f.platform().answerInput(text);
            w.menu("mnufindtext");
        };
        findText("PHONE"); // item 2's sentence, whatever the letter case
        QCOMPARE(w.number(), QString("2"));
        QCOMPARE(f.platform().inputs.back().defaultText, QString());
        findText("would"); // item 3's answer A, then item 4's sentence
        QCOMPARE(w.number(), QString("3"));
        findText("would");
        QCOMPARE(w.number(), QString("4"));
        QCOMPARE(f.platform().inputs.back().defaultText, QString("would"));
        findText("goes"); // only item 1 has it: the search goes round
        QCOMPARE(w.number(), QString("1"));
        QVERIFY(f.platform().messages.empty());

        findText("xylophone");
        QCOMPARE(w.number(), QString("1"));
        QCOMPARE(f.platform().messageTexts(),
                 QStringList{QString::fromUtf8("No item has “xylophone” in its sentence or its answers.")});
    }

    // The Find box takes up to 32767 characters. A pasted text that nests that deep is refused
    // like any other criterion the parser cannot read; a long flat one is searched.
    void findWithAsMuchAsTheBoxTakes() {
        ProgramFixture f;
        Form1 w(f);
        w.click("Command10");
        w.click("Command7");
        for (const QString& deep : {QString(32767, '('), QString(16383, '(') + "szint = 1" + QString(16375, ')'),
                                    QString("Not ").repeated(8190) + "szint=1"}) {
            w.find(deep);
            QCOMPARE(w.number(), QString("2"));
        }
        QCOMPARE(f.platform().messages.size(), size_t(3));
        w.find(QString("sorszam = 0 Or ").repeated(2183) + "sorszam = 4");
        QCOMPARE(w.number(), QString("4"));
    }

    void typedTextIsWrittenWhenTheCursorMovesAndOnlyChangedBoxes() {
        ProgramFixture f;
        Form1 w(f);
        w.click("Command10");
        w.type("Text4", "walk");
        w.typeSentence("She ...... to work.");
        // Another view changes a field whose box the teacher left alone.
        auto other = LiveView::open(f.database().path(), "test1");
        other->edit();
        other->setField("b", "walks");
        other->update();
        w.click("Command7");
        const QStringList first = item(f, 1);
        QCOMPARE(first[A], QString("walk"));
        QCOMPARE(first[Mondat], QString("She ...... to work."));
        QCOMPARE(first[B], QString("walks"));
        QCOMPARE(w.number(), QString("2"));
    }

    void aTextThatCannotBeStoredIsReportedAndKept() {
        ProgramFixture f;
        Form1 w(f);
        w.click("Command10");
        w.type("Text2", "x");
        w.click("Command7");
        QCOMPARE(f.platform().messages.size(), size_t(1));
        QCOMPARE(f.platform().messages[0].title, QString("Database"));
        QVERIFY(f.platform().messages[0].text.contains("szint"));
        QCOMPARE(w.number(), QString("1")); // the cursor stays on the item
        QCOMPARE(w.line("Text2")->text(), QString("x"));
        QCOMPARE(item(f, 1)[Szint], QString("1"));

        w.type("Text1", "2"); // a number another item has
        w.type("Text2", "3");
        w.click("Command7");
        QCOMPARE(f.platform().messages.size(), size_t(2));
        QVERIFY(f.platform().messages[1].text.contains("sorszam"));
        QCOMPARE(item(f, 1)[Szint], QString("1"));

        w.type("Text1", "1");
        w.click("Command7");
        QCOMPARE(item(f, 1)[Szint], QString("3"));
        QCOMPARE(w.number(), QString("2"));
        QCOMPARE(f.platform().messages.size(), size_t(2));
    }

    void newNumbersAfterTheHighestAndDrawsItsPlace() {
        ProgramFixture f(itemsUpTo250());
        Form1 w(f);
        w.click("Command10");
        w.click("Command7");
        f.platform().queueDraws({ScriptedPlatform::drawFor(1234, 3000)});
        w.click("Command1");
        QCOMPARE(w.number(), QString("251"));
        QCOMPARE(w.line("Text2")->text(), QString());
        QCOMPARE(w.sentence()->toPlainText(), QString());
        QCOMPARE(w.screen->focusWidget(), w.widget("Text2"));
        QCOMPARE(w.state().newpending, 1);
        QCOMPARE(f.platform().reseeds, 1);
        QCOMPARE(f.database().items().items.size(), size_t(3)); // not stored yet

        w.type("Text2", "2");
        w.click("Command7");
        const QStringList added = item(f, 251);
        QCOMPARE(added[Sorrend2], QString("1234"));
        QCOMPARE(added[Szint], QString("2"));
        QCOMPARE(w.state().newpending, 0);
    }

    void newTakesTheNextFreePlaceWhenItsDrawIsTaken() {
        ProgramFixture f({makeItem(1, 500), makeItem(2, 501), makeItem(3, 503)});
        Form1 w(f);
        w.click("Command10");
        f.platform().queueDraws({ScriptedPlatform::drawFor(500, 3000)});
        w.click("Command1");
        w.click("Command6");
        QCOMPARE(item(f, 4)[Sorrend2], QString("502"));
        QVERIFY(f.platform().messages.empty());
    }

    void newOnAnEmptyTableThenClose() {
        ProgramFixture f(std::vector<QStringList>{});
        Form1 w(f);
        w.click("Command10");
        f.platform().queueDraws({0.0});
        w.click("Command1");
        QCOMPARE(w.number(), QString("1"));
        w.typeSentence("A ...... one.");
        w.click("Command2");
        ProgramFixture::settle();
        QVERIFY(!f.screens().isLoaded(ScreenId::Database));
        QVERIFY(f.screens().isLoaded(ScreenId::Hub));
        const auto items = f.database().items().items;
        QCOMPARE(items.size(), size_t(1));
        QCOMPARE(items[0][Sorszam], QString("1"));
        QCOMPARE(items[0][Sorrend2], QString("1"));
        QCOMPARE(items[0][Mondat], QString("A ...... one."));
        QCOMPARE(w.state().newpending, 1); // the member keeps its value past the window
    }

    void newThenTopicStoresTheNewItemAndTagsIt() {
        ProgramFixture f;
        Form1 w(f);
        w.click("Command10");
        f.platform().queueDraws({ScriptedPlatform::drawFor(2000, 3000)});
        w.click("Command1");
        w.menu("mnuTopicItem_4");
        const QStringList added = item(f, 14);
        QCOMPARE(added[Kulcs1], QString("1"));
        QCOMPARE(added[Kulcs2], QString("d"));
        QCOMPARE(w.number(), QString("14"));
        QCOMPARE(w.topicLabel(), QString("&Modals"));
        QCOMPARE(w.state().newpending, 0);
        QCOMPARE(item(f, 1)[Kulcs2], QString("a")); // the first item is untouched
    }

    void aSearchSavesTheNewItemAndShowsTheItemItLeavesTheCursorOn() {
        ProgramFixture f;
        Form1 w(f);
        w.click("Command10");
        f.platform().queueDraws({0.9});
        w.click("Command1");
        w.typeSentence("New ...... item.");
        w.find(QString()); // Cancel: the new item is saved, the cursor does not move
        QCOMPARE(item(f, 14)[Mondat], QString("New ...... item."));
        QCOMPARE(w.number(), QString("1"));
        w.type("Text4", "went");
        w.click("Command7");
        QCOMPARE(item(f, 1)[A], QString("went"));
        QCOMPARE(item(f, 14)[A], QString());
        QVERIFY(f.platform().messages.empty());
    }

    void newWithATakenNumberIsReportedUntilCorrected() {
        ProgramFixture f;
        Form1 w(f);
        w.click("Command10");
        f.platform().queueDraws({ScriptedPlatform::drawFor(2000, 3000)});
        w.click("Command1");
        w.type("Text1", "3");
        w.find("sorszam = 1");
        QCOMPARE(f.platform().messages.size(), size_t(1));
        QVERIFY(f.platform().messages[0].text.contains("sorszam"));
        QCOMPARE(f.platform().inputs.size(), size_t(0)); // the search ended at the failed save
        QCOMPARE(w.state().newpending, 1);
        QCOMPARE(w.number(), QString("3"));
        QCOMPARE(f.database().items().items.size(), size_t(12));

        w.type("Text1", "20");
        w.click("Command7");
        QCOMPARE(item(f, 20)[Sorrend2], QString("2000"));
        QCOMPARE(item(f, 3)[Sorrend2], QString("45"));
    }

    void deleteRemovesTheItemOnDisplayWithoutAQuestion() {
        ProgramFixture f;
        Form1 w(f);
        w.click("Command10");
        w.click("Command4"); // the first item: the cursor ends before the first
        QVERIFY(item(f, 1)[Sorszam].isEmpty());
        QVERIFY(w.screen->boundView()->bof());
        QCOMPARE(w.number(), QString());
        w.click("Command4"); // nothing to delete
        QCOMPARE(f.database().items().items.size(), size_t(11));

        w.click("Command7");
        w.click("Command7");
        QCOMPARE(w.number(), QString("3"));
        w.type("Text4", "typed into an item that goes");
        w.click("Command4");
        QVERIFY(item(f, 3)[Sorszam].isEmpty());
        QCOMPARE(w.number(), QString("2"));
        QCOMPARE(f.database().items().items.size(), size_t(10));
        QVERIFY(f.platform().messages.empty());
    }

    void deleteOfANewItemStoresNothing() {
        ProgramFixture f;
        Form1 w(f);
        w.click("Command10");
        f.platform().queueDraws({0.5});
        w.click("Command1");
        w.click("Command4");
        QCOMPARE(f.database().items().items.size(), size_t(12));
        QCOMPARE(w.number(), QString("13"));
        QCOMPARE(w.state().newpending, 0);
    }

    void topicWritesItsTagAndNamesIt() {
        ProgramFixture f;
        Form1 w(f);
        w.menu("mnuTopicItem_6"); // before Start: the first item, unseen
        QCOMPARE(item(f, 1)[Kulcs1], QString("1"));
        QCOMPARE(item(f, 1)[Kulcs2], QString("g"));

        w.click("Command10");
        w.find("sorszam = 8"); // keys "1" and "f"
        w.type("Text4", "whom");
        w.menu("mnuTopicItem_11");
        const QStringList tagged = item(f, 8);
        QCOMPARE(tagged[Kulcs1], QString("2"));
        QCOMPARE(tagged[Kulcs2], QString("f"));
        QCOMPARE(tagged[A], QString("whom")); // saving the tag saves the boxes too
        QCOMPARE(w.topicLabel(), CaptionCatalogue::caption(50, LangCode::English));
        QVERIFY(f.child<QAction>(ScreenId::Database, "mnuTopicItem_0")->isChecked());
        QVERIFY(!f.child<QAction>(ScreenId::Database, "mnuTopicItem_11")->isChecked());
    }

    void fontsGoToTheFocusedControlOnly() {
        ProgramFixture f;
        Form1 w(f);
        w.click("Command10");
        const QFont before = w.widget("Text4")->font();
        w.sentence()->setFocus();
        f.platform().answerFont(FontChoice{"Courier New", 14, false, true, false, false});
        w.menu("mnuFonts");
        QCOMPARE(w.sentence()->font().pointSizeF(), 14.0);
        QVERIFY(w.sentence()->font().italic());
        QCOMPARE(w.widget("Text4")->font(), before);

        // Cancelled, the dialog's values (kept from its last use) still go to the focused box.
        w.line("Text4")->setFocus();
        f.platform().answerFont(std::nullopt);
        w.menu("mnuFonts");
        QCOMPARE(f.platform().fontDialogOpenedWith[1].family, QString("Courier New"));
        QVERIFY(w.widget("Text4")->font().italic());

        // A fresh window's dialog starts from its initial values.
        w.click("Command2");
        ProgramFixture::settle();
        w.open();
        w.widget("Command10")->setFocus();
        f.platform().answerFont(std::nullopt);
        w.menu("mnuFonts");
        const FontChoice initial = f.platform().fontDialogOpenedWith[2];
        QCOMPARE(initial.family, QString("MS Sans Serif"));
        QCOMPARE(initial.pointSize, 8.25);
        QVERIFY(initial.bold);
        QCOMPARE(w.widget("Command10")->font().pointSizeF(), 8.25);
        QVERIFY(!w.widget("Command10")->font().italic());
    }

    void tasksEntriesLeaveForOtherScreensAndMembersSurvive() {
        ProgramFixture f;
        Form1 w(f);
        w.menu("mnuPractice"); // before Start
        ProgramFixture::settle();
        QVERIFY(f.screens().isLoaded(ScreenId::Practice));
        QVERIFY(!f.screens().isLoaded(ScreenId::Database));

        w.open();
        w.click("Command10");
        w.find("sorszam = 4");
        w.type("Text5", "being");
        w.menu("mnuTest");
        ProgramFixture::settle();
        QCOMPARE(item(f, 4)[B], QString("being"));
        QVERIFY(f.screens().isLoaded(ScreenId::Test));
        QVERIFY(f.screens().find(ScreenId::FailedItems)->isHidden());
        QVERIFY(!f.screens().isLoaded(ScreenId::Database));

        w.open();
        QVERIFY(shown(w.widget("Command10"))); // a fresh window
        QCOMPARE(w.state().searchcrit, QString("sorszam = 4"));
        QCOMPARE(w.state().titleword, QString("Database"));
        w.screen->close(); // the close box acts as Close
        ProgramFixture::settle();
        QVERIFY(!f.screens().isLoaded(ScreenId::Database));
        QVERIFY(f.screens().isLoaded(ScreenId::Hub));
    }
};

QTEST_MAIN(TestDatabaseScreen)
#include "test_databasescreen.moc"
