// SPDX-FileCopyrightText: 2026 The Lexora English developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Worksheets: which items they hold, and what the PDF written by `lexora-items worksheet` says,
// read back with the poppler tools.

#include "data/itemfingerprint.h"
#include "data/itemstore.h"
#include "data/storeerror.h"
#include "text/captions.h"
#include "worksheet/worksheet.h"
#include "worksheet/worksheetwriter.h"

#include "core/tempdatabase.h"

#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <iterator>
#include <map>
#include <set>
#include <stdexcept>

using namespace lexora;
using namespace lexora::testing;

namespace {

enum Column { Sorszam, Sorrend, Sorrend2, Szint, Mondat, A, B, C, D, Felelet1, Felelet2, Kulcs1, Kulcs2 };

ItemBank shippedBank() {
    std::vector<BankProblem> problems;
    return ItemBank::readText(QStringLiteral(LEXORA_ITEMS_DIR "/en_data1.tsv"), problems);
}

std::vector<QStringList> inSequenceOrder(std::vector<QStringList> rows) {
    std::sort(rows.begin(), rows.end(),
              [](const QStringList& a, const QStringList& b) { return a[Sorrend2].toInt() < b[Sorrend2].toInt(); });
    return rows;
}

std::vector<int> numbers(const Worksheet& sheet) {
    std::vector<int> out;
    for (const WorksheetItem& item : sheet.items)
        out.push_back(item.sorszam);
    return out;
}

struct Run {
    int exitCode = -1;
    QString out;
    QString err;
};

Run runTool(const QStringList& args, const QProcessEnvironment& env = QProcessEnvironment::systemEnvironment()) {
    QProcess process;
    process.setProcessEnvironment(env);
    process.start(qEnvironmentVariable("LEXORA_ITEMS_TOOL"), args);
    if (!process.waitForFinished(60000))
        return {};
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            QString::fromUtf8(process.readAllStandardOutput()), QString::fromUtf8(process.readAllStandardError())};
}

// The pages of a PDF as text, or nothing when the poppler tools are missing.
std::optional<QStringList> pdfPages(const QString& pdf) {
    if (QStandardPaths::findExecutable("pdftotext").isEmpty())
        return std::nullopt;
    QProcess process;
    process.start("pdftotext", {"-enc", "UTF-8", pdf, "-"});
    process.waitForFinished(60000);
    QStringList pages = QString::fromUtf8(process.readAllStandardOutput()).split(QChar('\f'));
    if (!pages.isEmpty() && pages.back().trimmed().isEmpty())
        pages.pop_back();
    return pages;
}

// Text with page footers (in English, Hungarian or Spanish) removed and every run of white space
// made one blank.
QString flat(const QString& text) {
    static const QRegularExpression footer(
        QStringLiteral("Page \\d+ of \\d+|\\d+\\. oldal / \\d+|Página \\d+ de \\d+"));
    return QString(text).remove(footer).simplified();
}

// The answer key read back from the text of its pages: item number -> (letter, what follows the
// letter up to the next number: the filled sentence, and the reason when the key explains).
std::map<int, std::pair<QString, QString>> readKey(const QString& keyText,
                                                   const QString& heading = QStringLiteral("Answer key")) {
    static const QRegularExpression line(QStringLiteral("(\\d+)\\. ([ABCD]) (.*?)(?= \\d+\\. [ABCD] |$)"));
    std::map<int, std::pair<QString, QString>> key;
    auto it = line.globalMatch(flat(keyText).section(heading, 1));
    while (it.hasNext()) {
        const auto m = it.next();
        key[m.captured(1).toInt()] = {m.captured(2), m.captured(3)};
    }
    return key;
}

// The part of the pages before the answer key, and the key's part.
std::pair<QString, QString> sheetAndKey(const QStringList& pages, const QString& heading = QStringLiteral("Answer key")) {
    QString sheet, key;
    bool inKey = false;
    for (const QString& page : pages) {
        inKey = inKey || page.contains(heading);
        (inKey ? key : sheet) += page + '\n';
    }
    return {sheet, key};
}

// A database of `bank`, its reasons included, as en_data1.mdb in `dir`.
QString databaseOf(const ItemBank& bank, const QTemporaryDir& dir) {
    const QString path = dir.filePath(QStringLiteral("en_data1.mdb"));
    bank.createDatabase(path);
    return path;
}

// Text as compared with what pdftotext reads: it drops a hyphen where a line breaks after one.
// A text as the PDF's text layer gives it back, whatever the line breaks: a line may break
// after a hyphen or a slash ("he/" + "she"), which the layer joins with a hyphen or a space.
QString withoutHyphens(const QString& text) {
    return QString(text).remove(QLatin1Char('-')).replace(QStringLiteral("/ "), QStringLiteral("/"));
}

QStringList reasonsOf(const Worksheet& sheet) {
    QStringList out;
    for (const WorksheetItem& item : sheet.items)
        out << item.reason;
    return out;
}

// An item's sentence is on the sheet when every piece around its gap is.
bool sentenceOnSheet(const QString& sheet, const QString& mondat) {
    static const QRegularExpression gap(QStringLiteral("\\.{3,}"));
    for (const QString& piece : mondat.split(gap, Qt::SkipEmptyParts))
        if (!piece.trimmed().isEmpty() && !sheet.contains(piece.simplified()))
            return false;
    return true;
}

} // namespace

class TestWorksheet : public QObject {
    Q_OBJECT

private slots:
    void levelTopicAndStartingPointSelectAsPracticeDoes() {
        TempDatabase db({makeItem(1, 50, 1, "1", "a"), makeItem(2, 10, 2, "1", "f"), makeItem(3, 30, 2, "1", "0"),
                         makeItem(4, 20, 1, "2", "x"), makeItem(5, 40, 2, "1", "b")});
        WorksheetRequest request;
        QCOMPARE(numbers(makeWorksheet(db.path(), request)), (std::vector<int>{2, 4, 3, 5, 1}));
        request.level = 2;
        QCOMPARE(numbers(makeWorksheet(db.path(), request)), (std::vector<int>{2, 3, 5}));
        request.count = 2;
        QCOMPARE(numbers(makeWorksheet(db.path(), request)), (std::vector<int>{2, 3}));
        // Topic 0 takes the verbs but leaves out relative clauses ("f"); with a level, its items of it.
        request = {};
        request.topic = 0;
        QCOMPARE(numbers(makeWorksheet(db.path(), request)), (std::vector<int>{3, 5, 1}));
        request.level = 2;
        const Worksheet both = makeWorksheet(db.path(), request);
        QCOMPARE(numbers(both), (std::vector<int>{3, 5}));
        QVERIFY(both.subject.endsWith(", Level 2"));
        request.level.reset();
        // The starting point: items above that place of the sequence, within the selection.
        request.from = 30;
        QCOMPARE(numbers(makeWorksheet(db.path(), request)), (std::vector<int>{5, 1}));
        request.from = 50;
        QVERIFY(makeWorksheet(db.path(), request).items.empty());
        // The key's fields come with the item.
        request = {};
        request.count = 1;
        const WorksheetItem first = makeWorksheet(db.path(), request).items.at(0);
        const QStringList row = makeItem(2, 10, 2, "1", "f");
        QCOMPARE(first.mondat, row[Mondat]);
        QCOMPARE(first.d, row[D]);
        QCOMPARE(first.felelet1, row[Felelet1]);
        QCOMPARE(first.felelet2, row[Felelet2]);
    }

    void aSeedDrawsReproduciblyWithoutRepeatsFromTheSelection() {
        std::vector<QStringList> items;
        for (int n = 1; n <= 60; ++n)
            items.push_back(makeItem(n, 100 + n, 1 + n % 3));
        TempDatabase db(items);
        WorksheetRequest request;
        request.level = 2;
        request.count = 15;
        request.seed = 42;
        const std::vector<int> drawn = numbers(makeWorksheet(db.path(), request));
        QCOMPARE(numbers(makeWorksheet(db.path(), request)), drawn);
        QCOMPARE(int(std::set<int>(drawn.begin(), drawn.end()).size()), 15);
        for (int n : drawn)
            QCOMPARE(n % 3, 1); // level 2 only
        request.seed = 43;
        QVERIFY(numbers(makeWorksheet(db.path(), request)) != drawn);
        // Asking for more than there are gives every item of the selection once.
        request.count = 500;
        std::vector<int> all = numbers(makeWorksheet(db.path(), request));
        std::sort(all.begin(), all.end());
        QCOMPARE(int(all.size()), 20);
        QCOMPARE(int(std::unique(all.begin(), all.end()) - all.begin()), 20);
    }

    void badRequestsAndFilesAreRefused() {
        TempDatabase db({makeItem(1, 10)});
        const auto refused = [&](auto change) {
            WorksheetRequest request;
            change(request);
            try {
                makeWorksheet(db.path(), request);
            } catch (const std::invalid_argument&) {
                return true;
            }
            return false;
        };
        QVERIFY(refused([](WorksheetRequest& r) { r.level = 4; }));
        QVERIFY(refused([](WorksheetRequest& r) { r.topic = 23; }));
        QVERIFY(refused([](WorksheetRequest& r) { r.count = 0; }));
        QVERIFY(refused([](WorksheetRequest& r) { r.count = kMaxWorksheetItems + 1; }));
        QCOMPARE(failureOf([&] { makeWorksheet(db.dir() + "missing.mdb", {}); }), StoreError::Kind::NotFound);

        // A worksheet never takes the place of a database file.
        const QByteArray before = [&] {
            QFile f(db.path());
            f.open(QIODevice::ReadOnly);
            return f.readAll();
        }();
        const Worksheet sheet = makeWorksheet(db.path(), {});
        QVERIFY_THROWS_EXCEPTION(std::runtime_error, WorksheetWriter(sheet).writePdf(db.path()));
        QFile file(db.path());
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), before);
    }

    void theToolWritesEveryItemAndAKeyThatMatchesTheDatabase_data() {
        QTest::addColumn<QStringList>("options");
        QTest::addColumn<int>("count");
        QTest::addRow("20 of topic 5") << QStringList{"--topic", "5", "--count", "20"} << 20;
        QTest::addRow("40 at random") << QStringList{"--seed", "2024", "--count", "40"} << 40;
    }
    void theToolWritesEveryItemAndAKeyThatMatchesTheDatabase() {
        QFETCH(QStringList, options);
        QFETCH(int, count);
        const ItemBank bank = shippedBank();
        TempDatabase db(bank.items);
        const QString pdf = db.dir() + "sheet.pdf";
        const Run run = runTool(QStringList{"worksheet"} + options + QStringList{db.path(), pdf});
        QVERIFY2(run.exitCode == 0, qPrintable(run.err));
        QVERIFY(run.out.contains(QStringLiteral("%1 items").arg(count)));
        const auto pages = pdfPages(pdf);
        if (!pages)
            QSKIP("pdftotext is not installed (scripts/bootstrap installs it)");
        const auto [sheet, keyText] = sheetAndKey(*pages);
        QVERIFY(!keyText.isEmpty());
        QVERIFY2(!pages->front().contains("Answer key"), "the key begins on a page of its own");

        const auto key = readKey(keyText);
        QCOMPARE(int(key.size()), count);
        std::set<QString> seen;
        for (int n = 1; n <= count; ++n) {
            const QString letter = key.at(n).first;
            const QString filled = key.at(n).second;
            // The item the key names: its right letter and filled sentence, and it is on the sheet.
            const auto row = std::find_if(bank.items.begin(), bank.items.end(),
                                          [&](const QStringList& r) { return r[Felelet1].simplified() == filled; });
            QVERIFY2(row != bank.items.end(), qPrintable(filled));
            QCOMPARE(letter, (*row)[Felelet2]);
            QVERIFY2(sentenceOnSheet(flat(sheet), (*row)[Mondat]), qPrintable((*row)[Mondat]));
            for (int answer = A; answer <= D; ++answer)
                QVERIFY2(flat(sheet).contains((*row)[answer].simplified()), qPrintable((*row)[answer]));
            seen.insert(filled);
        }
        QCOMPARE(int(seen.size()), count);

        if (options.contains("--topic")) {
            // Topic 5 of the Topic menu: keys 1 and e, the first 20 in sequence order.
            std::vector<QStringList> topic;
            for (const QStringList& row : inSequenceOrder(bank.items))
                if (row[Kulcs1] == "1" && row[Kulcs2] == "e" && topic.size() < 20)
                    topic.push_back(row);
            for (int n = 1; n <= count; ++n)
                QCOMPARE(key.at(n).second, topic[size_t(n - 1)][Felelet1].simplified());
        }
    }

    void everyFontIsEmbedded() {
        TempDatabase db(shippedBank().items);
        const QString pdf = db.dir() + "sheet.pdf";
        QCOMPARE(runTool({"worksheet", "--lang", "hu", "--count", "30", db.path(), pdf}).exitCode, 0);
        if (QStandardPaths::findExecutable("pdffonts").isEmpty())
            QSKIP("pdffonts is not installed (scripts/bootstrap installs it)");
        QProcess process;
        process.start("pdffonts", {pdf});
        process.waitForFinished(60000);
        const QStringList lines = QString::fromUtf8(process.readAllStandardOutput()).split('\n', Qt::SkipEmptyParts);
        QVERIFY(lines.size() > 2); // a header of two lines, then a line per font
        for (const QString& line : lines.mid(2)) {
            const QStringList columns = line.split(' ', Qt::SkipEmptyParts);
            QVERIFY2(line.contains("Liberation"), qPrintable(line));
            QVERIFY2(columns.size() >= 7 && columns[columns.size() - 5] == "yes", qPrintable(line));
        }
        // The headings are in the language asked for.
        const auto pages = pdfPages(pdf);
        QVERIFY(pages && pages->front().contains(QString::fromUtf8("Feladatlap")));
        QVERIFY(pages->back().contains(QString::fromUtf8("Megoldókulcs")) || pages->join("").contains("Megold"));
    }

    void noItemNorKeyLineWithItsReasonIsSplitAcrossPages() {
        ItemBank bank;
        for (int n = 1; n <= 45; ++n) {
            QStringList row = makeItem(n, n);
            row[Mondat] = QStringLiteral("Sentence %1 that is rather long, so that it takes more than one line on "
                                         "the page of the worksheet when it is printed in twelve points ...... "
                                         "and then it goes on a little.")
                              .arg(n);
            row[D] = QStringLiteral("lastanswer%1 is long enough to need a row of its own on the sheet").arg(n);
            row[Felelet1] = QStringLiteral("Filled %1.").arg(n);
            bank.items.push_back(row);
            // Every fourth item has no reason and keeps its key line alone.
            const QString reason = QStringLiteral("Opening%1 of a reason long enough to wrap: the answer is right "
                                                  "because the sentence tells of a finished event at a stated time "
                                                  "in the past, which the other three forms cannot say. Closing%1")
                                       .arg(n);
            bank.reasons.push_back(n % 4 == 0 ? Reason{} : Reason{reason, reason, false});
        }
        QTemporaryDir dir;
        const QString database = databaseOf(bank, dir);
        const QString pdf = dir.filePath("sheet.pdf");
        QCOMPARE(runTool({"worksheet", "--explain", "--count", "45", database, pdf}).exitCode, 0);
        const auto pages = pdfPages(pdf);
        if (!pages)
            QSKIP("pdftotext is not installed (scripts/bootstrap installs it)");
        QVERIFY(pages->size() >= 6);
        const auto numbers = [](const char* pattern, const QString& page) {
            std::set<int> found;
            for (auto it = QRegularExpression(QLatin1String(pattern)).globalMatch(flat(page)); it.hasNext();)
                found.insert(it.next().captured(1).toInt());
            return found;
        };
        std::set<int> everyItem, everyKeyLine;
        for (const QString& page : *pages) {
            const std::set<int> begun = numbers("Sentence (\\d+) ", page);
            QCOMPARE(numbers("lastanswer(\\d+) ", page), begun);
            QVERIFY(begun.empty() || !page.contains("Answer key"));
            everyItem.insert(begun.begin(), begun.end());

            const std::set<int> keyLines = numbers("Filled (\\d+)\\.", page);
            std::set<int> explained;
            std::copy_if(keyLines.begin(), keyLines.end(), std::inserter(explained, explained.end()),
                         [](int n) { return n % 4 != 0; });
            QCOMPARE(numbers("Opening(\\d+) ", page), explained);
            QCOMPARE(numbers("Closing(\\d+)", page), explained);
            everyKeyLine.insert(keyLines.begin(), keyLines.end());
        }
        QCOMPARE(int(everyItem.size()), 45);
        QCOMPARE(int(everyKeyLine.size()), 45);
    }

    void theSheetHoldsReasonsOnlyWhenAskedAndAsksTheLookupGiven() {
        ItemBank bank;
        bank.items = {makeItem(1, 10), makeItem(2, 20), makeItem(3, 30)};
        bank.reasons = {{"Because of one.", "Az egy miatt."}, {}, {"Because of three.", "A három miatt."}};
        QTemporaryDir dir;
        const QString path = databaseOf(bank, dir);
        WorksheetRequest request;
        QCOMPARE(reasonsOf(makeWorksheet(path, request)), (QStringList{"", "", ""}));
        request.explain = true;
        request.langcode = LangCode::Hungarian;
        QCOMPARE(reasonsOf(makeWorksheet(path, request)),
                 (QStringList{"Az egy miatt.", "", QString::fromUtf8("A három miatt.")}));

        // A lookup handed in (the Database screen's, which also asks the installed bank) answers
        // for every item, asked with the item's own table and fingerprint.
        request.seed = 5;
        QStringList asked;
        const ReasonLookup lookup = [&](const ReasonTable& own, const QString& fingerprint) {
            asked << fingerprint;
            return own.find(fingerprint).value_or(Reason{"From the installed bank.", "", false});
        };
        request.langcode = LangCode::English;
        const Worksheet drawn = makeWorksheet(path, request, lookup);
        QCOMPARE(int(asked.size()), 3);
        for (int i = 0; i < 3; ++i) {
            const WorksheetItem& item = drawn.items[size_t(i)];
            QCOMPARE(asked[i], itemFingerprint(ItemContent{item.mondat, item.a, item.b, item.c, item.d, item.felelet2}));
            QCOMPARE(item.reason, item.sorszam == 2 ? QString("From the installed bank.")
                                                    : bank.reasonOf(size_t(item.sorszam - 1)).english);
        }
    }

    void theKeyOfTheToolExplainsInTheSheetsLanguage_data() {
        QTest::addColumn<QStringList>("options");
        QTest::addColumn<QString>("heading");
        QTest::addColumn<bool>("hungarian");
        QTest::addRow("English") << QStringList{"--lang", "en", "--explain"} << "Answer key" << false;
        QTest::addRow("Hungarian") << QStringList{"--explain", "--lang", "hu"} << QString::fromUtf8("Megoldókulcs")
                                   << true;
        QTest::addRow("Spanish: English reasons") << QStringList{"--lang", "es", "--explain"} << "Soluciones" << false;
        QTest::addRow("not asked") << QStringList{"--lang", "en"} << "Answer key" << false;
    }
    void theKeyOfTheToolExplainsInTheSheetsLanguage() {
        QFETCH(QStringList, options);
        QFETCH(QString, heading);
        QFETCH(bool, hungarian);
        const bool explain = options.contains("--explain");
        const ItemBank bank = shippedBank();
        QCOMPARE(bank.reasons.size(), bank.items.size());
        QTemporaryDir dir;
        const QString database = databaseOf(bank, dir);
        const QString pdf = dir.filePath("sheet.pdf");
        const Run run = runTool(QStringList{"worksheet", "--seed", "11", "--count", "25"} + options +
                                QStringList{database, pdf});
        QVERIFY2(run.exitCode == 0, qPrintable(run.err));
        const auto pages = pdfPages(pdf);
        if (!pages)
            QSKIP("pdftotext is not installed (scripts/bootstrap installs it)");
        const auto [sheet, keyText] = sheetAndKey(*pages, heading);
        const auto key = readKey(keyText, heading);
        QCOMPARE(int(key.size()), 25);

        // Each key line is the filled sentence of an item, followed by that item's reason.
        for (const auto& [number, line] : key) {
            bool matches = false;
            for (size_t i = 0; i < bank.items.size() && !matches; ++i) {
                const QString filled = bank.items[i][Felelet1].simplified();
                const QString reason = bank.reasonOf(i).inLanguage(hungarian).simplified();
                matches = withoutHyphens(line.second) == withoutHyphens(explain ? filled + ' ' + reason : filled);
            }
            QVERIFY2(matches, qPrintable(QStringLiteral("%1. %2").arg(number).arg(line.second)));
        }
        // Reasons stand in the key only, and only when asked for.
        const QString sheetText = withoutHyphens(flat(sheet));
        const QString keyFlat = withoutHyphens(flat(keyText));
        int inKey = 0;
        for (const Reason& reason : bank.reasons) {
            for (const QString& text :
                 {withoutHyphens(reason.english.simplified()), withoutHyphens(reason.hungarian.simplified())}) {
                QVERIFY2(!sheetText.contains(text), qPrintable(text));
                inKey += keyFlat.contains(text) ? 1 : 0;
            }
        }
        QCOMPARE(inKey, explain ? 25 : 0);
    }

    void theToolRefusesBadInputAndWritesNothing() {
        TempDatabase db(shippedBank().items);
        const QString pdf = db.dir() + "sheet.pdf";
        for (const QStringList& args :
             {QStringList{"--lang", "de"}, QStringList{"--level", "7"}, QStringList{"--count", "many"},
              QStringList{"--seed", "-1"}, QStringList{"--colour"}}) {
            const Run run = runTool(QStringList{"worksheet"} + args + QStringList{db.path(), pdf});
            QVERIFY2(run.exitCode == 2, qPrintable(args.join(' ')));
            QVERIFY(run.err.contains("usage"));
            QVERIFY(!QFile::exists(pdf));
        }
        // No item above the last place of the sequence: told, and no file.
        const Run none = runTool({"worksheet", "--from", "32000", db.path(), pdf});
        QCOMPARE(none.exitCode, 1);
        QVERIFY(none.err.contains("no item matches"));
        QVERIFY(!QFile::exists(pdf));
        // The database given as the output stays a database.
        QCOMPARE(runTool({"worksheet", db.path(), db.path()}).exitCode, 1);
        QCOMPARE(ItemBank::readDatabase(db.path()).items.size(), shippedBank().items.size());
    }

    void theOtherCommandsNeedNoDisplay() {
        TempDatabase db({makeItem(1, 10)});
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        for (const char* name : {"QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY"})
            env.remove(name);
        const QString bank = db.dir() + "bank.tsv";
        QCOMPARE(runTool({"export", db.path(), bank}, env).exitCode, 0);
        QVERIFY(QFile::exists(bank));
        const Run sheet = runTool({"worksheet", db.path(), db.dir() + "sheet.pdf"}, env);
        QVERIFY2(sheet.exitCode == 0, qPrintable(sheet.err));
    }
};

QTEST_GUILESS_MAIN(TestWorksheet)
#include "test_worksheet.moc"
