// SPDX-FileCopyrightText: 2026 The Lexora English developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/appcontext.h"
#include "data/itemview.h"
#include "data/topics.h"
#include "screens/database/databasescreen.h"
#include "text/captions.h"

#include "ui/programfixture.h"

#include <QAction>
#include <QFile>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

using namespace lexora;
using namespace lexora::testing;

namespace {

enum Column { Sorszam, Sorrend, Sorrend2, Szint, Mondat, A, B, C, D, Felelet1, Felelet2, Kulcs1, Kulcs2 };
enum Format { Gift, Aiken, Xml };
enum Mode { Add, Replace };

const char* kTwoQuestions = "$CATEGORY: Lexora English/Modals/Level 3\n\n"
                            "::One::You {~must =needn't ~can ~may} come if you are busy.\n\n"
                            "::Two::He {=can ~cans ~to can ~canning} swim.\n\n"
                            "::Three::The sky is green.{F}\n";

// The Database screen on a fixture database, shown and started as the teacher would.
struct Form1 {
    explicit Form1(ProgramFixture& fixture, int langcode = LangCode::English) : f(fixture) {
        f.prepare(langcode);
        screen = static_cast<DatabaseScreen*>(f.show(ScreenId::Database));
        QTest::mouseClick(f.child<QPushButton>(ScreenId::Database, "Command10"), Qt::LeftButton);
    }
    QAction* entry(const char* name) { return f.child<QAction>(ScreenId::Database, name); }
    QString sentenceBox() { return f.child<QPlainTextEdit>(ScreenId::Database, "Text3")->toPlainText(); }
    void exportAs(Format format, const QString& path) {
        f.platform().answerChoice(int(format));
        f.platform().answerFileName(path);
        entry("mnuExportItems")->trigger();
    }
    void importFrom(Format format, const QString& path, Mode mode) {
        f.platform().answerChoice(int(format));
        f.platform().answerFileName(path);
        f.platform().answerChoice(int(mode));
        entry("mnuImportItems")->trigger();
    }
    QString lastMessage() { return f.platform().messages.empty() ? QString() : f.platform().messages.back().text; }

    ProgramFixture& f;
    DatabaseScreen* screen = nullptr;
};

QString writeFile(const QTemporaryDir& dir, const QString& name, const QByteArray& bytes) {
    QFile file(dir.filePath(name));
    if (!file.open(QIODevice::WriteOnly))
        qFatal("cannot write %s", qPrintable(file.fileName()));
    file.write(bytes);
    return file.fileName();
}

} // namespace

class TestItemExchangeMenu : public QObject {
    Q_OBJECT

private slots:
    void entriesSpeakTheWorkingLanguage_data() {
        QTest::addColumn<int>("langcode");
        QTest::addColumn<QString>("exportText");
        QTest::addColumn<QString>("importText");
        QTest::newRow("en") << int(LangCode::English) << "Export items..." << "Import items...";
        QTest::newRow("hu") << int(LangCode::Hungarian) << "Mondatok exportálása..." << "Mondatok importálása...";
        QTest::newRow("es") << int(LangCode::Spanish) << "Exportar oraciones..." << "Importar oraciones...";
        QTest::newRow("fr") << int(LangCode::French) << "Exporter les fiches..." << "Importer des fiches...";
    }

    void entriesSpeakTheWorkingLanguage() {
        QFETCH(int, langcode);
        QFETCH(QString, exportText);
        QFETCH(QString, importText);
        ProgramFixture f;
        Form1 form(f, langcode);
        QCOMPARE(form.entry("mnuExportItems")->property("caption").toString(), exportText);
        QCOMPARE(form.entry("mnuImportItems")->property("caption").toString(), importText);
    }

    // What was typed into the boxes goes into the database, and so into the file.
    void exportSavesPendingEditsFirst() {
        ProgramFixture f;
        Form1 form(f, LangCode::Hungarian);
        auto* box = f.child<QPlainTextEdit>(ScreenId::Database, "Text3");
        box->setFocus();
        box->selectAll();
        QTest::keyClicks(box, "She ...... to school every day.");
        QTemporaryDir dir;
        form.exportAs(Aiken, dir.filePath("out.txt"));
        QCOMPARE(f.platform().fileBoxes.back().suggestedName, QStringLiteral("en_data1.txt"));
        QVERIFY(f.platform().fileBoxes.back().save);
        QFile file(dir.filePath("out.txt"));
        QVERIFY(file.open(QIODevice::ReadOnly));
        QVERIFY(QString::fromUtf8(file.readAll()).startsWith("She ...... to school every day.\nA. go\n"));
        QCOMPARE(f.database().items().items[0][Mondat], QStringLiteral("She ...... to school every day."));
        QCOMPARE(form.lastMessage(), QStringLiteral("A(z) out.txt fájlba írt mondatok: 12."));
    }

    void importAddsAndRefreshes() {
        ProgramFixture f;
        Form1 form(f);
        QTemporaryDir dir;
        const int before = form.screen->boundView()->count();
        form.importFrom(Gift, writeFile(dir, "two.gift", kTwoQuestions), Add);
        QCOMPARE(form.screen->boundView()->count(), before + 2);
        const auto items = f.database().items().items;
        QCOMPARE(items.back()[Mondat], QStringLiteral("He ...... swim."));
        QCOMPARE(items.back()[Szint] + items.back()[Kulcs1] + items.back()[Kulcs2], QStringLiteral("31d"));
        QCOMPARE(form.lastMessage(), QStringLiteral("Items added: 2 (numbers 14 to 15).\n\n"
                                                    "Questions of the file that were skipped (1):\n"
                                                    "line 7: a true/false question, not a multiple-choice one"));
        QVERIFY(f.platform().questions.front().choices.contains("Moodle XML"));

        // The same file again: both questions are items already.
        form.importFrom(Gift, dir.filePath("two.gift"), Add);
        QCOMPARE(form.screen->boundView()->count(), before + 2);
        QVERIFY(form.lastMessage().startsWith("No item was imported.\n"
                                              "Questions left out as the database already holds the same item: 2.\n"));
    }

    // An Aiken file names no topic: the teacher chooses topic and level, or leaves its questions out.
    void importAsksTheTopicOfQuestionsWithoutOne() {
        ProgramFixture f;
        Form1 form(f, LangCode::French);
        QTemporaryDir dir;
        const QString file = writeFile(dir, "two.txt", "She ...... home.\nA. go\nB. goes\nC. going\nD. gone\nANSWER: B\n\n"
                                                       "He ...... swim.\nA. can\nB. cans\nC. to can\nD. canning\nANSWER: A\n");
        const auto before = f.database().items().items;
        f.platform().answerChoice(int(Aiken));
        f.platform().answerFileName(file);
        f.platform().answerChoice(int(Add));
        f.platform().answerChoice(std::nullopt);
        form.entry("mnuImportItems")->trigger();
        QCOMPARE(f.database().items().items, before);
        QVERIFY(f.platform().questions.back().text.startsWith(
            u8"Questions du fichier dans une catégorie qui ne nomme aucun sujet\u00a0: 2."));
        QVERIFY(
            form.lastMessage().contains(u8"ligne 1\u00a0: sa catégorie ne nomme aucun sujet et aucun n'a été choisi"));

        f.platform().answerChoice(int(Aiken));
        f.platform().answerFileName(file);
        f.platform().answerChoice(int(Add));
        f.platform().answerChoice(3);
        f.platform().answerChoice(1);
        form.entry("mnuImportItems")->trigger();
        QCOMPARE(f.platform().questions.back().choices, (QStringList{"Niveau 1", "Niveau 2", "Niveau 3"}));
        const auto items = f.database().items().items;
        QCOMPARE(items.size(), before.size() + 2);
        QCOMPARE(items.back()[Szint], QStringLiteral("2"));
        QCOMPARE(TopicCatalogue::nameKey(items.back()[Kulcs1], items.back()[Kulcs2]).value_or(-1),
                 TopicCatalogue::topic(3).captionKey);
    }

    // With the topic the teacher is asked the language of the file's feedback; the report tells
    // how many reasons and notes came in, and in which language.
    void importAsksTheLanguageOfTheFeedbackWithTheTopic() {
        ProgramFixture f;
        Form1 form(f, LangCode::Hungarian);
        QTemporaryDir dir;
        const QString file = writeFile(dir, "feedback.gift",
                                       "$CATEGORY: $course$/top/Default\n\n"
                                       "She {~go#Not with she. =goes ~going#No ~gone ####Third person: goes.} home.\n");
        f.platform().answerChoice(int(Gift));
        f.platform().answerFileName(file);
        f.platform().answerChoice(int(Add));
        f.platform().answerChoice(3); // the topic
        f.platform().answerChoice(2); // the feedback is Hungarian, whatever it looks like
        f.platform().answerChoice(0); // the level
        form.entry("mnuImportItems")->trigger();
        const auto& asked = f.platform().questions;
        QCOMPARE(asked[asked.size() - 2].choices,
                 (QStringList{u8"Szövegenként döntse el a program", u8"Angol", u8"Magyar"}));
        QVERIFY2(form.lastMessage().contains(u8"Beolvasott indoklások: 1 (angol 0, magyar 1). Beolvasott megjegyzések "
                                             u8"a hibás válaszokhoz: 2 (angol 0, magyar 2)."),
                 qPrintable(form.lastMessage()));
    }

    // Replacing asks first; No leaves every item where it was, Yes puts the file's items in their place.
    void importReplacesOnlyWhenConfirmed() {
        ProgramFixture f;
        Form1 form(f, LangCode::French);
        QTemporaryDir dir;
        const QString file = writeFile(dir, "two.gift", kTwoQuestions);
        const auto before = f.database().items().items;
        f.platform().answerConfirm(false);
        form.importFrom(Gift, file, Replace);
        QCOMPARE(f.database().items().items, before);
        QVERIFY(f.platform().questions.back().text.contains("(2)"));

        f.platform().answerConfirm(true);
        form.importFrom(Gift, file, Replace);
        QCOMPARE(f.database().items().items.size(), size_t(2));
        QCOMPARE(form.screen->boundView()->count(), 2);
        QCOMPARE(form.sentenceBox(), QStringLiteral("You ...... come if you are busy."));
        QVERIFY(form.lastMessage().startsWith(
            u8"Fiches mises à la place de celles de la base de données\u00a0: 2 (numéros 1 à 2)."));
    }

    void unreadableFileIsToldAndChangesNothing() {
        ProgramFixture f;
        Form1 form(f, LangCode::Spanish);
        QTemporaryDir dir;
        const auto before = f.database().items().items;
        form.importFrom(Xml, writeFile(dir, "bad.xml", "<?xml version=\"1.0\"?>\n<quiz><question>\n"), Replace);
        QCOMPARE(f.database().items().items, before);
        // Told in the working language, like the rest of the box.
        QVERIFY(form.lastMessage().startsWith("No se puede leer ") && form.lastMessage().contains("bad.xml como XML"));
        QVERIFY(form.lastMessage().endsWith("La base de datos no ha cambiado."));
        QCOMPARE(f.platform().messages.back().icon, MessageIcon::Exclamation);
    }

    void cancelledBoxesDoNothing() {
        ProgramFixture f;
        Form1 form(f);
        f.platform().answerChoice(std::nullopt);
        form.entry("mnuExportItems")->trigger();
        f.platform().answerChoice(int(Gift));
        f.platform().answerFileName(QString());
        form.entry("mnuImportItems")->trigger();
        QVERIFY(f.platform().messages.empty());
        QCOMPARE(f.platform().fileBoxes.size(), size_t(1));
    }
};

QTEST_MAIN(TestItemExchangeMenu)
#include "test_itemexchangemenu.moc"
