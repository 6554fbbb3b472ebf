// SPDX-FileCopyrightText: 2026 The Lexora English developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Item databases that are missing, empty, damaged, read-only or locked by another program,
// met by every screen that reads or writes them. Whatever the fault, the screen that touched
// the file says so (in a box with its own title, naming the file or the reason), nothing
// already stored in the file changes, the program goes on, and once the file is mended the
// same action works again.

#include "app/screen.h"
#include "data/itembank.h"
#include "data/itemview.h"
#include "data/sqlitedb.h"
#include "progress/progressstore.h"
#include "screens/test/intervaltimer.h"

#include "ui/freshboxes.h"
#include "ui/programfixture.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QRandomGenerator>
#include <QTemporaryDir>

#include <algorithm>

using namespace lexora;
using namespace lexora::testing;

namespace {

enum class Fault { Missing, Empty, Garbage, Truncated, NoItemTables, ReadOnlyFile, ReadOnlyFolder, Locked };

// Where a truncated file is cut.
enum class Cut { InsideHeader, AfterFirstPage, HalfWay, BeforeLastPage };

// A fault the file can be read through: only writing is refused.
bool readable(Fault fault) {
    return fault == Fault::ReadOnlyFile || fault == Fault::ReadOnlyFolder;
}

// Words of which a message about the fault must hold one.
QStringList reasonWords(Fault fault) {
    switch (fault) {
    case Fault::Missing:
        return {"does not exist", "is missing", "moved or deleted"};
    case Fault::ReadOnlyFile:
    case Fault::ReadOnlyFolder:
        return {"cannot be written"};
    case Fault::Locked:
        return {"in use by another program"};
    default:
        return {"not an item database", "no such table", "malformed"};
    }
}

// Rewrites a file in place (the same file, as a program copying over it does), or makes it anew.
void writeInPlace(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadWrite));
    QCOMPARE(file.write(bytes), qint64(bytes.size()));
    QVERIFY(file.resize(bytes.size()));
}

// Makes the item database at `path` faulty and mends it again; a test that ends early mends it
// on the way out. The fault is made by "another program": the test, or a child process that
// holds the file locked.
class FaultyFile {
public:
    FaultyFile(QString path, Fault fault, Cut cut = Cut::HalfWay)
        : m_path(std::move(path)), m_folder(QFileInfo(m_path).absolutePath()), m_fault(fault), m_cut(cut) {}
    ~FaultyFile() { heal(); }
    FaultyFile(const FaultyFile&) = delete;
    FaultyFile& operator=(const FaultyFile&) = delete;

    void apply() {
        m_good = contentsOf(m_path);
        QVERIFY(!m_good.isEmpty());
        m_applied = true;
        switch (m_fault) {
        case Fault::Missing:
            QVERIFY(QFile::remove(m_path));
            break;
        case Fault::Empty:
            writeInPlace(m_path, QByteArray());
            break;
        case Fault::Garbage: {
            QByteArray junk(m_good.size(), '\0');
            QRandomGenerator generator(20240611);
            for (char& c : junk)
                c = char(generator.bounded(256));
            writeInPlace(m_path, junk);
            break;
        }
        case Fault::Truncated: {
            const qint64 size = m_good.size();
            const qint64 kept = m_cut == Cut::InsideHeader     ? 60
                                : m_cut == Cut::AfterFirstPage ? 4096
                                : m_cut == Cut::HalfWay        ? size / 2 + 1000
                                                               : size - 4096;
            writeInPlace(m_path, m_good.left(kept));
            break;
        }
        case Fault::NoItemTables: {
            QTemporaryDir dir;
            const QString other = dir.filePath(QStringLiteral("notes.db"));
            SqliteDb::open(other, true)->exec("CREATE TABLE notes (line TEXT); INSERT INTO notes VALUES ('a note');");
            writeInPlace(m_path, contentsOf(other));
            break;
        }
        case Fault::ReadOnlyFile:
            QVERIFY(QFile::setPermissions(m_path, QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther));
            break;
        case Fault::ReadOnlyFolder:
            m_folderPermissions = QFile::permissions(m_folder);
            QVERIFY(QFile::setPermissions(m_folder,
                                          QFile::ReadOwner | QFile::ExeOwner | QFile::ReadGroup | QFile::ExeGroup));
            break;
        case Fault::Locked:
            holdLock();
            break;
        }
        m_faulty = contentsOf(m_path);
        m_listing = listing();
    }

    void heal() {
        if (!m_applied)
            return;
        m_applied = false;
        switch (m_fault) {
        case Fault::ReadOnlyFile:
            QFile::setPermissions(m_path, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup);
            break;
        case Fault::ReadOnlyFolder:
            QFile::setPermissions(m_folder, m_folderPermissions);
            break;
        case Fault::Locked:
            m_holder->write("\n");
            m_holder->closeWriteChannel();
            m_holder->waitForFinished(10000);
            break;
        default:
            writeInPlace(m_path, m_good);
        }
    }

    // Nothing in the file or its folder has changed since the fault was made: the program
    // neither wrote the file, nor made it anew or deleted it, nor left a journal beside it.
    void checkUntouched() const {
        QCOMPARE(QFile::exists(m_path), m_fault != Fault::Missing);
        QVERIFY2(contentsOf(m_path) == m_faulty, "the program changed the faulty file");
        QCOMPARE(listing(), m_listing);
    }

private:
    // The progress file beside the item files is the program's own to make; it is not looked at here.
    QStringList listing() const {
        QStringList files = QDir(m_folder).entryList(QDir::Files | QDir::Hidden);
        files.removeIf([](const QString& name) { return name.startsWith(ProgressStore::fileName()); });
        return files;
    }

    void holdLock() {
        m_holder = std::make_unique<QProcess>();
        m_holder->setProcessChannelMode(QProcess::ForwardedErrorChannel);
        m_holder->start(QStringLiteral(LEXORA_ROBUSTNESS_CHILD), {QStringLiteral("hold"), m_path});
        QVERIFY2(m_holder->waitForStarted(10000), "the child process did not start");
        while (!m_holder->canReadLine())
            QVERIFY2(m_holder->waitForReadyRead(10000), "the child process did not lock the file");
        QCOMPARE(m_holder->readLine().trimmed(), QByteArray("held"));
    }

    QString m_path;
    QString m_folder;
    Fault m_fault;
    Cut m_cut;
    bool m_applied = false;
    QByteArray m_good;
    QByteArray m_faulty;
    QStringList m_listing;
    QFile::Permissions m_folderPermissions;
    std::unique_ptr<QProcess> m_holder;
};

// Rows of data-driven tests: each fault, made before the screen opens the file, while it has
// it open, or both.
enum class When { Before = 1, WhileOpen = 2, Both = 3 };

void addFaultRows(When when) {
    QTest::addColumn<int>("fault");
    QTest::addColumn<int>("cut");
    QTest::addColumn<bool>("whileOpen");
    struct Row {
        const char* name;
        Fault fault;
        Cut cut;
    };
    const Row rows[] = {
        {"missing", Fault::Missing, Cut::HalfWay},
        {"empty", Fault::Empty, Cut::HalfWay},
        {"garbage", Fault::Garbage, Cut::HalfWay},
        {"cut inside its header", Fault::Truncated, Cut::InsideHeader},
        {"cut after its first page", Fault::Truncated, Cut::AfterFirstPage},
        {"cut half-way", Fault::Truncated, Cut::HalfWay},
        {"cut before its last page", Fault::Truncated, Cut::BeforeLastPage},
        {"without the item tables", Fault::NoItemTables, Cut::HalfWay},
        {"read-only file", Fault::ReadOnlyFile, Cut::HalfWay},
        {"read-only folder", Fault::ReadOnlyFolder, Cut::HalfWay},
        {"locked", Fault::Locked, Cut::HalfWay},
    };
    for (const Row& row : rows) {
        for (bool whileOpen : {false, true}) {
            if (!(int(when) & (whileOpen ? int(When::WhileOpen) : int(When::Before))))
                continue;
            QTest::addRow("%s, %s", row.name, whileOpen ? "while open" : "before opening")
                << int(row.fault) << int(row.cut) << whileOpen;
        }
    }
}

// The shipped item bank, so that truncation cuts a file of many pages.
const std::vector<QStringList>& realBank() {
    static const std::vector<QStringList> items = [] {
        std::vector<BankProblem> problems;
        ItemBank bank = ItemBank::readText(QStringLiteral(LEXORA_ITEMS_DIR "/en_data1.tsv"), problems);
        if (!problems.empty() || bank.items.size() < 100)
            qFatal("items/en_data1.tsv cannot be read");
        return bank.items;
    }();
    return items;
}

int highestNumber() {
    int highest = 0;
    for (const QStringList& item : realBank())
        highest = std::max(highest, item[0].toInt());
    return highest;
}

// The draw that brings item `number` up in Practice and Test.
double drawOf(int number) {
    return ScriptedPlatform::drawFor(number, highestNumber());
}

// One box at most from an action, none when `expected` is false; a box has the screen's word
// in its title and names the file and the reason.
void checkTold(std::vector<ScriptedPlatform::Message> told, bool expected, Fault fault, const QString& screenWord) {
    // A folder that refuses the item file refuses the progress file too; that box is told once
    // per run by the recorder and looked at in the progress tests.
    told.erase(std::remove_if(told.begin(), told.end(),
                              [](const auto& box) { return box.text.contains(ProgressStore::fileName()); }),
               told.end());
    QCOMPARE(told.size(), size_t(expected ? 1 : 0));
    for (const auto& box : told) {
        QVERIFY2(box.title.contains(screenWord, Qt::CaseInsensitive), qPrintable(box.title));
        QVERIFY2(box.text.contains(QStringLiteral("en_data1.mdb")), qPrintable(box.text));
        bool reason = false;
        for (const QString& word : reasonWords(fault))
            reason = reason || box.text.contains(word);
        QVERIFY2(reason, qPrintable(box.text));
    }
}

#define CHECK_TOLD(boxes, expected, fault, word)                                                                       \
    do {                                                                                                               \
        checkTold((boxes).fresh(), expected, fault, word);                                                             \
        if (QTest::currentTestFailed())                                                                                \
            return;                                                                                                    \
    } while (false)

#define CHECK(call)                                                                                                    \
    do {                                                                                                               \
        call;                                                                                                          \
        if (QTest::currentTestFailed())                                                                                \
            return;                                                                                                    \
    } while (false)

void click(ProgramFixture& f, ScreenId id, const char* button) {
    QTest::mouseClick(f.child<QPushButton>(id, QLatin1String(button)), Qt::LeftButton);
    ProgramFixture::settle();
}

void trigger(ProgramFixture& f, ScreenId id, const QString& action) {
    f.child<QAction>(id, action)->trigger();
    ProgramFixture::settle();
}

QString labelText(ProgramFixture& f, ScreenId id, const char* name) {
    return f.child<QLabel>(id, QLatin1String(name))->text();
}

// Chooses a wrong answer for the item on the Test screen.
void answerWrongly(ProgramFixture& f) {
    const QString solution = labelText(f, ScreenId::Test, "Label10");
    const int wrong = solution == QLatin1String("A") ? 2 : 1;
    QTest::mouseClick(f.child<QRadioButton>(ScreenId::Test, QStringLiteral("Option3D%1").arg(wrong)), Qt::LeftButton);
}

// Types over a box of the Database screen as a teacher does.
void typeInto(ProgramFixture& f, const char* name, const QString& text) {
    QLineEdit* box = f.child<QLineEdit>(ScreenId::Database, QLatin1String(name));
    box->setFocus();
    box->selectAll();
    QTest::keyClick(box, Qt::Key_Delete);
    QTest::keyClicks(box, text);
}

std::vector<QStringList> storedItems(const TempDatabase& db) {
    return db.items().items;
}

void addFailedItems(const QString& path, int count) {
    auto view = LiveView::open(path, QStringLiteral("hiba1"));
    for (int n = 1; n <= count; ++n) {
        view->addNew();
        view->setField(QStringLiteral("hiba"), QStringLiteral("A"));
        view->setField(QStringLiteral("mondat"), QStringLiteral("Sentence %1 ......").arg(n));
        view->setField(QStringLiteral("felelet2"), QStringLiteral("B"));
        view->update();
    }
}

} // namespace

class TestFaultyFiles : public QObject {
    Q_OBJECT

private slots:
    // The hub opens the file when it loads and again from its Databases menu; the reshuffle
    // writes every item. A file it cannot use is named on the hub, a reshuffle that fails is
    // told and leaves every item where it was, and after the file is mended both work.
    void hubOpenAndReshuffle_data() { addFaultRows(When::Both); }
    void hubOpenAndReshuffle() {
        QFETCH(int, fault);
        QFETCH(int, cut);
        QFETCH(bool, whileOpen);
        ProgramFixture f(realBank());
        const auto itemsBefore = storedItems(f.database());
        const auto failedBefore = f.database().failedRows();
        FaultyFile file(f.database().path(), Fault(fault), Cut(cut));
        Boxes boxes(f);
        if (!whileOpen)
            CHECK(file.apply());
        f.startToHub();
        auto* notice = f.child<QLabel>(ScreenId::Hub, QStringLiteral("notice"));
        if (whileOpen)
            CHECK(file.apply());
        QCOMPARE(shown(notice), !whileOpen && !readable(Fault(fault)));

        f.platform().queueDraws({0.25, 0.5, 0.75});
        QTest::mouseClick(f.child<QLabel>(ScreenId::Hub, QStringLiteral("change")), Qt::LeftButton);
        const auto told = boxes.fresh();
        CHECK(checkTold(told, true, Fault(fault), QStringLiteral("LEXORA ENGLISH")));
        QVERIFY(told[0].text.startsWith(QStringLiteral("The order of the sentences could not be changed; the "
                                                       "database has been left as it was.")));
        CHECK(file.checkUntouched());

        // Opening the database from the menu names the file, or its fault, on the hub.
        trigger(f, ScreenId::Hub, QStringLiteral("data_0"));
        CHECK_TOLD(boxes, false, Fault(fault), QString());
        QCOMPARE(shown(notice), !readable(Fault(fault)));
        if (shown(notice)) {
            bool named = notice->text().contains(QStringLiteral("en_data1.mdb"));
            for (const QString& word : reasonWords(Fault(fault)))
                named = named || notice->text().contains(word);
            QVERIFY2(named, qPrintable(notice->text()));
        }
        CHECK(file.checkUntouched());

        file.heal();
        QCOMPARE(storedItems(f.database()), itemsBefore);
        QCOMPARE(f.database().failedRows(), failedBefore);
        trigger(f, ScreenId::Hub, QStringLiteral("data_0"));
        QVERIFY(!shown(notice));
        for (size_t i = 0; i < itemsBefore.size(); ++i)
            f.platform().queueDraws({double(i) / double(itemsBefore.size())});
        QTest::mouseClick(f.child<QLabel>(ScreenId::Hub, QStringLiteral("change")), Qt::LeftButton);
        CHECK_TOLD(boxes, false, Fault(fault), QString());
        const auto itemsAfter = storedItems(f.database());
        QCOMPARE(itemsAfter.size(), itemsBefore.size());
        int moved = 0;
        for (size_t i = 0; i < itemsAfter.size(); ++i) {
            QStringList before = itemsBefore[i], after = itemsAfter[i];
            moved += before[2] != after[2];
            before.removeAt(2);
            after.removeAt(2);
            QCOMPARE(after, before);
        }
        QVERIFY(moved > 0);
        QCOMPARE(f.platform().endProcessCalls, 0);
    }

    // Practice only reads: a file it can read serves as ever; one it cannot read is told at
    // each action that needs it, and a mended file serves again without reopening the screen.
    void practice_data() { addFaultRows(When::Both); }
    void practice() {
        QFETCH(int, fault);
        QFETCH(int, cut);
        QFETCH(bool, whileOpen);
        ProgramFixture f(realBank());
        f.prepare();
        const auto itemsBefore = storedItems(f.database());
        FaultyFile file(f.database().path(), Fault(fault), Cut(cut));
        Boxes boxes(f);
        const bool failing = !readable(Fault(fault));
        const QString word = QStringLiteral("Practice");
        if (!whileOpen)
            CHECK(file.apply());
        f.show(ScreenId::Practice);
        CHECK_TOLD(boxes, !whileOpen && failing, Fault(fault), word);
        if (whileOpen)
            CHECK(file.apply());

        // Start draws an item at random from the file as it is now.
        f.platform().queueDraws({drawOf(1)});
        click(f, ScreenId::Practice, "Command3");
        CHECK_TOLD(boxes, failing, Fault(fault), word);
        QCOMPARE(labelText(f, ScreenId::Practice, "Label13").isEmpty(), failing);
        QVERIFY(f.screens().isLoaded(ScreenId::Practice));
        CHECK(file.checkUntouched());

        // A file that could not be read took no draw.
        QCOMPARE(f.platform().drawsLeft(), size_t(failing ? 1 : 0));

        file.heal();
        QCOMPARE(storedItems(f.database()), itemsBefore);
        if (!failing)
            f.platform().queueDraws({drawOf(2)});
        click(f, ScreenId::Practice, "Command10");
        CHECK_TOLD(boxes, false, Fault(fault), word);
        QCOMPARE(labelText(f, ScreenId::Practice, "Label13"), QLatin1Char(' ') + itemsBefore[failing ? 0 : 1][4]);
        // A level is cut from the items of the file, once it can be read.
        trigger(f, ScreenId::Practice, QStringLiteral("mnuNivelItem_0"));
        CHECK_TOLD(boxes, false, Fault(fault), word);
        QVERIFY(!labelText(f, ScreenId::Practice, "Label13").isEmpty());
        QCOMPARE(labelText(f, ScreenId::Practice, "Label27"), QString("1"));
        QCOMPARE(f.platform().endProcessCalls, 0);
    }

    // Choosing a level needs the file when the screen could not read it at opening.
    void practiceLevelOnAFileThatWasUnreadableAtOpening_data() {
        QTest::addColumn<int>("fault");
        QTest::addRow("missing") << int(Fault::Missing);
        QTest::addRow("garbage") << int(Fault::Garbage);
    }
    void practiceLevelOnAFileThatWasUnreadableAtOpening() {
        QFETCH(int, fault);
        ProgramFixture f(realBank());
        f.prepare();
        FaultyFile file(f.database().path(), Fault(fault));
        Boxes boxes(f);
        CHECK(file.apply());
        f.show(ScreenId::Practice);
        CHECK_TOLD(boxes, true, Fault(fault), QStringLiteral("Practice"));
        trigger(f, ScreenId::Practice, QStringLiteral("mnuNivelItem_0"));
        CHECK_TOLD(boxes, true, Fault(fault), QStringLiteral("Practice"));
        file.heal();
        trigger(f, ScreenId::Practice, QStringLiteral("mnuNivelItem_0"));
        CHECK_TOLD(boxes, false, Fault(fault), QString());
        QVERIFY(!labelText(f, ScreenId::Practice, "Label13").isEmpty());
    }

    // A Test screen opened on a file it cannot read says so when it opens and when a run
    // starts; once the file is mended, a run starts and its failed items are stored.
    void testOpenedOnAnUnreadableFile_data() {
        QTest::addColumn<int>("fault");
        QTest::addColumn<int>("cut");
        QTest::addRow("missing") << int(Fault::Missing) << int(Cut::HalfWay);
        QTest::addRow("empty") << int(Fault::Empty) << int(Cut::HalfWay);
        QTest::addRow("garbage") << int(Fault::Garbage) << int(Cut::HalfWay);
        QTest::addRow("cut before its last page") << int(Fault::Truncated) << int(Cut::BeforeLastPage);
        QTest::addRow("without the item tables") << int(Fault::NoItemTables) << int(Cut::HalfWay);
        QTest::addRow("locked") << int(Fault::Locked) << int(Cut::HalfWay);
    }
    void testOpenedOnAnUnreadableFile() {
        QFETCH(int, fault);
        QFETCH(int, cut);
        ProgramFixture f(realBank());
        f.prepare();
        FaultyFile file(f.database().path(), Fault(fault), Cut(cut));
        Boxes boxes(f);
        const QString word = QStringLiteral("Test");
        CHECK(file.apply());
        f.show(ScreenId::Test);
        CHECK_TOLD(boxes, true, Fault(fault), word);
        f.platform().queueDraws({drawOf(3)});
        click(f, ScreenId::Test, "Command3");
        CHECK_TOLD(boxes, true, Fault(fault), word);
        CHECK(file.checkUntouched());

        file.heal();
        click(f, ScreenId::Test, "Command5"); // Evaluation of the run that never had an item
        CHECK_TOLD(boxes, false, Fault(fault), word);
        QCOMPARE(f.database().failedRows().size(), size_t(1)); // nothing was shown, nothing failed
        click(f, ScreenId::Test, "Command3");
        CHECK_TOLD(boxes, false, Fault(fault), word);
        QVERIFY(!labelText(f, ScreenId::Test, "Label13").isEmpty());
        answerWrongly(f);
        f.platform().queueDraws({drawOf(4)});
        click(f, ScreenId::Test, "Command4");
        CHECK_TOLD(boxes, false, Fault(fault), word);
        QCOMPARE(f.database().failedRows().size(), size_t(2));
        QCOMPARE(f.platform().endProcessCalls, 0);
    }

    // A wrong answer whose failed item cannot be stored: Next tells it and stays on the item,
    // Evaluation tells it and shows the score, and the failed-items table keeps only its
    // placeholder. After the file is mended the next run stores its failed items.
    void testStoresFailedItems_data() { addFaultRows(When::WhileOpen); }
    void testStoresFailedItems() {
        QFETCH(int, fault);
        QFETCH(int, cut);
        ProgramFixture f(realBank());
        f.prepare();
        const auto failedBefore = f.database().failedRows();
        FaultyFile file(f.database().path(), Fault(fault), Cut(cut));
        Boxes boxes(f);
        const QString word = QStringLiteral("Test");
        f.show(ScreenId::Test);
        f.platform().queueDraws({drawOf(5)});
        click(f, ScreenId::Test, "Command3");
        const QString sentence = labelText(f, ScreenId::Test, "Label13");
        QVERIFY(!sentence.isEmpty());
        answerWrongly(f);
        CHECK(file.apply());

        click(f, ScreenId::Test, "Command4"); // Next
        CHECK_TOLD(boxes, true, Fault(fault), word);
        QCOMPARE(labelText(f, ScreenId::Test, "Label13"), sentence);
        QCOMPARE(f.globals().itemsdone, 1);
        click(f, ScreenId::Test, "Command5"); // Evaluation
        CHECK_TOLD(boxes, true, Fault(fault), word);
        QCOMPARE(labelText(f, ScreenId::Test, "Label18"), QString("0/1"));
        QVERIFY(shown(f.child<QPushButton>(ScreenId::Test, QStringLiteral("Command3"))));
        CHECK(file.checkUntouched());

        file.heal();
        QCOMPARE(f.database().failedRows(), failedBefore);
        f.platform().queueDraws({drawOf(6), drawOf(7)});
        click(f, ScreenId::Test, "Command3");
        answerWrongly(f);
        click(f, ScreenId::Test, "Command4");
        CHECK_TOLD(boxes, false, Fault(fault), word);
        QCOMPARE(f.database().failedRows().size(), failedBefore.size() + 1);
        QCOMPARE(f.platform().endProcessCalls, 0);
    }

    // In a timed run the countdown moves on by itself. When the item it judges cannot be
    // stored, the countdown stops and the learner is told once, not at every tick; a Next that
    // stores the item, once the file is mended, starts it again.
    void timedRunStopsItsCountdownOnAFault_data() { addFaultRows(When::WhileOpen); }
    void timedRunStopsItsCountdownOnAFault() {
        QFETCH(int, fault);
        QFETCH(int, cut);
        ProgramFixture f(realBank());
        f.prepare();
        FaultyFile file(f.database().path(), Fault(fault), Cut(cut));
        Boxes boxes(f);
        const QString word = QStringLiteral("Test");
        f.show(ScreenId::Test);
        trigger(f, ScreenId::Test, QStringLiteral("mnuTiempoItem_0")); // 10 s an item
        f.platform().queueDraws({drawOf(8)});
        click(f, ScreenId::Test, "Command3");
        auto* timer = qobject_cast<IntervalTimer*>(f.child<QTimer>(ScreenId::Test, QStringLiteral("Timer1")));
        auto* gauge = f.child<QWidget>(ScreenId::Test, QStringLiteral("Gauge1"));
        QVERIFY(timer->isActive());
        const QString sentence = labelText(f, ScreenId::Test, "Label13");
        answerWrongly(f);
        CHECK(file.apply());

        f.fireTimer(ScreenId::Test, QStringLiteral("Timer1"));
        CHECK_TOLD(boxes, true, Fault(fault), word);
        QVERIFY(!timer->isActive());
        QVERIFY(!shown(gauge));
        for (int tick = 0; tick < 3; ++tick)
            f.fireTimer(ScreenId::Test, QStringLiteral("Timer1"));
        CHECK_TOLD(boxes, false, Fault(fault), word);
        QCOMPARE(labelText(f, ScreenId::Test, "Label13"), sentence);
        QCOMPARE(f.globals().itemsdone, 1);
        CHECK(file.checkUntouched());

        file.heal();
        f.platform().queueDraws({drawOf(9)});
        click(f, ScreenId::Test, "Command4");
        CHECK_TOLD(boxes, false, Fault(fault), word);
        QCOMPARE(f.database().failedRows().size(), size_t(2));
        QCOMPARE(f.globals().itemsdone, 2);
        QVERIFY(timer->isActive());
        QVERIFY(shown(gauge));
        QCOMPARE(f.platform().endProcessCalls, 0);
    }

    // Closing the review empties the failed-items table. When the file refuses, the learner is
    // told once, the review closes, and the failed items and the placeholder stay; a later
    // review empties the table once the file is mended.
    void reviewCloseKeepsTheFailedItems_data() { addFaultRows(When::Both); }
    void reviewCloseKeepsTheFailedItems() {
        QFETCH(int, fault);
        QFETCH(int, cut);
        QFETCH(bool, whileOpen);
        ProgramFixture f(realBank());
        f.prepare();
        addFailedItems(f.database().path(), 2);
        const auto failedBefore = f.database().failedRows();
        QCOMPARE(failedBefore.size(), size_t(3));
        FaultyFile file(f.database().path(), Fault(fault), Cut(cut));
        Boxes boxes(f);
        const QString word = QStringLiteral("Failed items");
        f.show(ScreenId::Test); // the review is opened from a Test screen
        if (!whileOpen)
            CHECK(file.apply());
        f.show(ScreenId::FailedItems);
        CHECK_TOLD(boxes, !whileOpen && !readable(Fault(fault)), Fault(fault), word);
        if (whileOpen)
            CHECK(file.apply());

        click(f, ScreenId::FailedItems, "Command6");
        CHECK_TOLD(boxes, true, Fault(fault), word);
        QVERIFY(!f.screens().isLoaded(ScreenId::FailedItems));
        QVERIFY(f.screens().isLoaded(ScreenId::Test));
        CHECK(file.checkUntouched());

        file.heal();
        QCOMPARE(f.database().failedRows(), failedBefore);
        f.show(ScreenId::FailedItems);
        click(f, ScreenId::FailedItems, "Command1");
        QCOMPARE(labelText(f, ScreenId::FailedItems, "Label31"), QString("2"));
        click(f, ScreenId::FailedItems, "Command6");
        CHECK_TOLD(boxes, false, Fault(fault), word);
        QCOMPARE(f.database().failedRows(), std::vector<QStringList>{failedBefore[0]});
        QCOMPARE(f.platform().endProcessCalls, 0);
    }

    // The Database screen opened on a file it cannot read says so, and its Start tries the
    // file again: once it is mended, the items are there to edit.
    void databaseOpenedOnAnUnreadableFile_data() {
        QTest::addColumn<int>("fault");
        QTest::addRow("missing") << int(Fault::Missing);
        QTest::addRow("empty") << int(Fault::Empty);
        QTest::addRow("garbage") << int(Fault::Garbage);
        QTest::addRow("without the item tables") << int(Fault::NoItemTables);
        QTest::addRow("locked") << int(Fault::Locked);
    }
    void databaseOpenedOnAnUnreadableFile() {
        QFETCH(int, fault);
        ProgramFixture f(realBank());
        f.prepare();
        FaultyFile file(f.database().path(), Fault(fault));
        Boxes boxes(f);
        const QString word = QStringLiteral("Database");
        CHECK(file.apply());
        f.show(ScreenId::Database);
        CHECK_TOLD(boxes, true, Fault(fault), word);
        click(f, ScreenId::Database, "Command10");
        CHECK_TOLD(boxes, true, Fault(fault), word);
        QVERIFY(shown(f.child<QPushButton>(ScreenId::Database, QStringLiteral("Command10"))));
        CHECK(file.checkUntouched());

        file.heal();
        click(f, ScreenId::Database, "Command10");
        CHECK_TOLD(boxes, false, Fault(fault), word);
        QCOMPARE(f.child<QLineEdit>(ScreenId::Database, QStringLiteral("Text1"))->text(), QString("1"));
        typeInto(f, "Text4", QStringLiteral("mended"));
        click(f, ScreenId::Database, "Command7");
        CHECK_TOLD(boxes, false, Fault(fault), word);
        QCOMPARE(storedItems(f.database())[0][5], QString("mended"));
    }

    // An edited item, a new one and a deletion meet a file that refuses them: each is told
    // once, the boxes keep what was typed, the view stays on the item and the file is as it
    // was. Once the file is mended, the very same edit is stored by the next move.
    void databaseEditsNewAndDelete_data() { addFaultRows(When::WhileOpen); }
    void databaseEditsNewAndDelete() {
        QFETCH(int, fault);
        QFETCH(int, cut);
        ProgramFixture f(realBank());
        f.prepare();
        const auto itemsBefore = storedItems(f.database());
        FaultyFile file(f.database().path(), Fault(fault), Cut(cut));
        Boxes boxes(f);
        const QString word = QStringLiteral("Database");
        f.show(ScreenId::Database);
        click(f, ScreenId::Database, "Command10");
        click(f, ScreenId::Database, "Command7"); // on item 2
        auto* number = f.child<QLineEdit>(ScreenId::Database, QStringLiteral("Text1"));
        auto* answerA = f.child<QLineEdit>(ScreenId::Database, QStringLiteral("Text4"));
        QCOMPARE(number->text(), QString("2"));
        typeInto(f, "Text4", QStringLiteral("typed answer"));
        CHECK(file.apply());

        click(f, ScreenId::Database, "Command7"); // the move writes the item first
        CHECK_TOLD(boxes, true, Fault(fault), word);
        QCOMPARE(number->text(), QString("2"));
        QCOMPARE(answerA->text(), QString("typed answer"));
        f.platform().queueDraws({0.5});
        click(f, ScreenId::Database, "Command1"); // New: the edit is written first, and fails again
        CHECK_TOLD(boxes, true, Fault(fault), word);
        QCOMPARE(answerA->text(), QString("typed answer"));
        CHECK(file.checkUntouched());

        file.heal();
        QCOMPARE(storedItems(f.database()), itemsBefore);
        click(f, ScreenId::Database, "Command7");
        CHECK_TOLD(boxes, false, Fault(fault), word);
        QCOMPARE(number->text(), QString("3"));
        QCOMPARE(storedItems(f.database())[1][5], QString("typed answer"));

        // Deleting item 3 while the file refuses keeps it.
        CHECK(file.apply());
        click(f, ScreenId::Database, "Command4");
        CHECK_TOLD(boxes, true, Fault(fault), word);
        CHECK(file.checkUntouched());
        file.heal();
        QCOMPARE(storedItems(f.database()).size(), itemsBefore.size());
        click(f, ScreenId::Database, "Command4");
        CHECK_TOLD(boxes, false, Fault(fault), word);
        QCOMPARE(storedItems(f.database()).size(), itemsBefore.size() - 1);
        QVERIFY(f.screens().isLoaded(ScreenId::Database));
        QCOMPARE(f.platform().endProcessCalls, 0);
    }

    // A file that cannot be written shows its items read-only: nothing can be typed that could
    // not be stored, and New refuses at once. The screen can always be left.
    void databaseOnAReadOnlyFile_data() {
        QTest::addColumn<int>("fault");
        QTest::addRow("read-only file") << int(Fault::ReadOnlyFile);
        QTest::addRow("read-only folder") << int(Fault::ReadOnlyFolder);
    }
    void databaseOnAReadOnlyFile() {
        QFETCH(int, fault);
        ProgramFixture f(realBank());
        f.prepare();
        FaultyFile file(f.database().path(), Fault(fault));
        Boxes boxes(f);
        const QString word = QStringLiteral("Database");
        CHECK(file.apply());
        f.show(ScreenId::Database);
        click(f, ScreenId::Database, "Command10");
        CHECK_TOLD(boxes, false, Fault(fault), word);
        auto* answerA = f.child<QLineEdit>(ScreenId::Database, QStringLiteral("Text4"));
        QCOMPARE(answerA->text(), realBank()[0][5]);
        QVERIFY(answerA->isReadOnly());
        typeInto(f, "Text4", QStringLiteral("typed"));
        QCOMPARE(answerA->text(), realBank()[0][5]);
        click(f, ScreenId::Database, "Command7");
        CHECK_TOLD(boxes, false, Fault(fault), word);
        f.platform().queueDraws({0.5});
        click(f, ScreenId::Database, "Command1");
        CHECK_TOLD(boxes, true, Fault(fault), word);
        QVERIFY(f.child<QLineEdit>(ScreenId::Database, QStringLiteral("Text1"))->isReadOnly());
        click(f, ScreenId::Database, "Command4");
        CHECK_TOLD(boxes, true, Fault(fault), word);
        CHECK(file.checkUntouched());
        click(f, ScreenId::Database, "Command2");
        CHECK_TOLD(boxes, false, Fault(fault), word);
        QVERIFY(!f.screens().isLoaded(ScreenId::Database));
        QVERIFY(f.screens().isLoaded(ScreenId::Hub));

        // Writable again: the next visit edits as ever.
        file.heal();
        f.show(ScreenId::Database);
        click(f, ScreenId::Database, "Command10");
        answerA = f.child<QLineEdit>(ScreenId::Database, QStringLiteral("Text4"));
        QVERIFY(!answerA->isReadOnly());
        typeInto(f, "Text4", QStringLiteral("now stored"));
        click(f, ScreenId::Database, "Command7");
        CHECK_TOLD(boxes, false, Fault(fault), word);
        QCOMPARE(storedItems(f.database())[0][5], QString("now stored"));
    }

    // A typed item that the file refuses keeps the window open the first time, so it can be
    // stored once the file is mended; asked to close again, the window goes without it and
    // the file stays as it was.
    void databaseCanBeLeftWhileTheFileRefuses_data() {
        QTest::addColumn<int>("fault");
        QTest::addRow("missing") << int(Fault::Missing);
        QTest::addRow("garbage") << int(Fault::Garbage);
        QTest::addRow("locked") << int(Fault::Locked);
    }
    void databaseCanBeLeftWhileTheFileRefuses() {
        QFETCH(int, fault);
        ProgramFixture f(realBank());
        f.prepare();
        const auto itemsBefore = storedItems(f.database());
        FaultyFile file(f.database().path(), Fault(fault));
        Boxes boxes(f);
        f.show(ScreenId::Database);
        click(f, ScreenId::Database, "Command10");
        typeInto(f, "Text4", QStringLiteral("typed"));
        CHECK(file.apply());
        click(f, ScreenId::Database, "Command2");
        CHECK_TOLD(boxes, true, Fault(fault), QStringLiteral("Database"));
        QVERIFY(f.screens().isLoaded(ScreenId::Database));
        click(f, ScreenId::Database, "Command2");
        CHECK_TOLD(boxes, false, Fault(fault), QString());
        QVERIFY(!f.screens().isLoaded(ScreenId::Database));
        QVERIFY(f.screens().isLoaded(ScreenId::Hub));
        CHECK(file.checkUntouched());
        file.heal();
        QCOMPARE(storedItems(f.database()), itemsBefore);
        QCOMPARE(f.platform().endProcessCalls, 0);
    }
};

QTEST_MAIN(TestFaultyFiles)
#include "test_faulty_files.moc"
