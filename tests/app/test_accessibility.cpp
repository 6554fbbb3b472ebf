// SPDX-FileCopyrightText: 2026 The Lexora English developers
// SPDX-License-Identifier: GPL-3.0-or-later

// What screen readers get: a name for every control, in the working language where the
// program names it, the items, verdicts and score spoken as they come, and the gauge's value.

#include "../screens/practice/practicedriver.h"
#include "screens/test/clippinggauge.h"
#include "text/captions.h"
#include "ui/programfixture.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAccessible>
#include <QAccessibleValueInterface>
#include <QApplication>
#include <QFrame>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QRadioButton>
#include <QTest>

using namespace lexora;
using namespace lexora::testing;

namespace {

constexpr int kFixtureMaxno = 13;

QString nameOf(QObject* control) {
    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(control);
    return face ? face->text(QAccessible::Name) : QString();
}

// Controls on show that a screen reader would stop at, with no name or with an access-key ampersand.
QStringList unnamedControls(QWidget* window) {
    QStringList faults;
    for (QWidget* w : window->findChildren<QWidget*>()) {
        const bool control = qobject_cast<QAbstractButton*>(w) || qobject_cast<QLineEdit*>(w) ||
                             qobject_cast<QPlainTextEdit*>(w) || qobject_cast<QProgressBar*>(w) ||
                             qobject_cast<QLabel*>(w) ||
                             // a table's headers are read as part of it
                             (qobject_cast<QAbstractItemView*>(w) && !qobject_cast<QHeaderView*>(w));
        if (!control || !w->isVisibleTo(window))
            continue;
        const QString name = nameOf(w);
        if (name.trimmed().isEmpty() || name.contains('&'))
            faults << QStringLiteral("%1 \"%2\"").arg(w->objectName(), name);
    }
    return faults;
}

Screen* startTimedTest(ProgramFixture& f, int langcode = 16) {
    f.prepare(langcode);
    Screen* test = f.show(ScreenId::Test);
    f.child<QAction>(ScreenId::Test, "mnuTiempoItem_0")->trigger();
    f.platform().queueDraws({ScriptedPlatform::drawFor(1, kFixtureMaxno), ScriptedPlatform::drawFor(2, kFixtureMaxno)});
    QTest::mouseClick(f.child<QPushButton>(ScreenId::Test, "Command3"), Qt::LeftButton);
    return test;
}

// A one-item Test evaluated unanswered, and its review started on that item.
Screen* startedReview(ProgramFixture& f) {
    f.prepare();
    f.show(ScreenId::Test);
    f.platform().queueDraws({ScriptedPlatform::drawFor(1, kFixtureMaxno)});
    QTest::mouseClick(f.child<QPushButton>(ScreenId::Test, "Command3"), Qt::LeftButton);
    QTest::mouseClick(f.child<QPushButton>(ScreenId::Test, "Command5"), Qt::LeftButton);
    QTest::mouseClick(f.child<QLabel>(ScreenId::Test, "Label17"), Qt::LeftButton);
    QTest::mouseClick(f.child<QPushButton>(ScreenId::FailedItems, "Command1"), Qt::LeftButton);
    return f.screen(ScreenId::FailedItems);
}

} // namespace

class TestAccessibility : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { ProgramFixture::settle(); }

    void everyControlOnShowHasAName() {
        {
            ProgramFixture f;
            f.startToHub("Command6"); // Magyar
            QCOMPARE(unnamedControls(f.screen(ScreenId::Hub)), QStringList());
            QCOMPARE(nameOf(f.child<QRadioButton>(ScreenId::Hub, "practice")), QString::fromUtf8("Gyakorlás"));
        }
        {
            ProgramFixture f;
            PracticeDriver p(f);
            p.level(0);
            p.click(3);
            p.choose('A');
            p.click(1); // Solution
            QCOMPARE(unnamedControls(p.screen), QStringList());
        }
        {
            ProgramFixture f;
            QCOMPARE(unnamedControls(startTimedTest(f)), QStringList());
        }
        {
            ProgramFixture f;
            Screen* review = startedReview(f);
            f.child<QRadioButton>(ScreenId::FailedItems, "Option3D1")->click();
            QTest::mouseClick(f.child<QPushButton>(ScreenId::FailedItems, "Command8"), Qt::LeftButton);
            QCOMPARE(unnamedControls(review), QStringList());
        }
        {
            ProgramFixture f;
            f.prepare();
            QCOMPARE(unnamedControls(f.show(ScreenId::Database)), QStringList());
            QCOMPARE(nameOf(f.child<QLineEdit>(ScreenId::Database, "Text5")), QString("Answer B"));
        }
        {
            // My progress in Hungarian, with answers to show: the tables beside the charts carry names.
            ProgramFixture f;
            PracticeDriver p(f);
            p.level(0);
            p.click(3);
            p.choose('A');
            ProgramFixture::settle();
            f.globals().langcode = LangCode::Hungarian;
            Screen* progress = f.show(ScreenId::Progress);
            QCOMPARE(unnamedControls(progress).join(", "), QString());
            QCOMPARE(nameOf(f.child<QWidget>(ScreenId::Progress, "topicTable")),
                     QString::fromUtf8("Helyes első válaszok témánként (%), összesen"));
        }
    }

    void namesFollowTheWorkingLanguage_data() {
        QTest::addColumn<int>("langcode");
        QTest::addColumn<QString>("sentence");
        QTest::addColumn<QString>("right");
        QTest::addColumn<QString>("wrong");
        QTest::addRow("en") << 16 << "Sentence"
                            << "Right"
                            << "Wrong";
        QTest::addRow("hu") << 116 << "Mondat"
                            << "Helyes" << QString::fromUtf8("Hibás");
        QTest::addRow("es") << 216 << QString::fromUtf8("Oración") << "Correcto"
                            << "Incorrecto";
        QTest::addRow("fr") << 316 << "Phrase"
                            << "Juste"
                            << "Faux";
    }
    void namesFollowTheWorkingLanguage() {
        QFETCH(int, langcode);
        QFETCH(QString, sentence);
        QFETCH(QString, right);
        QFETCH(QString, wrong);
        ProgramFixture f;
        PracticeDriver p(f, langcode);
        p.level(0);
        p.click(3);
        QCOMPARE(nameOf(p.label(13)), sentence);
        // An option says its letter and its answer.
        QCOMPARE(nameOf(p.option(4)), "C: " + p.label(15)->text().trimmed());
        QCOMPARE(nameOf(p.label(19)), right);
        QCOMPARE(nameOf(p.label(20)), wrong);
        // The name says what the label stands for; what it shows is read as its description.
        QAccessibleInterface* face = QAccessible::queryAccessibleInterface(p.label(13));
        QCOMPARE(face->text(QAccessible::Description), p.sentence().trimmed());
        QVERIFY(!p.sentence().trimmed().isEmpty());

        ProgramFixture g;
        startTimedTest(g, langcode);
        QCOMPARE(nameOf(g.child<QLabel>(ScreenId::Test, "Label13")), sentence);
        QCOMPARE(nameOf(g.child<QRadioButton>(ScreenId::Test, "Option3D3")),
                 "C: " + g.child<QLabel>(ScreenId::Test, "Label15")->text().trimmed());
    }

    // Each item is said as it comes up, in the working language, with the gap as a word and
    // each answer after its letter; F5 says it again; the focus is never left on Close.
    void itemsAreSpokenAsTheyComeUp_data() {
        QTest::addColumn<int>("langcode");
        QTest::addColumn<QString>("first");
        QTest::addColumn<QString>("second");
        QTest::addColumn<QString>("gap");
        QTest::addColumn<QString>("solution");
        QTest::addRow("en") << 16 << "Item 1."
                            << "Item 2."
                            << " gap "
                            << "Solution: ";
        QTest::addRow("hu") << 116 << "1. mondat."
                            << "2. mondat." << QString::fromUtf8(" üres hely ") << QString::fromUtf8("Megoldás: ");
        QTest::addRow("es") << 216 << QString::fromUtf8("Oración 1.") << QString::fromUtf8("Oración 2.") << " hueco "
                            << QString::fromUtf8("Solución: ");
        QTest::addRow("fr") << 316 << "Fiche 1."
                            << "Fiche 2."
                            << " blanc " << QString::fromUtf8("Solution\u00a0: ");
    }
    void itemsAreSpokenAsTheyComeUp() {
        QFETCH(int, langcode);
        QFETCH(QString, first);
        QFETCH(QString, second);
        QFETCH(QString, gap);
        QFETCH(QString, solution);
        ProgramFixture f;
        PracticeDriver p(f, langcode);
        p.startRandom(2, kFixtureMaxno);
        QStringList& spoken = f.platform().spoken;
        QCOMPARE(spoken.size(), 1);
        QVERIFY2(spoken[0].startsWith(first + ' '), qPrintable(spoken[0]));
        QVERIFY2(spoken[0].contains(gap) && !spoken[0].contains(".."), qPrintable(spoken[0]));
        QVERIFY(spoken[0].endsWith("D: " + p.label(16)->text().trimmed() + '.'));
        // Random mode has no Next in the focus's reach: the answers take it, not Close.
        QCOMPARE(QApplication::focusWidget(), p.option(2));
        QTest::keyClick(p.screen, Qt::Key_F5);
        QCOMPARE(spoken.size(), 2);
        QCOMPARE(spoken[1], spoken[0]);
        p.click(1); // Solution
        QCOMPARE(spoken.last(), solution + p.label(18)->text() + ". " + p.label(17)->text().trimmed());
        f.platform().queueDraws({ScriptedPlatform::drawFor(3, kFixtureMaxno)});
        p.click(10);
        QVERIFY2(spoken.last().startsWith(second + ' '), qPrintable(spoken.last()));
    }

    // The Test says its items and, at Evaluation, the score; the focus is on the answers after Start.
    void testRunSaysItemsAndScore() {
        ProgramFixture f;
        f.prepare(116);
        f.show(ScreenId::Test);
        f.platform().queueDraws({ScriptedPlatform::drawFor(1, kFixtureMaxno)});
        QTest::mouseClick(f.child<QPushButton>(ScreenId::Test, "Command3"), Qt::LeftButton);
        QVERIFY(f.platform().spoken.last().startsWith("1. mondat. "));
        QCOMPARE(f.screen(ScreenId::Test)->focusWidget(), f.child<QRadioButton>(ScreenId::Test, "Option3D1"));
        QTest::mouseClick(f.child<QPushButton>(ScreenId::Test, "Command5"), Qt::LeftButton);
        QCOMPARE(f.platform().spoken.last(), QString::fromUtf8("Eredmény: 0/1 helyes, 0%."));
    }

    // While hidden, no control tells the right letter or the solution.
    void hiddenLabelsGiveNothingAway() {
        ProgramFixture f;
        PracticeDriver p(f);
        p.startRandom(2, kFixtureMaxno);
        for (int n : {9, 10, 17, 18}) {
            QAccessibleInterface* face = QAccessible::queryAccessibleInterface(p.label(n));
            const QString told = face->text(QAccessible::Name) + face->text(QAccessible::Description);
            QVERIFY2(!told.contains(p.label(17)->text().trimmed()) && !told.split(' ').contains(p.label(10)->text()),
                     qPrintable(QString("Label%1: %2").arg(n).arg(told)));
        }
        p.click(1); // Solution: now it is told
        QCOMPARE(QAccessible::queryAccessibleInterface(p.label(17))->text(QAccessible::Description),
                 p.label(17)->text().trimmed());
    }

    // The arrows walk the four options and choose none; the letters and Space still choose.
    void arrowsMoveOverTheOptionsWithoutChoosing() {
        ProgramFixture f;
        PracticeDriver p(f);
        p.startRandom(2, kFixtureMaxno);
        QCOMPARE(QApplication::focusWidget(), p.option(2));
        for (int expected : {3, 4, 5, 2}) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
            QCOMPARE(QApplication::focusWidget(), p.option(expected));
        }
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Up);
        QCOMPARE(QApplication::focusWidget(), p.option(5));
        QVERIFY(p.option(1)->isChecked());
        QVERIFY(f.platform().announcements.isEmpty());
    }

    // Clickable labels are links (a picture a button) that screen readers can press.
    void clickableLabelsHaveAPressAction() {
        ProgramFixture f;
        f.startToHub("Command1");
        auto* change = f.child<QLabel>(ScreenId::Hub, "change");
        QAccessibleInterface* face = QAccessible::queryAccessibleInterface(change);
        QCOMPARE(face->role(), QAccessible::Link);
        QVERIFY(face->actionInterface()->actionNames().contains(QAccessibleActionInterface::pressAction()));
        QVERIFY(!face->text(QAccessible::Name).isEmpty());
        QCOMPARE(nameOf(f.child<QFrame>(ScreenId::Hub, "Frame3D1")), QString("Tasks"));
    }

    // Each appearance of a box is announced with its name in the working language.
    void greenAndRedBoxesAnnounceThemselves() {
        ProgramFixture f;
        PracticeDriver p(f, 316);
        p.level(0);
        p.click(3);
        const char rightLetter = char(p.label(10)->text().at(0).unicode());
        const char wrongLetter = rightLetter == 'A' ? 'B' : 'A';
        QCOMPARE(f.platform().announcements, QStringList());
        p.choose(wrongLetter);
        p.choose(rightLetter);
        p.choose(wrongLetter);
        QCOMPARE(f.platform().announcements, QStringList({"Label20: Faux", "Label19: Juste", "Label20: Faux"}));

        ProgramFixture g;
        startedReview(g);
        g.platform().announcements.clear();
        const QString solution = g.child<QLabel>(ScreenId::FailedItems, "Label10")->text();
        g.child<QRadioButton>(ScreenId::FailedItems, "Option3D1")->click();
        QCOMPARE(g.platform().announcements, QStringList(solution == "A" ? "Label17: Right" : "Label18: Wrong"));
    }

    void gaugeTellsItsValue() {
        ProgramFixture f;
        startTimedTest(f, 116);
        auto* gauge = f.child<ClippingGauge>(ScreenId::Test, "Gauge1");
        QAccessibleInterface* face = QAccessible::queryAccessibleInterface(gauge);
        QCOMPARE(face->text(QAccessible::Name), QString::fromUtf8("Eltelt idő"));
        QAccessibleValueInterface* value = face->valueInterface();
        QVERIFY(value);
        QCOMPARE(value->currentValue().toInt(), 0);
        QCOMPARE(value->maximumValue().toInt(), 9000);
        f.fireTimer(ScreenId::Test, "Timer2");
        QCOMPARE(value->currentValue().toInt(), 200);
    }
};

QTEST_MAIN(TestAccessibility)
#include "test_accessibility.moc"
