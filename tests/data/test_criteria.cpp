// SPDX-FileCopyrightText: 2026 The Lexora English developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "data/criteria.h"
#include "text/messages.h"
#include "data/storeerror.h"

#include <QTest>

using namespace lexora;

namespace {

// One item row in the column order of the item table.
std::vector<QVariant> row(int sorszam, int szint, const QString& mondat, const QString& kulcs1, const QVariant& kulcs2) {
    std::vector<QVariant> cells(itemTable().fields.size());
    cells[0] = sorszam;
    cells[2] = sorszam * 10;
    cells[3] = szint;
    cells[4] = mondat;
    cells[11] = kulcs1;
    cells[12] = kulcs2;
    return cells;
}

} // namespace

class TestCriteria : public QObject {
    Q_OBJECT

private slots:
    void evaluates_data() {
        QTest::addColumn<QString>("criteria");
        QTest::addColumn<bool>("expected");
        // The row: sorszam 7, sorrend2 70, szint 2, kulcs1 "1", kulcs2 "a", mondat "She has lived here ......"
        QTest::addRow("number equal") << "sorszam = 7" << true;
        QTest::addRow("number not equal") << "sorszam <> 7" << false;
        QTest::addRow("names in any case") << "Szint = 2" << true;
        QTest::addRow("keywords in any case") << "SZINT >= 1 aNd kulcs1 = '1'" << true;
        QTest::addRow("less") << "sorrend2 < 71" << true;
        QTest::addRow("less or equal") << "sorrend2 <= 69" << false;
        QTest::addRow("greater threshold") << "sorrend2 > 70" << false;
        QTest::addRow("greater or equal") << "sorrend2 >= 70" << true;
        QTest::addRow("text single quotes") << "kulcs1 = '1' And kulcs2 = 'a'" << true;
        QTest::addRow("text double quotes") << "kulcs2 = \"a\"" << true;
        QTest::addRow("texts ignore letter case") << "kulcs2 = 'A'" << true;
        QTest::addRow("topic 0 filter spacing") << "kulcs1 = '1' And kulcs2  <> 'f' " << true;
        QTest::addRow("and false") << "kulcs1 = '1' And kulcs2 = 'b'" << false;
        QTest::addRow("or") << "kulcs2 = 'b' Or szint = 2" << true;
        QTest::addRow("not") << "Not kulcs2 = 'b'" << true;
        QTest::addRow("parentheses") << "(kulcs2 = 'b' Or kulcs2 = 'a') And szint = 2" << true;
        QTest::addRow("precedence and over or") << "kulcs2 = 'a' Or szint = 3 And sorszam = 1" << true;
        QTest::addRow("like word") << "mondat Like '*LIVED*'" << true;
        QTest::addRow("like one char") << "mondat Like 'She ha? lived*'" << true;
        QTest::addRow("like whole text only") << "mondat Like 'lived'" << false;
        QTest::addRow("not like") << "mondat Not Like '*lived*'" << false;
        QTest::addRow("like parts in order") << "mondat Like 'she*LIVED*......'" << true;
        QTest::addRow("like parts out of order") << "mondat Like '*here*has*'" << false;
        QTest::addRow("like parts may not overlap") << "mondat Like '*......*......'" << false;
        QTest::addRow("like without wildcards is equality") << "mondat Like 'SHE HAS LIVED HERE ......'" << true;
        QTest::addRow("like digit") << "sorszam Like '#'" << true;
        QTest::addRow("like star alone") << "mondat Like '*'" << true;
        QTest::addRow("doubled quote in text") << "mondat <> 'it''s'" << true;
        QTest::addRow("numeric text literal on number field") << "sorszam = '7'" << true;
        QTest::addRow("decimal number") << "sorszam < 7.5" << true;
        QTest::addRow("negative number") << "sorszam > -1" << true;
        QTest::addRow("is not null") << "kulcs2 Is Not Null" << true;
        QTest::addRow("bracketed name") << "[kulcs1] = '1'" << true;
    }
    void evaluates() {
        QFETCH(QString, criteria);
        QFETCH(bool, expected);
        const auto cells = row(7, 2, "She has lived here ......", "1", "a");
        QCOMPARE(Criterion::parse(criteria, itemTable()).matches(cells.data()), expected);
    }

    void likeIgnoresCaseOfAccentedLetters() {
        const auto cells = row(7, 2, QString::fromUtf8("Árvíztűrő TÜKÖRFÚRÓGÉP ......"), "1", "a");
        const auto like = [&](const char* pattern) {
            return Criterion::parse(QString::fromUtf8("mondat Like \"%1\"").arg(QString::fromUtf8(pattern)), itemTable())
                .matches(cells.data());
        };
        QVERIFY(like("*tükör*"));
        QVERIFY(like("ÁRVÍZ*......"));
        QVERIFY(like("árvíztűrő tükörfúrógép ......"));
        QVERIFY(!like("*tukor*"));
    }

    // A comparison with an empty field is neither true nor false: neither it nor its negation selects.
    void emptyFieldsSelectNothing_data() {
        QTest::addColumn<QString>("criteria");
        QTest::addColumn<bool>("expected");
        QTest::addRow("equal") << "kulcs2 = 'f'" << false;
        QTest::addRow("not equal") << "kulcs2 <> 'f'" << false;
        QTest::addRow("negated") << "Not kulcs2 = 'f'" << false;
        QTest::addRow("or rescues") << "kulcs2 = 'f' Or kulcs1 = '1'" << true;
        QTest::addRow("like") << "kulcs2 Like '*'" << false;
        QTest::addRow("is null") << "kulcs2 Is Null" << true;
    }
    void emptyFieldsSelectNothing() {
        QFETCH(QString, criteria);
        QFETCH(bool, expected);
        for (const QVariant& empty : {QVariant(), QVariant(QString())}) {
            const auto cells = row(1, 1, "x", "1", empty);
            QCOMPARE(Criterion::parse(criteria, itemTable()).matches(cells.data()), expected);
        }
    }

    void rejects_data() {
        QTest::addColumn<QString>("criteria");
        QTest::addColumn<int>("kind");
        const int bad = int(StoreError::Kind::BadCriterion);
        QTest::addRow("empty") << "" << bad;
        QTest::addRow("blank") << "   " << bad;
        QTest::addRow("no operator") << "sorszam 1" << bad;
        QTest::addRow("no value") << "sorszam =" << bad;
        QTest::addRow("unquoted text") << "mondat = cat" << bad;
        QTest::addRow("unclosed quote") << "mondat = \"cat" << bad;
        QTest::addRow("dangling and") << "sorszam = 1 And" << bad;
        QTest::addRow("unclosed parenthesis") << "(sorszam = 1" << bad;
        QTest::addRow("stray parenthesis") << "sorszam = 1)" << bad;
        QTest::addRow("text on number field") << "sorszam = 'one'" << bad;
        QTest::addRow("strange character") << "sorszam ; 1" << bad;
        QTest::addRow("is without null") << "kulcs1 Is 1" << bad;
        QTest::addRow("sql injection stays text") << "sorszam = 1; DROP TABLE test1" << bad;
        QTest::addRow("unknown field") << "nosuchfield = 1" << int(StoreError::Kind::UnknownField);
    }
    void rejects() {
        QFETCH(QString, criteria);
        QFETCH(int, kind);
        try {
            Criterion::parse(criteria, itemTable());
            QFAIL("the criterion was accepted");
        } catch (const StoreError& e) {
            QCOMPARE(int(e.kind()), kind);
            QVERIFY(!Messages::english(e).isEmpty());
        }
    }

    void reportsColumnsItReads() {
        const Criterion c = Criterion::parse("mondat Like '*a*' Or Mondat = 'x' And szint = 1", itemTable());
        QCOMPARE(c.columns(), (std::vector<int>{4, 3}));
    }
};

QTEST_GUILESS_MAIN(TestCriteria)
#include "test_criteria.moc"
