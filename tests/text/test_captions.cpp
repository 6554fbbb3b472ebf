// SPDX-FileCopyrightText: 2026 The Lexora English developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "text/captions.h"

#include <QtTest>

#include <stdexcept>

using lexora::CaptionCatalogue;
namespace LangCode = lexora::LangCode;

namespace {

const int languages[] = {LangCode::English, LangCode::Hungarian, LangCode::Spanish, LangCode::French};

bool isGap(int key) {
    return (key >= 17 && key <= 24) || (key >= 69 && key <= 73);
}

} // namespace

class TestCaptions : public QObject {
    Q_OBJECT

private slots:
    void exactTexts_data();
    void exactTexts();
    void gapsHaveNoEntry_data();
    void gapsHaveNoEntry();
    void everyOtherKeyInEveryLanguage();
    void identifiersOutsideTheBlocks_data();
    void identifiersOutsideTheBlocks();
    void badKeyOrOffsetThrows_data();
    void badKeyOrOffsetThrows();
};

void TestCaptions::exactTexts_data() {
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("langcode");
    QTest::addColumn<QString>("text");

    QTest::addRow("0 en") << 0 << LangCode::English << QStringLiteral("&OK");
    QTest::addRow("0 hu") << 0 << LangCode::Hungarian << QStringLiteral("&OK");
    QTest::addRow("0 es") << 0 << LangCode::Spanish << QStringLiteral("&ACEPTAR");
    QTest::addRow("0 fr") << 0 << LangCode::French << QStringLiteral("&OK");
    QTest::addRow("1 en") << 1 << LangCode::English << QStringLiteral("&EXIT");
    QTest::addRow("1 hu") << 1 << LangCode::Hungarian << QString::fromUtf8(u8"KILÉ&P");
    for (int lang : languages)
        QTest::addRow("65 %d", lang) << 65 << lang << QStringLiteral("Lexora English");

    // Accented letters, including the Hungarian double acute, which a wrong decoding would mangle.
    QTest::addRow("10 es") << 10 << LangCode::Spanish << QString::fromUtf8(u8"&Último");
    QTest::addRow("26 hu") << 26 << LangCode::Hungarian << QString::fromUtf8(u8"Üzemmó&d");
    QTest::addRow("30 fr") << 30 << LangCode::French << QString::fromUtf8(u8"&À propos de ...");
    QTest::addRow("43 hu") << 43 << LangCode::Hungarian << QString::fromUtf8(u8"Igeid&ők használata");
    QTest::addRow("45 hu") << 45 << LangCode::Hungarian << QString::fromUtf8(u8"Mű&veltető szerkezetek");
    QTest::addRow("48 hu") << 48 << LangCode::Hungarian << QString::fromUtf8(u8"E&löljárószós igék");
    QTest::addRow("93 es") << 93 << LangCode::Spanish << QString::fromUtf8(u8"Comparación");
    QTest::addRow("82 fr") << 82 << LangCode::French
                           << QStringLiteral("Il n'y a pas de phrases sur ce sujet. Choisissez un autre..");
    QTest::addRow("29 fr") << 29 << LangCode::French << QStringLiteral("&Comment ...");

    // Inner double quotes, double blanks and the longest texts must come back whole.
    QTest::addRow("79 en") << 79 << LangCode::English
                           << QStringLiteral(
                                  "This record doesn't exist. Press \"Enter\" or click the \"Next\" button again.");
    QTest::addRow("79 hu") << 79 << LangCode::Hungarian
                           << QString::fromUtf8(u8"Nincs ilyen sorszámú rekord. Nyomja le újra az \"Enter\" "
                                                u8"billentyűt, vagy kattintson a \"Következő\" gombra.");
    QTest::addRow("79 es") << 79 << LangCode::Spanish
                           << QString::fromUtf8(u8"Aquí falta una oración. Vuelva a pulsar \"Enter\" , o hacer "
                                                u8"click sobre el botón  \"Siguiente\" .");
    QTest::addRow("79 fr") << 79 << LangCode::French
                           << QStringLiteral("Cette fiche n'existe pas. Pressez \"Enter\" ou cliquez de nouveau sur "
                                             "le bouton \"Suivant\".");
    QTest::addRow("80 en") << 80 << LangCode::English
                           << QStringLiteral("You have reached the last record. Unless you change the settings "
                                             "(Settings: Level/Topic), change the task (Tasks: Test) or close the "
                                             "task (Close), this exercise is going to restart.");
    QTest::addRow("80 hu") << 80 << LangCode::Hungarian
                           << QString::fromUtf8(u8"Ez volt az utolsó rekord. Ha nem változtatja meg a beállítást "
                                                u8"(Beállítások: Szint/Téma) vagy az üzemmódot (Üzemmód: Teszt), és "
                                                u8"nem zárja le ezt a feladatot (Bezár), a gyakorlat újra kezdődik "
                                                u8"elölről.");
    QTest::addRow("80 es") << 80 << LangCode::Spanish
                           << QString::fromUtf8(u8"Ésta ha sido la última oración. Si no se elige una nueva opción "
                                                u8"(Opciones: Nivel/Tema) ni otra actividad (Actividades: Test), y no "
                                                u8"se cierra esta actividad (Cerrar), el ejercicio va a reiniciarse.");
    QTest::addRow("80 fr") << 80 << LangCode::French
                           << QString::fromUtf8(u8"Vous venez d'atteindre la dernière fiche. À moins que vous ne "
                                                u8"changiez d'option (Options: Niveau/Sujet/Point de départ) ou "
                                                u8"d'activité (Activité: Test), ou vous ne quittiez cette activité "
                                                u8"(Fermer), on va recommencer l'exercice par la première fiche.");
    QTest::addRow("86 en") << 86 << LangCode::English
                           << QStringLiteral("Search: (You can search for the following fields: sorszam, a, b, c, "
                                             "d, felelet1, felelet2; the search string -- unless it is a number -- "
                                             "must be put between quotation marks.)");
    QTest::addRow("86 hu") << 86 << LangCode::Hungarian
                           << QString::fromUtf8(u8"Keres: (A következő mezőkre lehet keresni: sorszam, a, b, c, d, "
                                                u8"felelet1, felelet2. Ha nem számról van szó, a keresett elemet "
                                                u8"idézőjelek közé kell tenni.)");
    QTest::addRow("86 es") << 86 << LangCode::Spanish
                           << QString::fromUtf8(
                                  u8"Buscar: (La función búsqueda puede aplicarse en los siguientes "
                                  u8"campos: sorszam, a, b, c, d, felelet1, felelet2. A menos que se "
                                  u8"busque un número, el elemento buscado debe ponerse entre comillas.)");
    QTest::addRow("86 fr") << 86 << LangCode::French
                           << QString::fromUtf8(u8"Rechercher: (On peut rechercher sur les champs suivants: sorszam, "
                                                u8"a, b, c, d, felelet1, felelet2; le texte cherché -- à moins qu'il "
                                                u8"ne soit le numéro d'ordre de la fiche -- doit être mis entre "
                                                u8"gillemets.)");
}

void TestCaptions::exactTexts() {
    QFETCH(int, key);
    QFETCH(int, langcode);
    QFETCH(QString, text);

    QCOMPARE(CaptionCatalogue::caption(key, langcode), text);
    // The same text must be reachable by its identifier, which is how the screens think of it.
    const std::optional<QString> byId = CaptionCatalogue::entry(key + langcode);
    QVERIFY(byId.has_value());
    QCOMPARE(*byId, text);
}

void TestCaptions::gapsHaveNoEntry_data() {
    QTest::addColumn<int>("key");
    for (int key = 17; key <= 24; ++key)
        QTest::addRow("%d", key) << key;
    for (int key = 69; key <= 73; ++key)
        QTest::addRow("%d", key) << key;
}

void TestCaptions::gapsHaveNoEntry() {
    QFETCH(int, key);
    for (int lang : languages) {
        QVERIFY2(!CaptionCatalogue::entry(key + lang).has_value(), qPrintable(QString::number(key + lang)));
        QVERIFY_THROWS_EXCEPTION(std::out_of_range, CaptionCatalogue::caption(key, lang));
    }
}

void TestCaptions::everyOtherKeyInEveryLanguage() {
    int found = 0;
    for (int key = 0; key <= 93; ++key) {
        if (isGap(key))
            continue;
        for (int lang : languages) {
            const std::optional<QString> text = CaptionCatalogue::entry(key + lang);
            const QByteArray where = QByteArray::number(key) + " + " + QByteArray::number(lang);
            QVERIFY2(text.has_value(), where.constData());
            QVERIFY2(!text->isEmpty(), where.constData());
            // Every text starts and ends with a visible character; a stray blank means a damaged entry.
            QVERIFY2(*text == text->trimmed(), where.constData());
            ++found;
        }
    }
    QCOMPARE(found, 81 * 4);
}

void TestCaptions::identifiersOutsideTheBlocks_data() {
    QTest::addColumn<int>("id");
    QTest::addRow("negative") << -1;
    QTest::addRow("15") << 15;
    QTest::addRow("after English") << 110;
    QTest::addRow("before Hungarian") << 115;
    QTest::addRow("after French") << 410;
    QTest::addRow("where a fifth block would be") << 416;
}

void TestCaptions::identifiersOutsideTheBlocks() {
    QFETCH(int, id);
    QVERIFY(!CaptionCatalogue::entry(id).has_value());
}

void TestCaptions::badKeyOrOffsetThrows_data() {
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("langcode");
    QTest::addRow("key 94") << 94 << LangCode::English;
    // Adding would land on Hungarian key 0; a key beyond 93 must not reach into the next language.
    QTest::addRow("key 100") << 100 << LangCode::English;
    QTest::addRow("key -1") << -1 << LangCode::Hungarian;
    QTest::addRow("offset 0") << 0 << 0;
    QTest::addRow("offset 17") << 0 << 17;
    QTest::addRow("offset 416") << 0 << 416;
}

void TestCaptions::badKeyOrOffsetThrows() {
    QFETCH(int, key);
    QFETCH(int, langcode);
    QVERIFY_THROWS_EXCEPTION(std::out_of_range, CaptionCatalogue::caption(key, langcode));
}

QTEST_APPLESS_MAIN(TestCaptions)
#include "test_captions.moc"
