// SPDX-FileCopyrightText: 2026 The Lexora English developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "scenario.h"

#include "app/screen.h"
#include "screens/practice/practicestate.h"
#include "text/captions.h"

#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTableWidget>

#include <random>

namespace lexora::shots {

namespace {

// Answers the item on display: the right letter three times in four.
void answer(Screen* practice, std::mt19937& random) {
    const QString letter = practice->findChild<QLabel*>(QStringLiteral("Label10"))->text();
    int choice = QStringLiteral("ABCD").indexOf(letter);
    if (std::uniform_int_distribution<int>(0, 3)(random) == 0)
        choice = (choice + 1 + std::uniform_int_distribution<int>(0, 2)(random)) % 4;
    // With written answers the text of the answer is written instead.
    if (auto* box = practice->findChild<QLineEdit*>(QStringLiteral("answer")); box && box->isVisibleTo(practice)) {
        const int labels[] = {14, 12, 15, 16};
        box->setText(practice->findChild<QLabel*>(QStringLiteral("Label%1").arg(labels[qMax(0, choice)]))->text());
        practice->findChild<QPushButton*>(QStringLiteral("check"))->click();
        QCoreApplication::processEvents();
        return;
    }
    practice->findChild<QRadioButton*>(QStringLiteral("Option3D%1").arg(choice + 2))->click();
    QCoreApplication::processEvents(); // the answer is written once the box has shown
}

// A month of practice with the clock moved a day at a time: some days left out, the items due
// reviewed first, then new ones drawn at random.
void simulateMonth(Program& program) {
    std::mt19937 random(2024);
    const QDateTime today = QDateTime::currentDateTimeUtc();
    for (int day = 30; day >= 0; --day) {
        if (day % 7 == 3 || day == 12)
            continue; // a day without practice
        shotClock() = today.addDays(-day).addSecs(-3600);
        program.screens().state<PracticeState>().openInDueMode = true;
        program.screens().state<PracticeState>().typedMode = false;
        Screen* practice = program.screens().show(ScreenId::Practice);
        auto* next = practice->findChild<QPushButton*>(QStringLiteral("Command10"));
        auto* start = practice->findChild<QPushButton*>(QStringLiteral("Command3"));
        if (!start->isHidden())
            start->click();
        for (int due = 0; due < 40 && program.screens().state<PracticeState>().dueMode; ++due) {
            answer(practice, random);
            if (next->isHidden())
                break;
            const QString before = practice->findChild<QLabel*>(QStringLiteral("Label13"))->text();
            next->click();
            if (practice->findChild<QLabel*>(QStringLiteral("Label13"))->text() == before)
                break; // nothing more due today
        }
        program.screens().unload(ScreenId::Practice);
        // Every other day the new items are answered in writing.
        program.screens().state<PracticeState>().typedMode = day % 2 == 0;
        practice = program.screens().show(ScreenId::Practice);
        practice->findChild<QPushButton*>(QStringLiteral("Command3"))->click();
        const int fresh = 8 + std::uniform_int_distribution<int>(0, 14)(random);
        for (int i = 0; i < fresh; ++i) {
            answer(practice, random);
            auto* following = practice->findChild<QPushButton*>(QStringLiteral("Command2"));
            (following->isHidden() ? practice->findChild<QPushButton*>(QStringLiteral("Command10")) : following)
                ->click();
        }
        program.screens().unload(ScreenId::Practice);
        QCoreApplication::processEvents();
    }
    program.screens().state<PracticeState>().typedMode = false;
}

void prepare(Program& program, int langcode) {
    program.globals().langcode = qint16(LangCode::English);
    program.globals().dbpath = program.context().apppath() + QStringLiteral("en_data1.mdb");
    simulateMonth(program);
    program.globals().langcode = qint16(langcode);
}

// My progress after a month: the topics, then the days.
void myProgress(Camera& camera, int langcode) {
    Program& program = camera.program();
    prepare(program, langcode);
    Screen* progress = program.screens().show(ScreenId::Progress);
    camera.shoot(progress, "topics");
    progress->findChild<QTabWidget*>(QStringLiteral("tabs"))->setCurrentIndex(1);
    camera.shoot(progress, "days");
    // Practise this topic: the weakest one, chosen as the window opened.
    progress->findChild<QPushButton*>(QStringLiteral("practise"))->click();
    Screen* practice = program.screens().find(ScreenId::Practice);
    if (!practice)
        return;
    camera.shoot(practice, "practise-topic");
    practice->findChild<QPushButton*>(QStringLiteral("Command3"))->click();
    camera.shoot(practice, "practise-topic-started");
}

// Practice in Due for review after the month.
void dueForReview(Camera& camera, int langcode) {
    Program& program = camera.program();
    prepare(program, langcode);
    shotClock() = shotClock().addDays(1);
    program.screens().state<PracticeState>().openInDueMode = true;
    Screen* practice = program.screens().show(ScreenId::Practice);
    practice->findChild<QPushButton*>(QStringLiteral("Command3"))->click();
    camera.shoot(practice, "item");
}

// My progress a day after one item was answered wrongly: one item seen and due.
void oneItemDue(Camera& camera, int langcode) {
    Program& program = camera.program();
    program.globals().langcode = qint16(langcode);
    program.globals().dbpath = program.context().apppath() + QStringLiteral("en_data1.mdb");
    shotClock() = QDateTime::currentDateTimeUtc().addDays(-1);
    Screen* practice = program.screens().show(ScreenId::Practice);
    practice->findChild<QPushButton*>(QStringLiteral("Command3"))->click();
    const QString letter = practice->findChild<QLabel*>(QStringLiteral("Label10"))->text();
    const int wrong = letter == QLatin1String("A") ? 1 : 0;
    practice->findChild<QRadioButton*>(QStringLiteral("Option3D%1").arg(wrong + 2))->click();
    QCoreApplication::processEvents();
    program.screens().unload(ScreenId::Practice);
    shotClock() = QDateTime::currentDateTimeUtc();
    Screen* progress = program.screens().show(ScreenId::Progress);
    camera.shoot(progress, "topics");
}

} // namespace

static Register progressOneSpanish("progress-one-es", [](Camera& camera) { oneItemDue(camera, LangCode::Spanish); });
static Register progressOneFrench("progress-one-fr", [](Camera& camera) { oneItemDue(camera, LangCode::French); });
static Register progressEnglish("progress", [](Camera& camera) { myProgress(camera, LangCode::English); });
static Register progressHungarian("progress-hu", [](Camera& camera) { myProgress(camera, LangCode::Hungarian); });
static Register dueEnglish("due", [](Camera& camera) { dueForReview(camera, LangCode::English); });

} // namespace lexora::shots
