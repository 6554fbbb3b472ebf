// SPDX-FileCopyrightText: 2026 The Lexora English developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Practice with written answers, driven as a learner drives it, and what the progress file keeps
// of written answers, of a repeat on the same day and of an item left unanswered at Evaluation.
#include "practicedriver.h"

#include "app/appcontext.h"

#include <QDir>
#include <QFrame>
#include <QLineEdit>
#include <QMenuBar>

#include <sqlite3.h>

using namespace lexora;
using namespace lexora::testing;

namespace {

constexpr int kMaxNo = 13; // highest item number of the fixture

// Every recorded answer, oldest first: "item choice right mode typed same_day place".
QStringList answerRows(ProgramFixture& fx) {
    fx.program().context().progress.flush();
    QStringList rows;
    sqlite3* db = nullptr;
    const QString path = QDir(fx.database().dir()).filePath(QStringLiteral("progress.db"));
    if (sqlite3_open_v2(path.toUtf8().constData(), &db, SQLITE_OPEN_READONLY, nullptr) == SQLITE_OK) {
        sqlite3_stmt* stmt = nullptr;
        sqlite3_prepare_v2(db,
                           "SELECT item, choice, right, mode, ifnull(typed, '-'), same_day, place FROM answers"
                           " ORDER BY id",
                           -1, &stmt, nullptr);
        while (stmt && sqlite3_step(stmt) == SQLITE_ROW) {
            QStringList fields;
            for (int c = 0; c < 7; ++c)
                fields << QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(stmt, c)));
            rows << fields.join(QLatin1Char(' '));
        }
        sqlite3_finalize(stmt);
    }
    sqlite3_close(db);
    return rows;
}

// Days until the item numbered `item` is due again, as the progress file holds it.
int scheduledDays(ProgramFixture& fx, int item) {
    fx.program().context().progress.flush();
    sqlite3* db = nullptr;
    const QString path = QDir(fx.database().dir()).filePath(QStringLiteral("progress.db"));
    sqlite3_open_v2(path.toUtf8().constData(), &db, SQLITE_OPEN_READONLY, nullptr);
    sqlite3_stmt* stmt = nullptr;
    sqlite3_prepare_v2(db, "SELECT days FROM memory WHERE item = ?", -1, &stmt, nullptr);
    sqlite3_bind_int(stmt, 1, item);
    const int days = sqlite3_step(stmt) == SQLITE_ROW ? sqlite3_column_int(stmt, 0) : -1;
    sqlite3_finalize(stmt);
    sqlite3_close(db);
    return days;
}

struct Typed {
    PracticeDriver& d;
    QLineEdit* box() { return d.f.child<QLineEdit>(ScreenId::Practice, QStringLiteral("answer")); }
    QLabel* named(const char* name) { return d.f.child<QLabel>(ScreenId::Practice, QLatin1String(name)); }
    // The key's text of the item on display (the answer labels are filled while hidden).
    QString keyText() {
        const int labels[] = {14, 12, 15, 16};
        return d.label(labels[QStringLiteral("ABCD").indexOf(d.label(10)->text())])->text().trimmed();
    }
    // Typed into the box key by key, then Enter, as the learner does.
    void write(const QString& text) {
        box()->setFocus();
        QTest::keyClicks(box(), text);
        QTest::keyClick(box(), Qt::Key_Return);
    }
    // The access key of a caption ("Ch&eck" gives 'e'), in lower case; none gives a null character.
    static QChar accessKey(const QString& caption) {
        const qsizetype at = QString(caption).replace("&&", "").indexOf('&');
        return at >= 0 && at + 1 < caption.size() ? caption[at + 1].toLower() : QChar();
    }
    bool choicesHidden() {
        return !shown(d.f.child<QFrame>(ScreenId::Practice, QStringLiteral("Frame3D1"))) && !d.shows(14) &&
               !d.shows(12) && !d.shows(15) && !d.shows(16);
    }
};

} // namespace

class TestPracticeTyped : public QObject {
    Q_OBJECT

private slots:
    void randomRunWritten();
    void sequentialRunWritten();
    void dueForReviewWritten();
    void sameDayRepeatLeavesTheSchedule();
    void unansweredAtEvaluationNotRemembered();
    void accessKeysClashWithNothing_data();
    void accessKeysClashWithNothing();
};

void TestPracticeTyped::randomRunWritten() {
    ProgramFixture fx;
    PracticeDriver d(fx);
    Typed t{d};
    d.action(QStringLiteral("mnuwrite"))->trigger();
    QVERIFY(!shown(t.box())); // before Start neither way of answering shows
    d.startRandom(1, kMaxNo);
    QVERIFY(t.choicesHidden());
    QVERIFY(shown(t.box()) && t.box()->hasFocus());
    QCOMPARE(fx.platform().spoken.last(), QString("Item 1. She gap to school every morning. Write the missing words."));

    t.write(QStringLiteral("  GOES "));
    QVERIFY(d.shows(19) && !d.shows(20));
    QCOMPARE(t.named("verdict")->text(), QString("Right"));
    QCOMPARE(t.named("rightanswer")->text(), QString("goes"));
    QVERIFY(fx.platform().spoken.join(' ').contains("Right. Right answer: goes."));

    fx.platform().queueDraws({ScriptedPlatform::drawFor(3, kMaxNo)});
    d.click(10);
    QVERIFY(t.box()->text().isEmpty() && !shown(t.named("rightanswer")) && !d.shows(19));
    t.write(QStringLiteral("Do")); // one of the item's wrong answers
    QVERIFY(d.shows(20) && !d.shows(19));
    QCOMPARE(t.named("verdict")->text(), QString("Wrong"));
    QCOMPARE(t.named("rightanswer")->text(), QString("Would"));
    QCOMPARE(answerRows(fx), QStringList({"1 B 1 2 GOES 0 1", "3 B 0 2 Do 0 1"}));
}

void TestPracticeTyped::sequentialRunWritten() {
    ProgramFixture fx;
    PracticeDriver d(fx);
    Typed t{d};
    d.level(0);
    d.action(QStringLiteral("mnuwrite"))->trigger();
    d.click(3);
    QVERIFY(t.choicesHidden() && t.box()->hasFocus());
    const QString first = d.sentence();
    const QString firstAnswer = d.label(10)->text() + " 1 2 " + t.keyText() + " 0 1";
    t.write(t.keyText());
    QVERIFY(d.shows(19));
    // The focus has gone to Next: Enter brings the next item, with the box empty and ready.
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    QVERIFY(d.sentence() != first);
    QCOMPARE(d.label(22)->text(), QString("2"));
    QVERIFY(t.box()->hasFocus() && t.box()->text().isEmpty());

    // The letter keys write letters; no answer is chosen.
    QTest::keyClicks(t.box(), "abcd");
    QCOMPARE(t.box()->text(), QString("abcd"));
    QVERIFY(d.option(1)->isChecked() && !d.shows(19) && !d.shows(20));
    QTest::keyClick(t.box(), Qt::Key_Return);
    QVERIFY(d.shows(20));
    // Solution on the next item shows the solution as in the other mode.
    d.click(2);
    d.click(1);
    QVERIFY(d.shows(17) && d.shows(18));

    // Back to choosing: the answers come back and the box goes.
    d.action(QStringLiteral("mnuwrite"))->trigger();
    QVERIFY(shown(d.label(14)) && !shown(t.box()));
    const QStringList rows = answerRows(fx);
    QCOMPARE(rows.size(), 3);
    QCOMPARE(rows[0].section(' ', 1), firstAnswer);
    QVERIFY(rows[1].endsWith(" 0 2 abcd 0 1"));
    QVERIFY(rows[2].endsWith("  0 2  0 1")); // the solution asked for: no choice, nothing written
}

void TestPracticeTyped::dueForReviewWritten() {
    ProgramFixture fx;
    {
        PracticeDriver d(fx);
        Typed t{d};
        d.action(QStringLiteral("mnuwrite"))->trigger();
        d.startRandom(1, kMaxNo);
        t.write(QStringLiteral("go"));
        d.click(6);
        ProgramFixture::settle();
    }
    fx.platform().clock = fx.platform().clock.addDays(1);
    fx.screens().state<PracticeState>().openInDueMode = true;
    PracticeDriver d(fx);
    Typed t{d};
    d.click(3);
    QCOMPARE(d.sentence(), QString(" She ...... to school every morning."));
    QVERIFY(t.choicesHidden() && shown(t.box()));
    t.write(QStringLiteral("goes"));
    QVERIFY(d.shows(19));
    QCOMPARE(answerRows(fx), QStringList({"1 A 0 2 go 0 1", "1 B 1 2 goes 0 1"}));
    QVERIFY(scheduledDays(fx, 1) > 1);
}

void TestPracticeTyped::sameDayRepeatLeavesTheSchedule() {
    ProgramFixture fx;
    PracticeDriver d(fx);
    d.startRandom(1, kMaxNo);
    d.choose('A');
    QCOMPARE(scheduledDays(fx, 1), 1);
    // Minutes later, after the reason, the same item comes again and is answered right.
    fx.platform().clock = fx.platform().clock.addSecs(300);
    fx.platform().queueDraws({ScriptedPlatform::drawFor(1, kMaxNo)});
    d.click(10);
    d.choose('B');
    QCOMPARE(answerRows(fx), QStringList({"1 A 0 1 - 0 1", "1 B 1 1 - 1 1"}));
    QCOMPARE(scheduledDays(fx, 1), 1);
    // The next day counts again.
    fx.platform().clock = fx.platform().clock.addDays(1);
    fx.platform().queueDraws({ScriptedPlatform::drawFor(1, kMaxNo)});
    d.click(10);
    d.choose('B');
    QCOMPARE(answerRows(fx).last(), QString("1 B 1 1 - 0 1"));
    QVERIFY(scheduledDays(fx, 1) > 1);
}

void TestPracticeTyped::unansweredAtEvaluationNotRemembered() {
    ProgramFixture fx;
    fx.prepare();
    fx.show(ScreenId::Test);
    const auto button = [&](const char* name) { return fx.child<QPushButton>(ScreenId::Test, QLatin1String(name)); };
    const auto nextButton = [&] { return shown(button("Command2")) ? button("Command2") : button("Command4"); };
    fx.platform().queueDraws({ScriptedPlatform::drawFor(1, kMaxNo), ScriptedPlatform::drawFor(2, kMaxNo)});
    button("Command3")->click();
    fx.child<QRadioButton>(ScreenId::Test, QStringLiteral("Option3D2"))->click(); // B, right
    nextButton()->click();
    button("Command5")->click(); // Evaluation with the second item unanswered
    QCOMPARE(fx.child<QLabel>(ScreenId::Test, QStringLiteral("Label18"))->text(), QString("1/2"));
    QCOMPARE(fx.database().failedRows().size(), size_t(2)); // failed in the score and the table
    QCOMPARE(answerRows(fx), QStringList({"1 B 1 1 - 0 2"}));

    // An item whose time ran out is remembered as failed.
    fx.child<QAction>(ScreenId::Test, QStringLiteral("mnuTiempoItem_0"))->trigger();
    fx.platform().queueDraws({ScriptedPlatform::drawFor(3, kMaxNo), ScriptedPlatform::drawFor(4, kMaxNo)});
    button("Command3")->click();
    fx.fireTimer(ScreenId::Test, QStringLiteral("Timer1"));
    QCOMPARE(answerRows(fx).last(), QString("3  0 1 - 0 2"));
}

void TestPracticeTyped::accessKeysClashWithNothing_data() {
    QTest::addColumn<int>("langcode");
    QTest::newRow("English") << 16;
    QTest::newRow("Hungarian") << 116;
    QTest::newRow("Spanish") << 216;
    QTest::newRow("French") << 316;
}

// The box's and Check's keys are taken by nothing else on the window (buttons, captions, menus),
// and the Settings entry's by no other entry of its menu.
void TestPracticeTyped::accessKeysClashWithNothing() {
    QFETCH(int, langcode);
    ProgramFixture fx;
    PracticeDriver d(fx, langcode);
    Typed t{d};
    d.level(0);
    d.action(QStringLiteral("mnuwrite"))->trigger();
    d.click(3);
    const QChar box = Typed::accessKey(t.named("answercaption")->text());
    const QChar check = Typed::accessKey(fx.child<QPushButton>(ScreenId::Practice, "check")->text());
    QVERIFY(!box.isNull() && !check.isNull() && box != check);
    QString others;
    for (QPushButton* button : d.screen->findChildren<QPushButton*>())
        if (shown(button) && button->objectName() != "check")
            others += Typed::accessKey(button->text());
    for (QAction* menu : d.screen->menuBar()->actions())
        others += Typed::accessKey(menu->text());
    QVERIFY2(!others.contains(box) && !others.contains(check), qPrintable(others));

    QString entries;
    for (QAction* entry : d.menu(QStringLiteral("mnuSettings"))->actions())
        if (entry->isVisible() && entry->objectName() != "mnuwrite")
            entries += Typed::accessKey(entry->text());
    QVERIFY(!entries.contains(Typed::accessKey(d.action(QStringLiteral("mnuwrite"))->text())));
}

QTEST_MAIN(TestPracticeTyped)
#include "test_practicetyped.moc"
