// SPDX-FileCopyrightText: 2026 The Lexora English developers
// SPDX-License-Identifier: GPL-3.0-or-later

// What the program tells beyond its captions follows the working language: the hub's notice
// about its database, a failed reshuffle, a screen that cannot open its database.

#include "text/captions.h"

#include "ui/programfixture.h"

#include <QAction>
#include <QFile>
#include <QLabel>

using namespace lexora;
using namespace lexora::testing;

class TestMessageLanguage : public QObject {
    Q_OBJECT

private slots:
    void theHubNamesAMissingDatabaseInTheWorkingLanguage() {
        ProgramFixture f;
        QFile::remove(f.database().path());
        f.startToHub("Command6"); // Magyar
        auto* notice = f.child<QLabel>(ScreenId::Hub, "notice");
        QVERIFY(shown(notice));
        QVERIFY2(notice->text().startsWith(QString::fromUtf8("Hiányzik a(z) „en_data1.mdb” adatbázis. A program "
                                                             "mappájában kell lennie: ")),
                 qPrintable(notice->text()));

        QTest::mouseClick(f.child<QLabel>(ScreenId::Hub, "change"), Qt::LeftButton);
        QCOMPARE(f.platform().messages.size(), size_t(1));
        QVERIFY(f.platform().messages[0].text.startsWith(
            QString::fromUtf8("A mondatok sorrendjét nem sikerült megváltoztatni; az adatbázis változatlan maradt.")));

        f.child<QAction>(ScreenId::Hub, "worklang_2")->trigger(); // Français
        QVERIFY2(notice->text().startsWith(QString::fromUtf8("La base de données «\u00a0en_data1.mdb\u00a0» est introuvable.")),
                 qPrintable(notice->text()));
    }

    void aScreenThatCannotOpenItsDatabaseSaysSoInFrench() {
        ProgramFixture f;
        f.prepare(LangCode::French);
        QFile::remove(f.database().path());
        f.show(ScreenId::Practice);
        QCOMPARE(f.platform().messageTexts(),
                 QStringList{QString::fromUtf8("Le fichier de base de données %1 n'existe pas.").arg(f.database().path())});
    }

    void aFileThatIsNoDatabaseIsToldInHungarian() {
        ProgramFixture f;
        f.prepare(LangCode::Hungarian);
        {
            QFile junk(f.database().path());
            QVERIFY(junk.open(QIODevice::WriteOnly | QIODevice::Truncate));
            junk.write(QByteArray(4096, 'x'));
        }
        f.show(ScreenId::Database);
        QCOMPARE(f.platform().messages.size(), size_t(1));
        const QString text = f.platform().messages[0].text;
        QVERIFY2(text.startsWith(QString::fromUtf8("A fájl nem a program adatbázisa")), qPrintable(text));
        QVERIFY(text.endsWith(f.database().path()));
    }
};

QTEST_MAIN(TestMessageLanguage)
#include "test_messagelanguage.moc"
