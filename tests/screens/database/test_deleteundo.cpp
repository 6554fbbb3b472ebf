// SPDX-FileCopyrightText: 2026 The Lexora English developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Bringing back deleted items on the Database screen: Ctrl+Z and Options > Undo delete.

#include "data/sqlitedb.h"
#include "screens/database/databasescreen.h"
#include "text/captions.h"

#include "ui/programfixture.h"

#include <QAction>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <algorithm>

using namespace lexora;
using namespace lexora::testing;

namespace {

enum Column { Sorszam, Sorrend, Sorrend2 };

class Form1 {
public:
    explicit Form1(ProgramFixture& fixture, int langcode = LangCode::English) : f(fixture) {
        f.prepare(langcode);
        f.show(ScreenId::Database);
        click("Command10");
    }
    void click(const char* name) { QTest::mouseClick(f.child<QPushButton>(ScreenId::Database, name), Qt::LeftButton); }
    void undo() { f.child<QAction>(ScreenId::Database, "mnuUndoDelete")->trigger(); }
    QString number() { return f.child<QLineEdit>(ScreenId::Database, "Text1")->text(); }
    // Finds an item by number and deletes it.
    void remove(int sorszam) {
        f.platform().answerInput(QStringLiteral("sorszam = %1").arg(sorszam));
        click("Command5");
        QCOMPARE(number(), QString::number(sorszam));
        click("Command4");
    }
    void type(const char* name, const QString& text) {
        QLineEdit* box = f.child<QLineEdit>(ScreenId::Database, name);
        box->setText(text);
        emit box->textEdited(text);
    }

    ProgramFixture& f;
};

// The stored items, ordered by number, so that two states of the table compare whatever their stored order.
std::vector<QStringList> byNumber(ProgramFixture& f) {
    std::vector<QStringList> rows = f.database().items().items;
    std::sort(rows.begin(), rows.end(),
              [](const QStringList& a, const QStringList& b) { return a[Sorszam].toInt() < b[Sorszam].toInt(); });
    return rows;
}

QStringList itemNumbered(ProgramFixture& f, int sorszam) {
    for (const QStringList& row : f.database().items().items)
        if (row[Sorszam].toInt() == sorszam)
            return row;
    return {};
}

// The database engine's own verdict on the file.
QString integrity(ProgramFixture& f) {
    auto db = SqliteDb::open(f.database().path());
    Statement check = db->prepare("PRAGMA integrity_check");
    return check.step() ? check.column(0).toString() : QStringLiteral("no answer");
}

} // namespace

class TestDeleteUndo : public QObject {
    Q_OBJECT

private slots:
    void init() { ProgramFixture::settle(); }

    void oneDeletedItemComesBackWholeAndCurrent() {
        ProgramFixture f;
        const auto before = byNumber(f);
        const QStringList gone = itemNumbered(f, 8);
        Form1 w(f);
        w.remove(8);
        QVERIFY(itemNumbered(f, 8).isEmpty());
        w.undo();
        QCOMPARE(byNumber(f), before); // every field, both numbers
        QCOMPARE(w.number(), QString("8"));
        QCOMPARE(f.child<QLineEdit>(ScreenId::Database, "Text8")->text(), gone[9]);
        QVERIFY(f.platform().messages.empty());
        QCOMPARE(integrity(f), QString("ok"));
    }

    // The restored item stands between the neighbours it had, in the order the screen browses,
    // and stays there in the next run; the most recent delete of several is the first back.
    void theItemComesBackBetweenItsNeighboursForGood() {
        ProgramFixture f;
        const size_t count = f.database().items().items.size();
        // The browse order: the numbers as Next meets them from the first item.
        const auto walk = [count](Form1& form) {
            QStringList numbers;
            form.click("Command6");
            for (size_t i = 0; i < count; ++i) {
                numbers << form.number();
                form.click("Command7");
            }
            return numbers;
        };
        Form1 w(f);
        const QStringList order = walk(w);
        QVERIFY(order.size() > 6);
        const int middle = order[4].toInt();
        const QStringList gone = itemNumbered(f, middle);
        w.remove(middle);
        w.remove(order[2].toInt());
        w.undo();
        w.undo();
        QCOMPARE(w.number(), order[4]);
        w.click("Command7");
        QCOMPARE(w.number(), order[5]);
        QCOMPARE(itemNumbered(f, middle), gone); // its number and its sorrend2 as they were
        QCOMPARE(walk(w), order);

        f.restart();
        Form1 again(f);
        QCOMPARE(walk(again), order);
    }

    void severalComeBackMostRecentFirstByCtrlZ() {
        ProgramFixture f;
        const auto before = byNumber(f);
        Form1 w(f);
        for (int n : {2, 9, 4})
            w.remove(n);
        QCOMPARE(int(byNumber(f).size()), int(before.size()) - 3);
        // A shortcut reaches only the active window.
        Screen* screen = f.screen(ScreenId::Database);
        screen->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(screen));
        QWidget* deleteButton = f.child<QPushButton>(ScreenId::Database, "Command4");
        deleteButton->setFocus();
        for (const char* expected : {"4", "9", "2"}) {
            QTest::keyClick(deleteButton, Qt::Key_Z, Qt::ControlModifier);
            QCOMPARE(w.number(), QString(expected));
            QCOMPARE(integrity(f), QString("ok"));
        }
        QCOMPARE(byNumber(f), before);
        // Then there is nothing left to bring back.
        w.undo();
        QCOMPARE(f.platform().messageTexts(), QStringList{"No deleted item to bring back."});
        QCOMPARE(byNumber(f), before);
    }

    void nothingToUndoOnAFreshWindowEvenAfterEarlierDeletes() {
        ProgramFixture f;
        {
            Form1 w(f);
            w.undo();
            QCOMPARE(f.platform().messages.size(), size_t(1));
            QCOMPARE(f.platform().messages[0].icon, MessageIcon::Information);
            w.remove(3);
            w.click("Command2"); // Close: what was deleted stays deleted
        }
        ProgramFixture::settle();
        const auto after = byNumber(f);
        Form1 again(f, LangCode::Hungarian);
        again.undo();
        QCOMPARE(f.platform().messages.back().text, QString::fromUtf8("Nincs visszahozható törölt mondat."));
        QCOMPARE(f.platform().messages.back().title, QString::fromUtf8("Adatbázis"));
        QCOMPARE(byNumber(f), after);
        QCOMPARE(integrity(f), QString("ok"));
    }

    void afterFindTheRestoredItemIsCurrentAndFindGoesOn() {
        ProgramFixture f;
        const auto before = byNumber(f);
        Form1 w(f);
        w.remove(6);
        f.platform().answerInput("sorszam = 11");
        w.click("Command5");
        QCOMPARE(w.number(), QString("11"));
        w.undo();
        QCOMPARE(w.number(), QString("6"));
        QCOMPARE(byNumber(f), before);
        // The restored item is a row of the view like any other: Previous leaves it for the one before.
        w.click("Command3");
        QVERIFY(w.number() != QString("6"));
        QCOMPARE(integrity(f), QString("ok"));
    }

    void afterNewThePendingItemIsSavedFirst() {
        ProgramFixture f;
        const auto before = byNumber(f);
        Form1 w(f);
        w.remove(7);
        f.platform().queueDraws({ScriptedPlatform::drawFor(1234, 3000)});
        w.click("Command1"); // New: number 14 (13 is the highest)
        QCOMPARE(w.number(), QString("14"));
        w.type("Text2", "2");
        w.undo();
        QCOMPARE(w.number(), QString("7"));
        auto after = byNumber(f);
        QCOMPARE(int(after.size()), int(before.size()) + 1);
        QCOMPARE(after.back()[Sorszam], QString("14"));
        QCOMPARE(after.back()[Sorrend2], QString("1234"));
        after.pop_back();
        QCOMPARE(after, before);
        QCOMPARE(integrity(f), QString("ok"));
    }

    void aNumberTakenMeanwhileGivesWayToTheNextFreeOne() {
        ProgramFixture f;
        Form1 w(f);
        const QStringList gone = itemNumbered(f, 13);
        w.remove(13); // the highest number: New hands it out again
        f.platform().queueDraws({ScriptedPlatform::drawFor(500, 3000)});
        w.click("Command1");
        QCOMPARE(w.number(), QString("13"));
        w.click("Command7"); // Next saves the new item as number 13
        QCOMPARE(itemNumbered(f, 13)[Sorrend2], QString("500"));

        // Another program meanwhile gives an item the deleted one's place in the sequence.
        {
            auto db = SqliteDb::open(f.database().path());
            db->exec("UPDATE test1 SET sorrend2 = 1 WHERE sorszam = 12"); // 1 was item 13's place
        }
        w.undo();
        QCOMPARE(w.number(), QString("14"));
        const QStringList back = itemNumbered(f, 14);
        QCOMPARE(back.mid(3), gone.mid(3)); // every field after the numbers
        QCOMPARE(back[Sorrend2], QString("2"));
        QCOMPARE(f.platform().messages.size(), size_t(1));
        const QString told = f.platform().messages[0].text;
        QVERIFY2(told.contains("Item number 13") && told.contains("number 14"), qPrintable(told));
        QVERIFY2(told.contains("Place 1 of the sequence") && told.contains("place 2"), qPrintable(told));
        QCOMPARE(integrity(f), QString("ok"));
    }

    void aFileThatCannotBeWrittenKeepsTheItemForLater() {
        ProgramFixture f;
        const auto before = byNumber(f);
        Form1 w(f);
        w.remove(10);
        f.database().setReadOnly(true);
        w.undo(); // told by the screen's trap; the item is not lost
        QCOMPARE(f.platform().messages.size(), size_t(1));
        f.database().setReadOnly(false);
        w.undo();
        QCOMPARE(byNumber(f), before);
        QCOMPARE(w.number(), QString("10"));
        QCOMPARE(integrity(f), QString("ok"));
    }
};

QTEST_MAIN(TestDeleteUndo)
#include "test_deleteundo.moc"
