// SPDX-FileCopyrightText: 2026 The Lexora English developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Every window in every working language: centred on the screen, no access key shared by an
// entry or control the program adds, and panels announced by the text of the label beside them.

#include "app/window.h"
#include "text/captions.h"
#include "ui/programfixture.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QDialogButtonBox>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLibraryInfo>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRegularExpression>
#include <QScreen>
#include <QTabBar>
#include <QTest>

using namespace lexora;
using namespace lexora::testing;

namespace {

const int kLangCodes[] = {LangCode::English, LangCode::Hungarian, LangCode::Spanish, LangCode::French};

// The windows a learner or teacher opens; the background window covers the screen and has no controls.
const ScreenId kWindows[] = {ScreenId::Lang,        ScreenId::Hub,      ScreenId::Practice, ScreenId::Test,
                             ScreenId::FailedItems, ScreenId::Database, ScreenId::Help,     ScreenId::About,
                             ScreenId::Grammar,     ScreenId::Progress};
// Windows the program has beside the specified ones: each of their controls is the program's own.
bool isAddedWindow(ScreenId id) {
    return id == ScreenId::Grammar || id == ScreenId::Progress;
}

struct Keyed {
    QString caption;
    QString key;
    bool added; // not a specified caption of a specified screen
};

QString accessKey(const QString& caption) {
    return QKeySequence::mnemonic(caption).toString().toLower();
}

// Where a specified caption fixes a key, it stays; what the program adds must give way.
QStringList clashes(const QList<Keyed>& controls, const QString& where) {
    QStringList found;
    for (qsizetype i = 0; i < controls.size(); ++i)
        for (qsizetype j = i + 1; j < controls.size(); ++j)
            if (!controls[i].key.isEmpty() && controls[i].key == controls[j].key &&
                (controls[i].added || controls[j].added))
                found << QStringLiteral("%1: \"%2\" and \"%3\"").arg(where, controls[i].caption, controls[j].caption);
    return found;
}

class KeyWalk {
public:
    KeyWalk(ScreenId id, int lang) : m_id(id) {
        for (int key = CaptionCatalogue::firstKey; key <= CaptionCatalogue::lastKey; ++key)
            if (const auto text = CaptionCatalogue::entry(key + lang))
                m_specified << *text;
    }

    QStringList faults(QWidget* window) {
        QStringList found;
        QList<Keyed> controls;
        if (auto* bar = window->findChild<QMenuBar*>())
            for (QAction* menu : bar->actions())
                if (menu->isVisible()) {
                    controls << keyed(menu->text(), menu->objectName());
                    if (menu->menu())
                        found << menuFaults(menu->menu());
                }
        for (QWidget* w : window->findChildren<QWidget*>()) {
            if (!w->isVisibleTo(window))
                continue;
            if (auto* button = qobject_cast<QAbstractButton*>(w))
                controls << keyed(button->text(), button->objectName());
            else if (auto* label = qobject_cast<QLabel*>(w); label && label->buddy())
                controls << keyed(label->property("caption").toString());
            else if (auto* group = qobject_cast<QGroupBox*>(w))
                controls << keyed(group->title());
            else if (auto* tabs = qobject_cast<QTabBar*>(w))
                for (int t = 0; t < tabs->count(); ++t)
                    controls << keyed(tabs->tabText(t));
        }
        return found << clashes(controls, window->objectName());
    }

private:
    // The specified screens' control arrays (data_0, beg_3, mnuTopicItem_12) carry their own captions.
    Keyed keyed(const QString& caption, const QString& name = QString()) const {
        static const QRegularExpression controlArray(QStringLiteral("_\\d+$"));
        const bool specified = m_specified.contains(caption) || controlArray.match(name).hasMatch();
        return {caption, accessKey(caption), isAddedWindow(m_id) || !specified};
    }

    QStringList menuFaults(QMenu* menu) {
        QStringList found;
        QList<Keyed> entries;
        for (QAction* entry : menu->actions()) {
            if (!entry->isVisible() || entry->isSeparator())
                continue;
            entries << keyed(entry->text(), entry->objectName());
            if (entry->menu())
                found << menuFaults(entry->menu());
        }
        return found << clashes(entries, menu->objectName());
    }

    ScreenId m_id;
    QStringList m_specified;
};

QString shownText(const QString& caption) {
    QString text = withoutAccessKey(caption).trimmed();
    while (text.endsWith(':') || text.endsWith(QChar(0x00a0)))
        text.chop(1);
    return text;
}

QString nameOf(QWidget* w) {
    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(w);
    return face ? face->text(QAccessible::Name) : QString();
}

} // namespace

class TestWindows : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { ProgramFixture::settle(); }

    void windows_data() {
        QTest::addColumn<int>("lang");
        for (int lang : kLangCodes)
            QTest::addRow("%d", lang) << lang;
    }

    // Each window of the language opened in turn, with its menus walked.
    void windows() {
        QFETCH(int, lang);
        ProgramFixture f;
        f.prepare(lang);
        QStringList offCentre, keys, names;
        for (ScreenId id : kWindows) {
            Screen* window = f.show(id);
            QVERIFY(window);
            // Centred as the window system will show it: the frame, menu bar included.
            const QPointF off =
                QRectF(window->frameGeometry()).center() - QRectF(window->screen()->availableGeometry()).center();
            if (qAbs(off.x()) > 2 || qAbs(off.y()) > 2)
                offCentre << QStringLiteral("%1 off by %2,%3").arg(window->objectName()).arg(off.x()).arg(off.y());
            keys << KeyWalk(id, lang).faults(window);
            // A panel a label names is announced by what the label shows.
            for (QLabel* label : window->findChildren<QLabel*>())
                if (label->buddy() &&
                    shownText(nameOf(label->buddy())) != shownText(label->property("caption").toString()))
                    names << label->buddy()->objectName() + ": " + nameOf(label->buddy());
            // Help is the last menu of the hub, as on every desktop.
            if (id == ScreenId::Hub && window->findChild<QMenuBar*>()->actions().last()->objectName() != "mnuhelp")
                keys << "the hub's last menu: " + window->findChild<QMenuBar*>()->actions().last()->text();
            if (id == ScreenId::Hub && nameOf(f.child<QWidget>(id, "Frame3D1")) !=
                                           shownText(f.child<QLabel>(id, "activities")->property("caption").toString()))
                names << "Frame3D1: " + nameOf(f.child<QWidget>(id, "Frame3D1"));
            f.screens().unload(id);
            ProgramFixture::settle();
        }
        const QStringList faults = offCentre + keys + names;
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join("\n    ")));
    }

    void qtTextsInTheWorkingLanguage_data() {
        QTest::addColumn<QString>("languageButton");
        QTest::addColumn<int>("menuLanguage"); // the hub's Working language entry chosen next, or -1
        QTest::addColumn<QString>("cancel");
        QTest::addColumn<QString>("yes");
        QTest::newRow("hu") << "Command6" << -1 << QString::fromUtf8("Mégse") << "Igen";
        QTest::newRow("es") << "Command5" << -1 << "Cancelar" << QString::fromUtf8("Sí");
        QTest::newRow("fr") << "Command2" << -1 << "Annuler"
                            << "Oui";
        QTest::newRow("fr to hu") << "Command2" << 1 << QString::fromUtf8("Mégse") << "Igen";
        QTest::newRow("hu to en") << "Command6" << 0 << "Cancel"
                                  << "Yes";
    }

    // Standard buttons and Qt's dialogs speak the working language as the program's own texts do.
    void qtTextsInTheWorkingLanguage() {
        QFETCH(QString, languageButton);
        QFETCH(int, menuLanguage);
        QFETCH(QString, cancel);
        QFETCH(QString, yes);
        if (!QFile::exists(QLibraryInfo::path(QLibraryInfo::TranslationsPath) + "/qtbase_hu.qm")) {
            if (qgetenv("CI") == "true")
                QFAIL("Qt's translations are not installed (qt6-translations-l10n)");
            QSKIP("Qt's translations are not installed (qt6-translations-l10n); scripts/bootstrap installs them");
        }
        ProgramFixture f;
        f.startToHub(qPrintable(languageButton));
        if (menuLanguage >= 0)
            f.child<QAction>(ScreenId::Hub, QStringLiteral("worklang_%1").arg(menuLanguage))->trigger();
        QDialogButtonBox box(QDialogButtonBox::Cancel | QDialogButtonBox::Yes);
        QCOMPARE(box.button(QDialogButtonBox::Cancel)->text().remove('&'), cancel);
        QCOMPARE(box.button(QDialogButtonBox::Yes)->text().remove('&'), yes);
    }
};

QTEST_MAIN(TestWindows)
#include "test_windows.moc"
