// SPDX-FileCopyrightText: 2026 The Lexora English developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "data/topics.h"
#include "text/captions.h"
#include "text/topictitles.h"

#include <QtTest>

#include <set>
#include <stdexcept>

using lexora::CaptionCatalogue;
using lexora::Topic;
using lexora::TopicCatalogue;
namespace LangCode = lexora::LangCode;

class TestTopics : public QObject {
    Q_OBJECT

private slots:
    void countAndRange();
    void taggingNamesTheTopic_data();
    void taggingNamesTheTopic();
    void tags_data();
    void tags();
    void namingRule_data();
    void namingRule();
    void filtersFollowTheTags_data();
    void filtersFollowTheTags();
    void practiceTitles_data();
    void practiceTitles();
    void titlesAndCaptionsExist();
};

void TestTopics::countAndRange() {
    QCOMPARE(TopicCatalogue::count, 23);
    QCOMPARE(TopicCatalogue::topic(22).captionKey, 93);
    QVERIFY_THROWS_EXCEPTION(std::out_of_range, TopicCatalogue::topic(23));
    QVERIFY_THROWS_EXCEPTION(std::out_of_range, TopicCatalogue::topic(-1));
    QVERIFY_THROWS_EXCEPTION(std::out_of_range, lexora::topicPracticeTitle(23, LangCode::English));

    // Each menu entry is a different topic.
    std::set<int> keys;
    for (int n = 0; n < TopicCatalogue::count; ++n)
        keys.insert(TopicCatalogue::topic(n).captionKey);
    QCOMPARE(int(keys.size()), TopicCatalogue::count);
}

void TestTopics::taggingNamesTheTopic_data() {
    QTest::addColumn<int>("n");
    for (int n = 0; n < TopicCatalogue::count; ++n)
        QTest::addRow("topic %d", n) << n;
}

// Tagging an item with a topic and then naming it from its keys must give the same topic back, whatever kulcs2
// held before when the topic leaves kulcs2 alone.
void TestTopics::taggingNamesTheTopic() {
    QFETCH(int, n);
    const Topic& topic = TopicCatalogue::topic(n);
    if (topic.kulcs2) {
        const std::optional<int> name = TopicCatalogue::nameKey(topic.kulcs1, *topic.kulcs2);
        QVERIFY(name.has_value());
        QCOMPARE(*name, topic.captionKey);
        return;
    }
    const QString previous[] = {QStringLiteral("f"),
                                QStringLiteral("0"),
                                QStringLiteral("a"),
                                QStringLiteral("4"),
                                QStringLiteral("Z"),
                                QString(""),
                                QString()};
    for (const QString& kulcs2 : previous) {
        const std::optional<int> name = TopicCatalogue::nameKey(topic.kulcs1, kulcs2);
        QVERIFY2(name.has_value(), qPrintable(kulcs2));
        QCOMPARE(*name, topic.captionKey);
    }
}

void TestTopics::tags_data() {
    QTest::addColumn<int>("n");
    QTest::addColumn<QString>("kulcs1");
    QTest::addColumn<QString>("kulcs2"); // null: kulcs2 is left as it was
    QTest::addColumn<QString>("englishCaption");

    QTest::addRow("verbs") << 0 << QStringLiteral("1") << QStringLiteral("0") << QStringLiteral("&Verbs");
    QTest::addRow("reported speech") << 6 << QStringLiteral("1") << QStringLiteral("g")
                                     << QStringLiteral("Rep&orted speech");
    QTest::addRow("nouns") << 11 << QStringLiteral("2") << QString() << QStringLiteral("&Nouns");
    QTest::addRow("comparative structures")
        << 22 << QStringLiteral("a") << QStringLiteral("4") << QStringLiteral("Compa&rative structures");
}

void TestTopics::tags() {
    QFETCH(int, n);
    QFETCH(QString, kulcs1);
    QFETCH(QString, kulcs2);
    QFETCH(QString, englishCaption);

    const Topic& topic = TopicCatalogue::topic(n);
    QCOMPARE(topic.kulcs1, kulcs1);
    QCOMPARE(topic.kulcs2.has_value(), !kulcs2.isNull());
    if (topic.kulcs2)
        QCOMPARE(*topic.kulcs2, kulcs2);
    QCOMPARE(CaptionCatalogue::caption(topic.captionKey, LangCode::English), englishCaption);
}

void TestTopics::namingRule_data() {
    QTest::addColumn<QString>("kulcs1");
    QTest::addColumn<QString>("kulcs2");
    QTest::addColumn<int>("captionKey"); // -1: no topic

    QTest::addRow("1 k") << QStringLiteral("1") << QStringLiteral("k") << -1;
    QTest::addRow("1 empty") << QStringLiteral("1") << QStringLiteral("") << -1;
    QTest::addRow("1 null") << QStringLiteral("1") << QString() << -1;
    QTest::addRow("1 A") << QStringLiteral("1") << QStringLiteral("A") << -1;
    QTest::addRow("1 two characters") << QStringLiteral("1") << QStringLiteral("ab") << -1;
    QTest::addRow("2 f") << QStringLiteral("2") << QStringLiteral("f") << 50;
    QTest::addRow("2 null") << QStringLiteral("2") << QString() << 50;
    QTest::addRow("a 5") << QStringLiteral("a") << QStringLiteral("5") << -1;
    QTest::addRow("a null") << QStringLiteral("a") << QString() << -1;
    QTest::addRow("A 1") << QStringLiteral("A") << QStringLiteral("1") << -1;
    QTest::addRow("b 1") << QStringLiteral("b") << QStringLiteral("1") << -1;
    QTest::addRow("12 a") << QStringLiteral("12") << QStringLiteral("a") << -1;
    QTest::addRow("empty keys") << QStringLiteral("") << QStringLiteral("") << -1;
    QTest::addRow("null keys") << QString() << QString() << -1;
    QTest::addRow("null kulcs1") << QString() << QStringLiteral("a") << -1;
}

void TestTopics::namingRule() {
    QFETCH(QString, kulcs1);
    QFETCH(QString, kulcs2);
    QFETCH(int, captionKey);

    const std::optional<int> name = TopicCatalogue::nameKey(kulcs1, kulcs2);
    if (captionKey < 0) {
        QVERIFY2(!name.has_value(), qPrintable(QString::number(name.value_or(-1))));
    } else {
        QVERIFY(name.has_value());
        QCOMPARE(*name, captionKey);
    }
}

void TestTopics::filtersFollowTheTags_data() {
    QTest::addColumn<int>("n");
    for (int n = 0; n < TopicCatalogue::count; ++n)
        QTest::addRow("topic %d", n) << n;
}

// Every topic but the verbs selects exactly what tagging writes; the verbs select the whole group but relative
// clauses, with the filter text's own spacing.
void TestTopics::filtersFollowTheTags() {
    QFETCH(int, n);
    const Topic& topic = TopicCatalogue::topic(n);

    QString expected;
    if (n == 0)
        expected = QStringLiteral("kulcs1 = '1' And kulcs2  <> 'f' ");
    else if (topic.kulcs2)
        expected = QStringLiteral("kulcs1 = '%1' And kulcs2 = '%2'").arg(topic.kulcs1, *topic.kulcs2);
    else
        expected = QStringLiteral("kulcs1 = '%1'").arg(topic.kulcs1);
    QCOMPARE(topic.practiceFilter, expected);

    if (n == 1)
        QCOMPARE(topic.practiceFilter, QStringLiteral("kulcs1 = '1' And kulcs2 = 'a'"));
    if (n == 11)
        QCOMPARE(topic.practiceFilter, QStringLiteral("kulcs1 = '2'"));
}

void TestTopics::practiceTitles_data() {
    QTest::addColumn<int>("n");
    QTest::addColumn<int>("langcode");
    QTest::addColumn<QString>("title");

    // The fixed titles are written with "õ" (o with tilde), unlike the captions, which use "ő".
    QTest::addRow("1 en") << 1 << LangCode::English << QString::fromUtf8(u8"Igeidõk használata");
    QTest::addRow("1 fr") << 1 << LangCode::French << QString::fromUtf8(u8"Igeidõk használata");
    QTest::addRow("6 es") << 6 << LangCode::Spanish << QString::fromUtf8(u8"Függõ beszéd (kérdés, válasz)");
    QTest::addRow("7 en") << 7 << LangCode::English << QString::fromUtf8(u8"Szenvedõ szerkezet");
    QTest::addRow("10 en") << 10 << LangCode::English << QString::fromUtf8(u8"Jelzõi mellékmondat");
    QTest::addRow("11 hu") << 11 << LangCode::Hungarian << QString::fromUtf8(u8"Fõnév");
    QTest::addRow("17 fr") << 17 << LangCode::French << QString::fromUtf8(u8"Kötõszó");

    QTest::addRow("0 fr") << 0 << LangCode::French << QStringLiteral("&Verbes");
    QTest::addRow("2 en") << 2 << LangCode::English << QStringLiteral("Au&xiliaries");
}

void TestTopics::practiceTitles() {
    QFETCH(int, n);
    QFETCH(int, langcode);
    QFETCH(QString, title);
    QCOMPARE(lexora::topicPracticeTitle(n, langcode), title);
}

// Every topic's menu caption and captioned title exist in all four languages, and each topic has exactly one kind
// of title; six have a fixed one.
void TestTopics::titlesAndCaptionsExist() {
    const int languages[] = {LangCode::English, LangCode::Hungarian, LangCode::Spanish, LangCode::French};
    int fixedTitles = 0;
    for (int n = 0; n < TopicCatalogue::count; ++n) {
        const Topic& topic = TopicCatalogue::topic(n);
        QVERIFY2((topic.titleCaptionKey < 0) != topic.fixedTitle.isEmpty(), qPrintable(QString::number(n)));
        if (topic.titleCaptionKey < 0)
            ++fixedTitles;
        else
            QCOMPARE(topic.titleCaptionKey, topic.captionKey);
        for (int lang : languages) {
            QVERIFY(!CaptionCatalogue::caption(topic.captionKey, lang).isEmpty());
            QVERIFY(!lexora::topicPracticeTitle(n, lang).isEmpty());
        }
    }
    QCOMPARE(fixedTitles, 6);
}

QTEST_APPLESS_MAIN(TestTopics)
#include "test_topics.moc"
