// SPDX-FileCopyrightText: 2026 The Lexora English developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The catalogue of program messages: every store failure and every message of the program in
// four languages with the same details in each, filled in from a failure's details.

#include "core/tempdatabase.h"
#include "data/itemstore.h"
#include "text/captions.h"
#include "text/messages.h"

#include <QRegularExpression>
#include <QTest>

using namespace lexora;
using namespace lexora::testing;

namespace {

const int kLanguages[] = {LangCode::English, LangCode::Hungarian, LangCode::Spanish, LangCode::French};

// The placeholders (%1 ...) a text uses, in ascending order.
QStringList placeholders(const QString& text) {
    QStringList found;
    auto it = QRegularExpression(QStringLiteral("%[1-9]")).globalMatch(text);
    while (it.hasNext())
        found << it.next().captured();
    found.sort();
    found.removeDuplicates();
    return found;
}

QStringList fiveDetails() {
    return {"<1>", "<2>", "<3>", "<4>", "<5>"};
}

} // namespace

class TestMessages : public QObject {
    Q_OBJECT

private slots:
    // A missing translation, or one that drops or adds a detail, shows up here.
    void everyStoreReasonHasFourTextsWithTheSameDetails() {
        using Reason = StoreError::Reason;
        for (int r = int(Reason::FileMissing); r <= int(Reason::NotANumber); ++r) {
            const StoreError error(StoreError::Kind::Io, Reason(r), {"%1", "%2", "%3", "%4", "%5"});
            // Filling every placeholder with itself gives the pattern back.
            const QString english = Messages::of(error, LangCode::English);
            QVERIFY2(!english.isEmpty() && english != "%1, %2, %3, %4, %5", qPrintable(QString::number(r)));
            QStringList texts;
            for (int lang : kLanguages) {
                const QString text = Messages::of(error, lang);
                QVERIFY2(placeholders(text) == placeholders(english), qPrintable(text));
                QVERIFY2(!texts.contains(text) || text.size() < 12, qPrintable(text)); // each its own language
                texts << text;
            }
        }
    }

    void everyProgramMessageHasFourTexts() {
        using Id = Messages::Id;
        for (Id id : {Id::UnexpectedError, Id::UnexpectedErrorBare, Id::NoDatabaseChosen, Id::DatabaseMissing,
                      Id::NotAnItemDatabase, Id::ReshuffleFailed, Id::PlaceholderMissing, Id::NoFreeRecordNumber}) {
            QSet<QString> texts;
            for (int lang : kLanguages)
                texts.insert(Messages::text(id, lang, fiveDetails()));
            QCOMPARE(texts.size(), 4);
            QVERIFY(!texts.contains(QString()));
        }
        QCOMPARE(Messages::text(Id::ReshuffleFailed, 999), Messages::text(Id::ReshuffleFailed, LangCode::English));
    }

    void detailsAreFilledInOnePass() {
        QCOMPARE(Messages::fill("%2 and %1, %1", {"a%2", "b"}), QString("b and a%2, a%2"));
        QCOMPARE(Messages::fill("100% of %3", {"x"}), QString("100% of %3"));
    }

    void aRealFailureIsToldInTheWorkingLanguage() {
        TempDatabase db;
        const QString missing = db.dir() + "gone.mdb";
        try {
            ItemStore::open(missing);
            QFAIL("a missing file opened");
        } catch (const StoreError& e) {
            QCOMPARE(e.reason(), StoreError::Reason::FileMissing);
            QCOMPARE(e.details(), QStringList{missing});
            QCOMPARE(Messages::english(e), QString("The database file %1 does not exist.").arg(missing));
            QCOMPARE(Messages::of(e, LangCode::Hungarian), QString::fromUtf8("Az adatbázisfájl nem létezik: ") + missing);
            QCOMPARE(Messages::of(e, LangCode::French),
                     QString::fromUtf8("Le fichier de base de données %1 n'existe pas.").arg(missing));
        }
        const auto view = LiveView::open(db.path(), QStringLiteral("test1"));
        view->edit();
        try {
            view->setField(QStringLiteral("szint"), QStringLiteral("x"));
            QFAIL("a letter was taken for a level");
        } catch (const StoreError& e) {
            QCOMPARE(Messages::of(e, LangCode::French),
                     QString::fromUtf8("Le champ szint contient des nombres entiers de -32768 à 32767\u00a0; «\u00a0x\u00a0» n'en est "
                                       "pas un."));
        }
    }

    // Throw sites that still describe their failure themselves keep working: the text is shown as given.
    void aDescribedFailureIsShownAsGiven() {
        const StoreError old(StoreError::Kind::NotADatabase, QStringLiteral("described here"));
        QCOMPARE(old.reason(), StoreError::Reason::Described);
        QVERIFY(old.isFileFault());
        QCOMPARE(Messages::of(old, LangCode::Hungarian), QString("described here"));
        const StoreError foreign(StoreError::Kind::NotADatabase, StoreError::Reason::ForeignObject,
                                 {"/x/en_data1.mdb", "trigger t1"});
        QVERIFY(Messages::of(foreign, LangCode::English).contains("it holds trigger t1"));
        const StoreError slow(StoreError::Kind::Io, StoreError::Reason::TookTooLong, {"/x/en_data1.mdb"});
        QVERIFY(Messages::of(slow, LangCode::Spanish).contains("tardaba demasiado"));
    }
};

QTEST_APPLESS_MAIN(TestMessages)
#include "test_messages.moc"
