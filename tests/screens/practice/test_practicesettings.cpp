// SPDX-FileCopyrightText: 2026 The Lexora English developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The Practice screen's Settings and Tasks menus and its captions in the four languages.

#include "practicedriver.h"

#include "text/captions.h"

#include <QApplication>

using namespace lexora;
using namespace lexora::testing;

namespace {

const QString kItem13 = QStringLiteral(" I don't have ...... money left.");
const QString kItem9 = QStringLiteral(" She is interested ...... music.");
const QString kItem2 = QStringLiteral(" We ...... dinner when the phone rang.");
const QString kItem1 = QStringLiteral(" She ...... to school every morning.");
const QString kItem11 = QStringLiteral(" My brother is ...... than me.");

QStringList checkedEntries(QMenu* menu) {
    QStringList names;
    for (QAction* action : menu->actions()) {
        if (action->isChecked())
            names << action->objectName();
    }
    return names;
}

QString caption(QObject* control) {
    return control->property("caption").toString();
}

} // namespace

class TestPracticeSettings : public QObject {
    Q_OBJECT

private slots:
    void menusOpenWithTheirDesignStates() {
        ProgramFixture f;
        PracticeDriver p(f);
        QVERIFY(!p.action("mnuDatabase")->isVisible() && !p.action("mnuDatabase")->isEnabled());
        QVERIFY(!p.action("mnuPractice")->isEnabled());
        QVERIFY(p.action("mnuTest")->isEnabled());
        QVERIFY(!p.menu("mnuParameters")->menuAction()->isEnabled());
        QVERIFY(!p.action("mnuNivelItem_3")->isVisible() && !p.action("mnuNivelItem_3")->isEnabled());
        QVERIFY(p.menu("mnuStart")->menuAction()->isEnabled());
        QCOMPARE(checkedEntries(p.menu("mnuLevel")), QStringList{"mnuNivelItem_0"});
        QCOMPARE(checkedEntries(p.menu("mnuTopic")), QStringList{"mnuTopicItem_0"});
        QCOMPARE(checkedEntries(p.menu("mnuStart")), QStringList{"beg_0"});
        QCOMPARE(checkedEntries(p.menu("mnuNumber")), QStringList{QString::fromUtf8("mnuNúmeroItem_0")});
        QCOMPARE(checkedEntries(p.menu("mnuDelay")), QStringList{"mnuTiempoItem_0"});
        QCOMPARE(p.menu("mnuTopic")->actions().size(), 23);
        QCOMPARE(p.menu("mnuStart")->actions().size(), 11);
    }

    void levelSelectsItsItemsInSequenceOrder() {
        ProgramFixture f;
        PracticeDriver p(f);
        p.level(1);
        QCOMPARE(p.state().seqmode, 1);
        QCOMPARE(checkedEntries(p.menu("mnuLevel")), QStringList{"mnuNivelItem_1"});
        QVERIFY(p.shows(27) && p.shows(28) && !p.shows(21) && !p.shows(29));
        QCOMPARE(p.label(27)->text(), QString("2"));
        QCOMPARE(p.label(22)->text(), QString("1"));
        QVERIFY(p.shows(30) && p.shows(31) && p.shows(32));
        QCOMPARE(p.label(30)->text(), QString("1"));
        QCOMPARE(p.label(31)->text(), QString("4"));
        // The item waits for Start, and so do Next (where Start stands) and the record buttons.
        QVERIFY(shown(p.button(3)) && !p.shows(13));
        for (int waiting : {2, 5, 7, 8, 9, 10})
            QVERIFY2(!shown(p.button(waiting)), qPrintable(QString::number(waiting)));
        QCOMPARE(p.sentence(), kItem9);
        p.click(3);
        QVERIFY(!shown(p.button(3)) && shown(p.button(2)) && shown(p.button(9)) && p.shows(23));
        QCOMPARE(p.sentence(), kItem9);
        QCOMPARE(p.label(22)->text(), QString("1"));
        p.click(9);
        QCOMPARE(p.sentence(), kItem11);
        QCOMPARE(p.label(30)->text(), QString("4"));
        p.click(1);
        QCOMPARE(p.screen->focusWidget(), p.button(2));
    }

    // A choice made before Start, from Settings or from My progress, leaves Start alone on show
    // among the buttons; after Start no two buttons overlap and Next shows the next item.
    void aChoiceBeforeStartLeavesOneButtonToPress_data() {
        QTest::addColumn<QString>("choice");
        QTest::newRow("level") << "level";
        QTest::newRow("topic") << "topic";
        QTest::newRow("starting point") << "start";
        QTest::newRow("Practise this topic") << "progress";
    }
    void aChoiceBeforeStartLeavesOneButtonToPress() {
        QFETCH(QString, choice);
        ProgramFixture f;
        if (choice == "progress")
            f.screens().state<PracticeState>().openOnTopic = 1;
        PracticeDriver p(f);
        if (choice == "level")
            p.level(0);
        else if (choice == "topic")
            p.topic(1);
        else if (choice == "start")
            p.startingPoint(1);
        const auto shownButtons = [&p] {
            std::vector<QPushButton*> buttons;
            for (int n : {2, 3, 5, 7, 8, 9, 10})
                if (shown(p.button(n)))
                    buttons.push_back(p.button(n));
            return buttons;
        };
        QCOMPARE(shownButtons(), std::vector<QPushButton*>{p.button(3)});
        p.click(3);
        QVERIFY(p.shows(13));
        const std::vector<QPushButton*> after = shownButtons();
        QVERIFY(!shown(p.button(3)) && shown(p.button(2)));
        for (size_t i = 0; i < after.size(); ++i)
            for (size_t j = i + 1; j < after.size(); ++j)
                QVERIFY2(!after[i]->geometry().intersects(after[j]->geometry()),
                         qPrintable(after[i]->objectName() + " " + after[j]->objectName()));
        const QString first = p.sentence();
        p.click(2);
        QVERIFY(p.shows(13));
        QVERIFY(p.sentence() != first);
    }

    void settingsStillSwitchToSequentialAfterRandomStart() {
        ProgramFixture f;
        PracticeDriver p(f);
        p.startRandom(6, 13);
        QVERIFY(!p.menu("mnuStart")->menuAction()->isEnabled());
        p.choose('A');
        p.click(1);
        p.level(0);
        QVERIFY(shown(p.button(2)) && !shown(p.button(10)));
        QVERIFY(shown(p.button(5)) && shown(p.button(9)) && p.shows(23));
        QVERIFY(!p.shows(18) && !p.shows(19));
        QVERIFY(p.shows(17) && p.shows(20)); // the level leaves these two as they were
        QVERIFY(p.option(1)->isChecked());
        QCOMPARE(p.sentence(), kItem13);
        QCOMPARE(p.label(27)->text(), QString("1"));
        QVERIFY(!p.menu("mnuStart")->menuAction()->isEnabled());
        p.click(1);
        QCOMPARE(p.screen->focusWidget(), p.button(2));
        p.click(2);
        QCOMPARE(p.label(30)->text(), QString("2"));
    }

    void topicReplacesTheLevelButKeepsBothCheckMarks() {
        ProgramFixture f;
        PracticeDriver p(f);
        p.level(0);
        p.click(3);
        p.click(2);
        QCOMPARE(f.globals().itemsdone, 2);
        p.topic(1);
        QCOMPARE(checkedEntries(p.menu("mnuLevel")), QStringList{"mnuNivelItem_0"});
        QCOMPARE(checkedEntries(p.menu("mnuTopic")), QStringList{"mnuTopicItem_1"});
        QCOMPARE(p.state().selection->count(), 2); // items 1 and 2, of levels 1 and 2
        QCOMPARE(p.sentence(), kItem1);
        QCOMPARE(p.label(27)->text(), QString("1"));
        QVERIFY(!p.shows(27) && !p.shows(28) && p.shows(21) && p.shows(29));
        QCOMPARE(caption(p.label(21)), QString::fromUtf8("Igeidõk használata"));
        QCOMPARE(p.label(31)->text(), QString("2"));
        QCOMPARE(f.globals().itemsdone, 2); // a topic does not restart the count
        p.click(2);
        QCOMPARE(p.sentence(), kItem2);
        QCOMPARE(p.label(27)->text(), QString("2"));

        p.topic(15); // a title from the catalogue, in the working language
        QCOMPARE(caption(p.label(21)), QString("Pr&epositions"));
        QCOMPARE(checkedEntries(p.menu("mnuTopic")), QStringList{"mnuTopicItem_15"});
        QCOMPARE(p.sentence(), kItem9);
    }

    void topicWithoutItemsAsksForAnotherOne() {
        ProgramFixture f;
        PracticeDriver p(f);
        p.topic(1);
        p.click(3);
        p.choose('C');
        QVERIFY(p.shows(20));
        p.topic(3);
        QCOMPARE(f.platform().messages.size(), size_t(1));
        QCOMPARE(f.platform().messages[0].text, QString("No match. Choose other topic."));
        QCOMPARE(f.platform().messages[0].title, QString("Practice"));
        QCOMPARE(f.platform().messages[0].icon, MessageIcon::Exclamation);
        QVERIFY(!p.shows(19) && !p.shows(20));
        QCOMPARE(checkedEntries(p.menu("mnuTopic")), QStringList{"mnuTopicItem_3"});
        QCOMPARE(caption(p.label(21)), QString::fromUtf8("Igeidõk használata"));
        QCOMPARE(p.state().selection->count(), 0);

        const QString shownBefore = p.sentence();
        p.click(2);
        QCOMPARE(f.platform().messages.size(), size_t(2));
        QVERIFY(f.platform().messages[1].text.startsWith("You have reached the last record."));
        QCOMPARE(p.sentence(), shownBefore);

        p.topic(1); // another topic brings items again
        QCOMPARE(p.sentence(), kItem1);
    }

    void levelWithoutItemsAsksForAnotherChoice() {
        ProgramFixture f({makeItem(1, 10, 1), makeItem(2, 20, 1)});
        PracticeDriver p(f);
        p.level(0);
        QCOMPARE(p.label(31)->text(), QString("2"));
        p.click(3);
        p.choose('B');
        p.level(2);
        QCOMPARE(f.platform().messageTexts(), QStringList{"No match. Choose other topic."});
        QCOMPARE(f.platform().messages[0].icon, MessageIcon::Exclamation);
        QVERIFY(!p.shows(19) && !p.shows(20));
        QCOMPARE(checkedEntries(p.menu("mnuLevel")), QStringList{"mnuNivelItem_2"});
        QCOMPARE(p.label(27)->text(), QString("1"));
        QCOMPARE(p.state().selection->count(), 0);
        p.level(0);
        QCOMPARE(p.sentence(), QString(" Sentence 1 with a ...... in it."));
        QCOMPARE(p.label(31)->text(), QString("2"));
    }

    void startingPointSearchesOnFromTheCurrentItem() {
        ProgramFixture f;
        PracticeDriver p(f);
        p.startingPoint(1); // "51": the first item past sorrend2 250
        QCOMPARE(p.sentence(), kItem9);
        QCOMPARE(p.state().seqmode, 1);
        QCOMPARE(p.state().startcrit, QString("sorrend2 > 250"));
        QVERIFY(!p.shows(30) && !p.shows(31) && !p.shows(32));
        QVERIFY(!shown(p.button(2)) && shown(p.button(3))); // Next comes with Start
        QCOMPARE(checkedEntries(p.menu("mnuStart")), QStringList{"beg_0"});
        p.click(3);
        QCOMPARE(p.sentence(), kItem9);
        QCOMPARE(p.label(22)->text(), QString("1"));
        QVERIFY(shown(p.button(5)) && shown(p.button(8)) && p.shows(23));
        QVERIFY(p.menu("mnuStart")->menuAction()->isEnabled());

        p.startingPoint(0); // below the current item: the next item comes
        QCOMPARE(p.sentence(), kItem2);
        QCOMPARE(checkedEntries(p.menu("mnuStart")), QStringList{"beg_0"});

        p.level(0); // level 1 ends at sorrend2 2250
        p.click(8);
        const QString current = p.sentence();
        p.startingPoint(10);
        QCOMPARE(p.sentence(), current);
        QVERIFY(!p.shows(30));
        QVERIFY(f.platform().messages.empty());
    }

    void tasksLeaveForTheTestScreen() {
        ProgramFixture f;
        PracticeDriver p(f);
        p.action("mnuTest")->trigger();
        ProgramFixture::settle();
        QVERIFY(!f.screens().isLoaded(ScreenId::Practice));
        QVERIFY(f.screens().isLoaded(ScreenId::Test));
        QVERIFY(f.screens().find(ScreenId::Test)->isVisible());
        QVERIFY(f.screens().isLoaded(ScreenId::FailedItems));
        QVERIFY(f.screens().find(ScreenId::FailedItems)->isHidden());

        f.screens().unload(ScreenId::Test);
        f.screens().unload(ScreenId::FailedItems);
        f.show(ScreenId::Practice);
        f.child<QAction>(ScreenId::Practice, "mnuLexora")->trigger();
        ProgramFixture::settle();
        QVERIFY(!f.screens().isLoaded(ScreenId::Practice));
        QVERIFY(f.screens().find(ScreenId::Hub)->isVisible());
    }

    void captions_data() {
        QTest::addColumn<int>("langcode");
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("expected");
        const auto row = [](const char* name, int lang, const char* control, const char* text) {
            QTest::addRow("%s", name) << lang << QString(control) << QString::fromUtf8(text);
        };
        row("en start", 16, "Command3", "&Start");
        row("en solution", 16, "Command1", "S&olution");
        row("en next", 16, "Command2", "&Next");
        row("en random next", 16, "Command10", "&Next");
        row("en first", 16, "Command5", "&First");
        row("en previous", 16, "Command7", "&Previous");
        row("en next record", 16, "Command8", "Ne&xt");
        row("en last", 16, "Command9", "&Last");
        row("en close", 16, "Command6", "&Close");
        row("en level", 16, "Label28", "Level:");
        row("en tasks", 16, "mnuTasks", "Tas&ks");
        row("en parameters", 16, "mnuParameters", "&Parameters...");
        row("en topic 22", 16, "mnuTopicItem_22", "Compa&rative structures");
        row("en lexora", 16, "mnuLexora", "&Lexora");
        row("en start point 2", 16, "beg_2", "1&01");
        row("hu next", 116, "Command2", "To&vább");
        row("hu random next", 116, "Command10", "To&vább");
        row("hu next record", 116, "Command8", "Tová&bb");
        row("hu first", 116, "Command5", "&Elsõ");
        row("hu previous", 116, "Command7", "Viss&za");
        row("hu start", 116, "Command3", "St&art");
        row("hu starting point", 116, "mnuStart", "&Kezdõpont...");
        row("hu topic 1", 116, "mnuTopicItem_1", "&Igeidõk használata");
        row("hu topic 3", 116, "mnuTopicItem_3", CaptionCatalogue::caption(45, 116).toUtf8().constData());
        row("hu topic 6", 116, "mnuTopicItem_6", "Fü&ggõ beszéd (kérdés, válasz)");
        row("hu topic 17", 116, "mnuTopicItem_17", "Kö&tõszó");
        row("hu lexora", 116, "mnuLexora", "&Lexora");
        row("es record", 216, "Label23", "Oración número:");
        row("es next", 216, "Command2", "Si&guiente");
        row("es first", 216, "Command5", "&Primero");
        row("fr level", 316, "Label28", "Niveau:");
        row("fr topic", 316, "mnuTopic", "S&ujet");
    }
    void captions() {
        QFETCH(int, langcode);
        QFETCH(QString, control);
        QFETCH(QString, expected);
        ProgramFixture f;
        PracticeDriver p(f, langcode);
        QObject* found = p.screen->findChild<QObject*>(control);
        QVERIFY2(found, qPrintable(control));
        QCOMPARE(caption(found), expected);
    }

    void windowTitleAndMessagesCarryTheTitleWord_data() {
        QTest::addColumn<int>("langcode");
        QTest::addColumn<QString>("word");
        QTest::addRow("English") << 16 << "Practice";
        QTest::addRow("Hungarian") << 116 << QString::fromUtf8("Gyakorlás");
        QTest::addRow("Spanish") << 216 << "Ejercicio";
        QTest::addRow("French") << 316 << "Exercice";
    }
    void windowTitleAndMessagesCarryTheTitleWord() {
        QFETCH(int, langcode);
        QFETCH(QString, word);
        ProgramFixture f;
        PracticeDriver p(f, langcode);
        QCOMPARE(p.screen->windowTitle(), "Lexora English  ----  " + word);
        p.topic(3);
        QCOMPARE(f.platform().messages.size(), size_t(1));
        QCOMPARE(f.platform().messages[0].title, word);
        QCOMPARE(f.platform().messages[0].text, CaptionCatalogue::caption(82, langcode));
    }
};

QTEST_MAIN(TestPracticeSettings)
#include "test_practicesettings.moc"
