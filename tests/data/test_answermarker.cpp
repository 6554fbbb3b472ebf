// SPDX-FileCopyrightText: 2026 The Lexora English developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Written answers marked on shipped items as a teacher marks them.
#include "data/answermarker.h"
#include "data/itembank.h"

#include <QTest>

using namespace lexora;

Q_DECLARE_METATYPE(AnswerMarker::Verdict)

namespace {

// The shipped item whose sentence begins with `start`.
ItemContent shippedItem(const QString& start) {
    for (const char* bank : {"en_data1", "en_data2", "en_data3", "enpool1d"}) {
        std::vector<BankProblem> problems;
        const ItemBank items =
            ItemBank::readText(QStringLiteral(LEXORA_ITEMS_DIR "/%1.tsv").arg(QLatin1String(bank)), problems);
        for (const QStringList& item : items.items)
            if (item.value(4).startsWith(start))
                return ItemContent{item[4], item[5], item[6], item[7], item[8], item[10]};
    }
    qFatal("No shipped item begins with %s", qPrintable(start));
}

} // namespace

class TestAnswerMarker : public QObject {
    Q_OBJECT

private slots:
    void marksAsATeacher_data();
    void marksAsATeacher();
};

void TestAnswerMarker::marksAsATeacher_data() {
    using V = AnswerMarker::Verdict;
    QTest::addColumn<QString>("item");
    QTest::addColumn<QString>("written");
    QTest::addColumn<V>("verdict");
    QTest::addColumn<QString>("option"); // the letter of the answer written, "-" for none

    const QString baby = QStringLiteral("Please be quiet because the baby");
    const QString cheese = QStringLiteral("Cheese ......");
    QTest::newRow("right") << baby << "is sleeping" << V::Right << "D";
    QTest::newRow("case and spaces") << cheese << "  IS   Made " << V::Right << "B";
    QTest::newRow("full stop after it") << cheese << "is made." << V::Right << "B";
    QTest::newRow("curly apostrophe") << "I ...... like spicy"
                                      << "don\u2019t" << V::Right << "C";
    QTest::newRow("full form of the key") << "I ...... like spicy"
                                          << "do not" << V::Right << "C";
    QTest::newRow("cannot") << "I'm sorry, but I ...... come"
                            << "cannot" << V::Right << "A";
    QTest::newRow("can not") << "I'm sorry, but I ...... come"
                             << "Can not" << V::Right << "A";
    QTest::newRow("full form of a wrong answer") << "I ...... like spicy"
                                                 << "does not" << V::Wrong << "A";
    QTest::newRow("no full form before the subject") << "...... you hungry"
                                                     << "are not" << V::Wrong << "-";
    QTest::newRow("no full form in a tag") << "You had a great time in Rome"
                                           << "did not you" << V::Wrong << "-";
    QTest::newRow("tag with its question mark") << "You had a great time in Rome"
                                                << "Didn't you?" << V::Right << "D";
    QTest::newRow("missing letter") << baby << "is sleping" << V::Nearly << "-";
    QTest::newRow("swapped letters") << baby << "is sleepnig" << V::Nearly << "-";
    QTest::newRow("extra letter") << cheese << "is madde" << V::Nearly << "-";
    QTest::newRow("wrong letter, four letters") << "If I ...... rich"
                                                << "wore" << V::Nearly << "-";
    QTest::newRow("missing apostrophe") << "I ...... like spicy"
                                        << "dont" << V::Nearly << "-";
    QTest::newRow("slip in a short word") << baby << "it sleeping" << V::Wrong << "-";
    QTest::newRow("two slips") << baby << "is slepnig" << V::Wrong << "-";
    QTest::newRow("slip as near a wrong answer") << "The ...... house is the one"
                                                 << "Brown'" << V::Wrong << "-";
    QTest::newRow("slip in a possessive") << "The ...... house is the one"
                                          << "Brwns'" << V::Nearly << "-";
    QTest::newRow("a wrong answer") << baby << "are sleeping" << V::Wrong << "C";
    QTest::newRow("a wrong answer, apostrophe moved") << "The ...... house is the one"
                                                      << "browns" << V::Wrong << "B";
    QTest::newRow("anything else") << baby << "banana" << V::Wrong << "-";
    QTest::newRow("empty") << baby << "" << V::Empty << "-";
    QTest::newRow("only spaces and a dot") << baby << "  . " << V::Empty << "-";
    QTest::newRow("very long") << baby << QStringLiteral("is sleeping") + QString(500, QLatin1Char('z')) << V::Wrong
                               << "-";
    QTest::newRow("long but right within the limit")
        << baby << QStringLiteral("is sleeping") + QString(300, QLatin1Char(' ')) << V::Right << "D";
    QTest::newRow("control characters and line breaks")
        << baby << QStringLiteral("is\a\r\nslee") + QChar(0) + QStringLiteral("ping\x1b\n") << V::Right << "D";
}

void TestAnswerMarker::marksAsATeacher() {
    QFETCH(QString, item);
    QFETCH(QString, written);
    QFETCH(AnswerMarker::Verdict, verdict);
    QFETCH(QString, option);

    const AnswerMarker marker(shippedItem(item));
    const AnswerMarker::Mark mark = marker.mark(written);
    QCOMPARE(mark.verdict, verdict);
    QCOMPARE(mark.option < 0 ? QStringLiteral("-") : QString(QChar('A' + mark.option)), option);
    // What is kept of the text: no control character, nothing beyond the limit.
    QVERIFY(mark.written.size() <= AnswerMarker::kMaxLength);
    for (QChar c : mark.written)
        QVERIFY(c.category() != QChar::Other_Control);
}

QTEST_GUILESS_MAIN(TestAnswerMarker)
#include "test_answermarker.moc"
