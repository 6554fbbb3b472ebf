// SPDX-FileCopyrightText: 2026 The Lexora English developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/window.h"
#include "data/itemview.h"
#include "text/captions.h"

#include "ui/programfixture.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

using namespace lexora;
using namespace lexora::testing;

namespace {

// A failed item as the Test screen stores it: hiba, mondat, a, b, c, d, felelet1, felelet2.
QStringList failed(int n, const char* guess, const char* solution) {
    const QString s = QString::number(n);
    return {QLatin1String(guess), "Sentence " + s + " ......", "a" + s, "b" + s, "c" + s, "d" + s,
            "Solution " + s,      QLatin1String(solution)};
}

void store(const QString& path, const std::vector<QStringList>& rows) {
    auto view = LiveView::open(path, QStringLiteral("hiba1"));
    const char* const fields[] = {"hiba", "mondat", "a", "b", "c", "d", "felelet1", "felelet2"};
    for (const QStringList& row : rows) {
        view->addNew();
        for (int i = 0; i < 8; ++i)
            view->setField(QLatin1String(fields[i]), row[i]);
        view->update();
    }
}

class Review {
public:
    explicit Review(ProgramFixture& fixture) : f(fixture) {}

    void open() { f.show(ScreenId::FailedItems); }
    QPushButton* button(const char* name) { return f.child<QPushButton>(ScreenId::FailedItems, name); }
    QLabel* label(const char* name) { return f.child<QLabel>(ScreenId::FailedItems, name); }
    QString text(const char* name) { return label(name)->text(); }
    void click(const char* name) { QTest::mouseClick(button(name), Qt::LeftButton); }
    void key(char c) { QTest::keyClick(f.screen(ScreenId::FailedItems), c); }
    // Position, "/" and count, as the top right corner shows them.
    QString position() { return text("Label30") + text("Label32") + text("Label31"); }

    ProgramFixture& f;
};

} // namespace

class TestFailedItems : public QObject {
    Q_OBJECT

private slots:
    void opensWithOnlyStartAndClose() {
        ProgramFixture f;
        f.prepare();
        Review review(f);
        review.open();
        Screen* screen = f.screen(ScreenId::FailedItems);
        QCOMPARE(screen->windowTitle(), QString("Lexora English  ----  Failed items"));
        QCOMPARE(review.button("Command1")->text(), QString("&Start"));
        QVERIFY(shown(review.button("Command1")) && shown(review.button("Command6")));
        for (const char* name : {"Command2", "Command3", "Command4", "Command5", "Command7", "Command8"})
            QVERIFY2(!shown(review.button(name)), name);
        for (const char* name : {"Label13", "Label17", "Label18", "Label19", "Label20", "Label21", "Label22", "Label23",
                                 "Label30", "Label31", "Label32"})
            QVERIFY2(!shown(review.label(name)), name);
    }

    void mainNextWalksToTheEndOfTheList() {
        ProgramFixture f;
        f.prepare();
        store(f.database().path(), {failed(1, "A", "B"), failed(2, "0", "C"), failed(3, "D", "A")});
        Review review(f);
        review.open();
        review.click("Command1");
        QCOMPARE(review.text("Label13"), QString("Sentence 1 ......"));
        QCOMPARE(review.text("Label23"), QString("A"));
        QCOMPARE(review.text("Label22"), QString("1"));
        QCOMPARE(review.position(), QString("1/3"));
        QVERIFY(shown(review.label("Label21")) && shown(review.label("Label23")));

        review.click("Command4");
        review.click("Command4");
        QCOMPARE(review.text("Label13"), QString("Sentence 3 ......"));
        QCOMPARE(review.text("Label22"), QString("3"));
        QCOMPARE(f.globals().itemno, 3);
        QCOMPARE(review.position(), QString("3/3"));
        QVERIFY(f.platform().messages.empty());

        review.click("Command4");
        QCOMPARE(f.platform().messageTexts(), QStringList{"You have reached the last item."});
        QCOMPARE(f.platform().messages[0].title, QString("Failed items"));
        QCOMPARE(f.platform().messages[0].icon, MessageIcon::Information);
        QCOMPARE(review.position(), QString("-1/3"));
        QCOMPARE(review.button("Command1")->text(), QString("Re&start"));
        for (const char* name : {"Command1", "Command6"})
            QVERIFY2(shown(review.button(name)), name);
        for (const char* name : {"Command2", "Command3", "Command4", "Command5", "Command7", "Command8"})
            QVERIFY2(!shown(review.button(name)), name);
        for (const char* name : {"Label30", "Label31", "Label32"})
            QVERIFY2(shown(review.label(name)), name);
        for (const char* name : {"Label1", "Label11", "Label12", "Label13", "Label16", "Label17", "Label18", "Label19",
                                 "Label20", "Label21", "Label22", "Label23"})
            QVERIFY2(!shown(review.label(name)), name);
        QVERIFY(!shown(f.child<QWidget>(ScreenId::FailedItems, "Frame3D1")));
        QCOMPARE(f.screen(ScreenId::FailedItems)->defaultButton(), nullptr);

        review.click("Command1"); // a new Start goes through the list again
        QCOMPARE(review.position(), QString("1/3"));
        QCOMPARE(review.text("Label22"), QString("1"));
    }

    void navigationRowStopsAtTheEnds() {
        ProgramFixture f;
        f.prepare();
        store(f.database().path(), {failed(1, "A", "B"), failed(2, "0", "C"), failed(3, "D", "A")});
        Review review(f);
        review.open();
        QVERIFY(QTest::qWaitForWindowActive(f.screen(ScreenId::FailedItems)));
        review.click("Command1");
        review.click("Command3"); // Previous on the first failed item
        QCOMPARE(review.position(), QString("1/3"));
        QCOMPARE(review.text("Label13"), QString("Sentence 1 ......"));
        review.click("Command4");
        review.click("Command7"); // Last
        QCOMPARE(review.position(), QString("3/3"));
        review.click("Command5"); // navigation Next on the last one
        QCOMPARE(review.position(), QString("3/3"));
        review.click("Command3");
        QCOMPARE(review.text("Label13"), QString("Sentence 2 ......"));
        review.click("Command2"); // First
        QCOMPARE(review.position(), QString("1/3"));
        QCOMPARE(review.text("Label13"), QString("Sentence 1 ......"));
        QCOMPARE(review.text("Label22"), QString("2")); // only main Next counts
        review.click("Command5");
        QCOMPARE(review.position(), QString("2/3"));
        QCOMPARE(QApplication::focusWidget(), review.button("Command2"));
    }

    void tryingAgainAndTheSolution() {
        ProgramFixture f;
        f.prepare();
        store(f.database().path(), {failed(1, "A", "C"), failed(2, "0", "B")});
        Review review(f);
        review.open();
        review.click("Command1");
        review.key('c');
        QVERIFY(f.child<QRadioButton>(ScreenId::FailedItems, "Option3D3")->isChecked());
        QVERIFY(shown(review.label("Label17")) && !shown(review.label("Label18")));
        review.key('b');
        QVERIFY(!shown(review.label("Label17")) && shown(review.label("Label18")));
        review.key('C'); // capitals do nothing
        QVERIFY(shown(review.label("Label18")));

        review.click("Command8");
        QVERIFY(shown(review.label("Label19")) && shown(review.label("Label20")));
        QCOMPARE(review.text("Label19"), QString("C"));
        QCOMPARE(review.text("Label20"), QString("Solution 1"));
        review.click("Command7"); // the navigation row clears the verdict but leaves the solution
        QVERIFY(!shown(review.label("Label18")));
        QVERIFY(shown(review.label("Label19")));
        QCOMPARE(review.text("Label20"), QString("Solution 2"));
        QVERIFY(!f.child<QRadioButton>(ScreenId::FailedItems, "Option3D2")->isChecked());

        review.click("Command2");
        review.click("Command4"); // main Next hides it
        QVERIFY(!shown(review.label("Label19")) && !shown(review.label("Label20")));
    }

    void enterAfterStartPressesFirst() {
        ProgramFixture f;
        f.prepare();
        store(f.database().path(), {failed(1, "A", "C"), failed(2, "0", "B")});
        Review review(f);
        review.open();
        Screen* screen = f.screen(ScreenId::FailedItems);
        QVERIFY(QTest::qWaitForWindowActive(screen));
        review.click("Command1");
        QCOMPARE(screen->defaultButton(), review.button("Command2"));
        review.button("Command7")->click();
        QCOMPARE(review.position(), QString("2/2"));
        QTest::keyClick(screen, Qt::Key_Return);
        QCOMPARE(review.position(), QString("1/2"));
    }

    void onlyThePlaceholder() {
        ProgramFixture f;
        f.prepare();
        Review review(f);
        review.open();
        review.click("Command1");
        QCOMPARE(review.position(), QString("-1/0"));
        QVERIFY(review.text("Label13").isEmpty());
        review.click("Command4");
        QCOMPARE(f.platform().messageTexts(), QStringList{"You have reached the last item."});
        QCOMPARE(review.position(), QString("-1/0"));
    }

    void closeLeavesThePlaceholderAndGivesBackTheTop() {
        ProgramFixture f;
        f.prepare();
        store(f.database().path(), {failed(1, "A", "C"), failed(2, "0", "B"), failed(3, "B", "D")});
        f.show(ScreenId::Test);
        keepOnTop(f.screen(ScreenId::Test), false);
        Review review(f);
        review.open();
        review.click("Command1");
        review.click("Command4");
        review.click("Command6");
        ProgramFixture::settle();
        QVERIFY(!f.screens().isLoaded(ScreenId::FailedItems));
        const auto rows = f.database().failedRows();
        QCOMPARE(rows.size(), size_t(1));
        QVERIFY(rows[0][1].isEmpty()); // the placeholder
        QVERIFY(isKeptOnTop(f.screen(ScreenId::Test)));
        QVERIFY(f.platform().messages.empty());
    }

    void unloadFromElsewhereEmptiesTooButLeavesTheTop() {
        ProgramFixture f;
        f.prepare();
        store(f.database().path(), {failed(1, "A", "C")});
        f.show(ScreenId::Test);
        keepOnTop(f.screen(ScreenId::Test), false);
        f.screens().hide(ScreenId::FailedItems); // loaded, never shown
        f.screens().unload(ScreenId::FailedItems);
        ProgramFixture::settle();
        QCOMPARE(f.database().failedRows().size(), size_t(1));
        QVERIFY(!isKeptOnTop(f.screen(ScreenId::Test)));
    }

    // The first row is the placeholder whatever it holds: a file that ships one with texts
    // in it still has its failed items emptied, by the review's Close and by the Test's Close.
    void aPlaceholderWithTextsIsKeptAndTheRestEmptied() {
        for (const bool fromTest : {false, true}) {
            ProgramFixture f;
            f.prepare();
            store(f.database().path(), {failed(1, "A", "C"), failed(2, "0", "B")});
            LiveView::open(f.database().path(), QStringLiteral("hiba1"))->deleteCurrent(); // the empty one
            f.show(ScreenId::Test);
            Review review(f);
            review.open();
            if (fromTest)
                f.child<QPushButton>(ScreenId::Test, QStringLiteral("Command6"))->click();
            else
                review.click("Command6");
            ProgramFixture::settle();
            QVERIFY(!f.screens().isLoaded(ScreenId::FailedItems));
            const auto rows = f.database().failedRows();
            QCOMPARE(rows.size(), size_t(1));
            QCOMPARE(rows[0][1], QString("Sentence 1 ......"));
            QVERIFY(f.platform().messages.empty());
        }
    }

    void anEmptyTableHasNoPlaceholderAndIsTold() {
        ProgramFixture f;
        f.prepare(LangCode::Hungarian);
        LiveView::open(f.database().path(), QStringLiteral("hiba1"))->deleteCurrent();
        Review review(f);
        review.open();
        review.click("Command6");
        ProgramFixture::settle();
        QVERIFY(!f.screens().isLoaded(ScreenId::FailedItems)); // the review goes on and closes
        QVERIFY(f.database().failedRows().empty());
        QCOMPARE(f.platform().messages.size(), size_t(1)); // told once, not again at unload
        QCOMPARE(f.platform().messages[0].icon, MessageIcon::Exclamation);
        QCOMPARE(f.platform().messages[0].text,
                 QString::fromUtf8("A hibás válaszok táblájából hiányzik az első sor, ezért a program nem törölt "
                                   "belőle semmit."));
    }

    void aReadOnlyTableIsReportedAndKept() {
        ProgramFixture f;
        f.prepare();
        store(f.database().path(), {failed(1, "A", "C")});
        f.database().setReadOnly();
        Review review(f);
        review.open();
        review.click("Command6");
        ProgramFixture::settle();
        QVERIFY(!f.screens().isLoaded(ScreenId::FailedItems));
        QCOMPARE(f.platform().messages.size(), size_t(1));
        QCOMPARE(f.platform().messages[0].icon, MessageIcon::Stop);
        f.database().setReadOnly(false);
        QCOMPARE(f.database().failedRows().size(), size_t(2));
    }

    void hungarianCaptions() {
        ProgramFixture f;
        f.prepare(116);
        Review review(f);
        review.open();
        QCOMPARE(f.screen(ScreenId::FailedItems)->windowTitle(), QString("Lexora English  ----  Hibás feleletek"));
        QCOMPARE(review.button("Command4")->text(), QString("To&vább"));
        QCOMPARE(review.button("Command2")->text(), QString("&Kezdet"));
        QCOMPARE(review.button("Command3")->text(), QString("Viss&za"));
        QCOMPARE(review.button("Command5")->text(), QString("&Tovább"));
        QCOMPARE(review.button("Command8")->text(), QString("&Megoldás"));
        QCOMPARE(review.label("Label21")->property("caption").toString(), QString("Az ön válasza:"));
        review.click("Command1");
        review.click("Command4");
        QCOMPARE(f.platform().messages.at(0).title, QString("Hibás válaszok"));
        QCOMPARE(f.platform().messages.at(0).text, QString("Ez volt az utolsó mondat."));
    }
};

QTEST_MAIN(TestFailedItems)
#include "test_faileditems.moc"
