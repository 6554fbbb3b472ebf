// SPDX-FileCopyrightText: 2026 The Lexora English developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The Database screen keeps every item reachable: a record number or a level box that is
// emptied is refused as letters are, and New proposes a number an item can have.

#include "data/itemview.h"
#include "screens/database/databasestate.h"
#include "text/captions.h"

#include "ui/programfixture.h"

#include <QAction>
#include <QLineEdit>
#include <QPushButton>

using namespace lexora;
using namespace lexora::testing;

namespace {

enum Column { Sorszam, Sorrend, Sorrend2, Szint };

class Form1 {
public:
    Form1(ProgramFixture& fixture, int langcode) : f(fixture) {
        f.prepare(langcode);
        f.show(ScreenId::Database);
        click("Command10");
    }
    void click(const char* name) { QTest::mouseClick(f.child<QPushButton>(ScreenId::Database, name), Qt::LeftButton); }
    QLineEdit* line(const char* name) { return f.child<QLineEdit>(ScreenId::Database, name); }
    void type(const char* name, const QString& text) {
        QLineEdit* box = line(name);
        box->setFocus();
        box->selectAll();
        QTest::keyClick(box, Qt::Key_Delete);
        QTest::keyClicks(box, text);
    }
    QStringList told() { return f.platform().messageTexts(); }

    ProgramFixture& f;
};

QStringList firstItem(ProgramFixture& f) {
    return f.database().items().items.front();
}

// Items numbered 1 to `count`.
std::vector<QStringList> numbered(int count) {
    std::vector<QStringList> items;
    for (int n = 1; n <= count; ++n)
        items.push_back(makeItem(n, n));
    return items;
}

} // namespace

class TestDatabaseNumbers : public QObject {
    Q_OBJECT

private slots:
    void anEmptiedNumberOrLevelIsRefusedInTheWorkingLanguage() {
        ProgramFixture f({makeItem(1, 10, 2)});
        Form1 w(f, LangCode::Hungarian);
        w.type("Text2", "");
        w.click("Command7"); // Next writes the item first, and is refused
        QCOMPARE(w.told(), QStringList{QString::fromUtf8("A(z) szint mezőbe egész számot kell írni; nem maradhat üresen.")});
        QCOMPARE(firstItem(f)[Szint], QString("2"));
        QCOMPARE(w.line("Text2")->text(), QString()); // what was typed stays, to be put right

        w.type("Text2", "3");
        w.type("Text1", " ");
        w.click("Command7");
        QCOMPARE(w.told().size(), 2);
        QVERIFY(w.told()[1].contains("Sorszam"));
        QCOMPARE(firstItem(f)[Sorszam], QString("1"));
        QCOMPARE(firstItem(f)[Szint], QString("2")); // nothing of the refused edit is written

        w.type("Text1", "1");
        w.click("Command7");
        QCOMPARE(firstItem(f)[Szint], QString("3"));
        QCOMPARE(w.told().size(), 2);
    }

    void lettersAreRefusedInFrench() {
        ProgramFixture f({makeItem(1, 10, 2)});
        Form1 w(f, LangCode::French);
        w.type("Text2", "deux");
        w.click("Command7");
        QCOMPARE(w.told(), QStringList{QString::fromUtf8("Le champ szint contient des nombres entiers de -32768 à 32767\u00a0; "
                                                         "«\u00a0deux\u00a0» n'en est pas un.")});
        QCOMPARE(firstItem(f)[Szint], QString("2"));
    }

    void newAfterTheLargestNumberProposesTheLowestFreeOne() {
        ProgramFixture f({makeItem(1, 10), makeItem(2, 20), makeItem(4, 40), makeItem(32767, 50)});
        Form1 w(f, LangCode::English);
        f.platform().queueDraws({0.5});
        w.click("Command1");
        QCOMPARE(w.line("Text1")->text(), QString("3"));
        w.type("Text2", "1");
        w.click("Command6");
        QCOMPARE(f.database().items().items.size(), size_t(5));
        QVERIFY(w.told().isEmpty());
    }

    void newWithEveryNumberTakenTellsAndAddsNothing() {
        ProgramFixture f(numbered(32767));
        Form1 w(f, LangCode::Hungarian);
        w.click("Command1");
        QCOMPARE(w.told(), QStringList{QString::fromUtf8(
                               "Minden rekordszám foglalt 1-től 32767-ig, ezért új mondat nem vehető fel.")});
        QCOMPARE(f.platform().messages[0].icon, MessageIcon::Exclamation);
        QCOMPARE(w.line("Text1")->text(), QString("1")); // still on the item it showed
        QCOMPARE(f.screens().state<DatabaseState>().newpending, 0);
        QCOMPARE(f.database().items().items.size(), size_t(32767));
    }
};

QTEST_MAIN(TestDatabaseNumbers)
#include "test_databasenumbers.moc"
