// SPDX-FileCopyrightText: 2026 The Lexora English developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Options > Print worksheet... on the Database screen, driven through the scripted platform.

#include "text/captions.h"

#include "ui/programfixture.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

using namespace lexora;
using namespace lexora::testing;

namespace {

class Form1 {
public:
    explicit Form1(ProgramFixture& fixture, int langcode = LangCode::English) : f(fixture) {
        f.prepare(langcode);
        f.show(ScreenId::Database);
        QTest::mouseClick(f.child<QPushButton>(ScreenId::Database, "Command10"), Qt::LeftButton);
    }
    void printWorksheet() { f.child<QAction>(ScreenId::Database, "mnuWorksheet")->trigger(); }
    ProgramFixture& f;
};

// `level` 0 is every level; `topic` 0 every topic, else the Topic menu's entry + 1.
WorksheetDialogAnswer answer(int count, int level, int topic, int language = 0, bool print = false,
                             bool explain = false) {
    return WorksheetDialogAnswer{count, level, topic, language, print, explain};
}

// The text of a PDF file, its pages one after the other.
QString pdfText(const QString& pdf) {
    QProcess process;
    process.start("pdftotext", {"-enc", "UTF-8", pdf, "-"});
    process.waitForFinished(60000);
    return QString::fromUtf8(process.readAllStandardOutput()).simplified();
}

} // namespace

class TestWorksheetMenu : public QObject {
    Q_OBJECT

private slots:
    void init() { ProgramFixture::settle(); }

    void theDialogOffersLevelsAndTopicsInTheWorkingLanguage() {
        ProgramFixture f;
        Form1 w(f, LangCode::Hungarian);
        QCOMPARE(f.child<QAction>(ScreenId::Database, "mnuWorksheet")->text(),
                 QString::fromUtf8("Feladatlap &nyomtatása..."));
        f.platform().answerWorksheet(std::nullopt);
        w.printWorksheet();
        QCOMPARE(f.platform().worksheetDialogs.size(), size_t(1));
        const WorksheetDialogSetup& setup = f.platform().worksheetDialogs[0];
        QCOMPARE(setup.levels.size(), 4);
        QCOMPARE(setup.levels[2], QString::fromUtf8("2. szint"));
        QCOMPARE(setup.topics.size(), 1 + 23);
        QVERIFY(!setup.topics[1].contains('&'));
        QCOMPARE(setup.languages[setup.language], QString("Magyar"));
        QCOMPARE(setup.explainLabel, QString::fromUtf8("Indoklás a megoldókulcsban"));
        QVERIFY(!setup.explain);
        // It starts on the topic of the item on display: item 1 has keys 1 and a, entry 1.
        QCOMPARE(setup.topic, 1 + 1);
        QCOMPARE(setup.level, 0);
        // Cancelled: no file box, nothing written.
        QVERIFY(f.platform().fileBoxes.empty());
        QVERIFY(f.platform().messages.empty());
    }

    void savesTheChosenItemsAsAPdf() {
        ProgramFixture f;
        Form1 w(f);
        const QString pdf = f.database().dir() + "sheet";
        f.platform().answerWorksheet(answer(3, 2, 0, 2)); // level 2, Spanish headings
        f.platform().answerFileName(pdf);
        w.printWorksheet();
        // The teacher is told where the sheet went.
        QCOMPARE(f.platform().messageTexts(),
                 QStringList{"The worksheet was saved as " + QDir::toNativeSeparators(pdf + ".pdf") + "."});
        QCOMPARE(f.platform().fileBoxes.size(), size_t(1));
        QVERIFY(f.platform().fileBoxes[0].save);
        QVERIFY(f.platform().fileBoxes[0].filter.contains("*.pdf"));
        QVERIFY(contentsOf(pdf + ".pdf").startsWith("%PDF")); // the suffix is added
    }

    void printsThroughThePrintDialog() {
        ProgramFixture f;
        Form1 w(f);
        f.platform().answerWorksheet(answer(5, 0, 0, 0, true));
        f.platform().answerPrint(false);
        w.printWorksheet();
        QVERIFY(f.platform().printedPdf.isEmpty());
        f.platform().answerWorksheet(answer(5, 0, 0, 0, true));
        f.platform().answerPrint(true);
        w.printWorksheet();
        QVERIFY(f.platform().printedPdf.startsWith("%PDF"));
        QCOMPARE(f.platform().printTitles.size(), 2);
        QVERIFY(f.platform().fileBoxes.empty());
    }

    void anExplainedKeyTakesTheReasonsOfAnOlderCopyFromTheInstalledBank() {
        ProgramFixture f;
        Form1 w(f);
        // The learner's copy has no reasons; the installed copy of the same bank has.
        QTemporaryDir installed;
        ItemBank bank = fixtureBank();
        bank.reasons.resize(bank.items.size());
        for (size_t i = 0; i < bank.items.size(); ++i)
            bank.reasons[i] = {QStringLiteral("Installed reason %1.").arg(i + 1),
                               QStringLiteral("Telepített indoklás %1.").arg(i + 1), false};
        bank.createDatabase(installed.filePath("en_data1.mdb"));
        f.program().context().explanations.setShippedDir(installed.path());
        if (QStandardPaths::findExecutable("pdftotext").isEmpty())
            QSKIP("pdftotext is not installed (scripts/bootstrap installs it)");

        const QString pdf = f.database().dir() + "sheet.pdf";
        f.platform().answerWorksheet(answer(3, 0, 0, 1, false, true)); // Hungarian headings, explained
        f.platform().answerFileName(pdf);
        w.printWorksheet();
        QCOMPARE(f.platform().messages.size(), size_t(1));
        QVERIFY(f.platform().messages[0].text.startsWith("The worksheet was saved as "));
        const QString text = pdfText(pdf);
        QCOMPARE(text.count(QString::fromUtf8("Telepített indoklás")), 3);
        QVERIFY(!text.contains("Installed reason"));

        f.platform().answerWorksheet(answer(3, 0, 0, 1));
        f.platform().answerFileName(pdf);
        w.printWorksheet();
        QVERIFY(!pdfText(pdf).contains(QString::fromUtf8("indoklás")));
    }

    void anEmptyChoiceAndAnUnwritableFileAreTold() {
        ProgramFixture f;
        Form1 w(f);
        // Topic 2 (keys 1 and b) has no item in the fixture.
        f.platform().answerWorksheet(answer(20, 0, 1 + 2));
        w.printWorksheet();
        QCOMPARE(f.platform().messageTexts(), QStringList{"No item matches this choice; no worksheet was made."});
        QVERIFY(f.platform().fileBoxes.empty());

        // The item database itself chosen as the PDF: refused, the file stays a database.
        const QByteArray before = contentsOf(f.database().path());
        f.platform().answerWorksheet(answer(20, 0, 0));
        f.platform().answerFileName(f.database().path());
        w.printWorksheet();
        QCOMPARE(f.platform().messages.size(), size_t(2));
        QVERIFY(f.platform().messages[1].text.startsWith("The worksheet could not be written"));
        QCOMPARE(contentsOf(f.database().path()), before);

        // A folder that does not exist.
        f.platform().answerWorksheet(answer(20, 0, 0));
        f.platform().answerFileName(f.database().dir() + "no/such/folder/sheet.pdf");
        w.printWorksheet();
        QCOMPARE(f.platform().messages.size(), size_t(3));
    }

    void whatIsTypedIsOnTheSheet() {
        ProgramFixture f;
        Form1 w(f);
        QLineEdit* answerD = f.child<QLineEdit>(ScreenId::Database, "Text7");
        answerD->setText("freshly typed");
        emit answerD->textEdited("freshly typed");
        f.platform().answerWorksheet(answer(1, 0, 0));
        f.platform().answerFileName(f.database().dir() + "sheet.pdf");
        w.printWorksheet();
        QCOMPARE(f.platform().messages.size(), size_t(1)); // where it was saved
        // Written into the item before the sheet was read.
        bool stored = false;
        for (const QStringList& row : f.database().items().items)
            stored = stored || row[8] == "freshly typed";
        QVERIFY(stored);
    }
};

QTEST_MAIN(TestWorksheetMenu)
#include "test_worksheetmenu.moc"
