// SPDX-FileCopyrightText: 2026 The Lexora English developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "screens/hub/hubscreen.h"
#include "screens/grammar/grammarscreen.h"
#include "screens/grammar/grammartexts.h"
#include "screens/practice/practicestate.h"
#include "screens/progress/progresstexts.h"
#include "screens/progress/reviewclock.h"

#include "app/accessibility.h"
#include "app/accesskeys.h"
#include "app/appcontext.h"
#include "app/clickablelabel.h"
#include "app/optionpanel.h"
#include "app/qttranslations.h"
#include "app/spokentexts.h"
#include "app/window.h"
#include "data/itemview.h"
#include "data/storeerror.h"
#include "screens/hub/reshuffle.h"
#include "screens/info/aboutscreen.h"
#include "screens/start/flagpictures.h"
#include "text/captions.h"
#include "text/messages.h"
#include "text/translated.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QFrame>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>

namespace lexora {

namespace {

struct DatabaseEntry {
    const char* menuText;
    const char* titleOnLoad;  // the hub shows the short form of database 3 when it opens
    const char* titleOnClick; // and the long form when it is chosen from the menu
    const char* file;
};

// Entry and title of database 2 differ in one letter ("ő" in the menu, "õ" in the title).
const DatabaseEntry databases[4] = {
    {"&Alap", "Alap", "Alap", "en_data1.mdb"},
    {"&B\u0151v\u00edt\u00e9s", "B\u00f5v\u00edt\u00e9s", "B\u00f5v\u00edt\u00e9s", "enpool1d.mdb"},
    {"Ta&zmir Olvena", "Tazmir O.", "Tazmir Olvena", "en_data2.mdb"},
    {"&Egy\u00e9b", "Vegyes", "Vegyes", "en_data3.mdb"},
};

struct WorkingLanguage {
    const char* menuText;
    qint16 langcode;
};

const WorkingLanguage workingLanguages[4] = {
    {"&English", 16}, {"&Magyar", 116}, {"&Fran\u00e7ais", 316}, {"E&spa\u00f1ol", 216}};

// Added to the missing-database notice when this start could not copy the shipped database
// into the user's folder.
const Translated copyFailedText = {"Copying it from %1 failed (%2).",
                                   "A m\u00e1sol\u00e1sa innen nem siker\u00fclt: %1 (%2).",
                                   "No se pudo copiar desde %1 (%2).", "La copie depuis %1 a \u00e9chou\u00e9 (%2)."};

const QString reorderedText = QStringLiteral("The order of the sentences has been changed.");

QMenu* namedMenu(QWidget* parent, const QString& name, const QString& text) {
    QMenu* menu = nameMenu(new QMenu(parent), name);
    setCaption(menu, text);
    return menu;
}

} // namespace

HubScreen::HubScreen(AppContext& context)
    : Screen(context, ScreenId::Hub, QStringLiteral("Lexorasp")), m_data1(std::make_unique<LiveView>()) {
    setWindowTitle(QStringLiteral("LEXORA ENGLISH"));
    setWindowIcon(programIcon());
    setFont(uiFont(FontFace::Sans, 9));
    buildMenus();
    buildControls();
    setClientSizeTwips(8400, 4950);
    setDefaultButton(m_ok);
}

HubScreen::~HubScreen() = default;

void HubScreen::buildControls() {
    QWidget* c = canvas();
    m_label1 = new QLabel(QStringLiteral("Selected database:"), c);
    m_label1->setObjectName(QStringLiteral("Label1"));
    placeTwips(m_label1, 300, 210, 4500, 300);

    m_label2 = new QLabel(c);
    m_label2->setObjectName(QStringLiteral("Label2"));
    m_label2->setFont(uiFont(FontFace::Sans, 13));
    setColors(m_label2, QColor(), QColor(0, 0, 128));
    placeTwips(m_label2, 300, 540, 6000, 420);

    // Not part of the hub's design: it appears only when the database file cannot be used.
    m_notice = new QLabel(c);
    m_notice->setObjectName(QStringLiteral("notice"));
    m_notice->setWordWrap(true);
    m_notice->setTextFormat(Qt::PlainText);
    setColors(m_notice, QColor(), QColor(176, 0, 0));
    placeTwips(m_notice, 300, 990, 7800, 720);
    m_notice->hide();

    // The learner's review of today, where the database notice would stand; never both at once.
    m_dueNotice = new QLabel(c);
    m_dueNotice->setObjectName(QStringLiteral("dueNotice"));
    m_dueNotice->setWordWrap(true);
    m_dueNotice->setTextFormat(Qt::PlainText);
    setColors(m_dueNotice, QColor(), QColor(0, 96, 0));
    placeTwips(m_dueNotice, 300, 990, 7800, 720);
    m_dueNotice->hide();

    m_activities = new QLabel(c);
    m_activities->setObjectName(QStringLiteral("activities"));
    setCaption(m_activities, QStringLiteral("Tasks:"));
    placeTwips(m_activities, 300, 1800, 3600, 300);

    m_frame = new QFrame(c);
    m_frame->setObjectName(QStringLiteral("Frame3D1"));
    m_frame->setFrameStyle(QFrame::Panel | QFrame::Raised);
    m_frame->setLineWidth(2);
    placeTwips(m_frame, 300, 2130, 3900, 1650);
    const auto option = [this](const char* name, const char* text, int top) {
        auto* button = new QRadioButton(m_frame);
        button->setObjectName(QLatin1String(name));
        setCaption(button, QLatin1String(text));
        placeTwips(button, 240, top, 3450, 420);
        return button;
    };
    m_practice = option("practice", "&Practice", 150);
    m_test = option("test", "&Test", 630);
    m_database = option("database", "&Database", 1110);
    // A click anywhere on the panel chooses a task, and a task's access key works even where
    // a menu shares it.
    OptionPanel::attach(m_frame, {{m_practice, nullptr}, {m_test, nullptr}, {m_database, nullptr}});
    for (QRadioButton* task : {m_practice, m_test, m_database})
        chooseOnSharedAccessKey(task);

    m_ok = new QPushButton(QStringLiteral("OK"), c);
    m_ok->setObjectName(QStringLiteral("ok"));
    placeTwips(m_ok, 5100, 2220, 2100, 510);
    m_exi = new QPushButton(QStringLiteral("END"), c);
    m_exi->setObjectName(QStringLiteral("Exi"));
    placeTwips(m_exi, 5100, 3120, 2100, 510);

    m_change = new ClickableLabel(c);
    m_change->setObjectName(QStringLiteral("change"));
    m_change->setWordWrap(true);
    QFont invitation = m_change->font();
    invitation.setUnderline(true);
    m_change->setFont(invitation);
    setColors(m_change, QColor(), QColor(0, 0, 160));
    setCaption(m_change, QStringLiteral("If you want to change the order of the sentences, click here and wait."));
    placeTwips(m_change, 300, 4020, 7800, 720);

    connect(m_ok, &QPushButton::clicked, this, &HubScreen::ok_Click);
    connect(m_exi, &QPushButton::clicked, this, &HubScreen::Exi_Click);
    connect(m_change, &ClickableLabel::clicked, this, &HubScreen::change_Click);
}

void HubScreen::buildMenus() {
    QMenuBar* bar = menuBar();
    m_mnudatabases = namedMenu(bar, QStringLiteral("mnudatabases"), QStringLiteral("&Databases"));
    for (int i = 0; i < 4; ++i) {
        QAction* entry =
            addEntry(m_mnudatabases, QStringLiteral("data_%1").arg(i), QString::fromUtf8(databases[i].menuText));
        entry->setCheckable(true);
        // Only the first database is offered; nothing in the program shows or enables the others.
        entry->setVisible(i == 0);
        entry->setEnabled(i == 0);
        connect(entry, &QAction::triggered, this, [this, i] { data_Click(i); });
        m_data[size_t(i)] = entry;
    }
    bar->addMenu(m_mnudatabases);

    // Help stays the last menu, as on every desktop.
    m_mnuprogress = namedMenu(bar, QStringLiteral("mnuprogress"), QStringLiteral("P&rogress"));
    m_mnumyprogress = addEntry(m_mnuprogress, QStringLiteral("mnumyprogress"), QStringLiteral("&My progress..."));
    m_mnureview = addEntry(m_mnuprogress, QStringLiteral("mnureview"), QStringLiteral("&Review due items"));
    connect(m_mnumyprogress, &QAction::triggered, this, &HubScreen::mnumyprogress_Click);
    connect(m_mnureview, &QAction::triggered, this, &HubScreen::mnureview_Click);
    bar->addMenu(m_mnuprogress);

    m_mnuhelp = namedMenu(bar, QStringLiteral("mnuhelp"), QStringLiteral("&Help"));
    m_mnuworklang = namedMenu(m_mnuhelp, QStringLiteral("mnuworklang"), QStringLiteral("&Working language"));
    for (int i = 0; i < 4; ++i) {
        QAction* entry = addEntry(m_mnuworklang, QStringLiteral("worklang_%1").arg(i),
                                  QString::fromUtf8(workingLanguages[i].menuText));
        entry->setCheckable(true);
        entry->setChecked(i == 0);
        connect(entry, &QAction::triggered, this, [this, i] { worklang_Click(i); });
        m_worklang[size_t(i)] = entry;
    }
    m_mnuhelp->addMenu(m_mnuworklang);
    m_mnuhow = addEntry(m_mnuhelp, QStringLiteral("mnuhow"), QStringLiteral("How to ..."));
    m_mnugrammar = addEntry(m_mnuhelp, QStringLiteral("mnugrammar"));
    connect(m_mnugrammar, &QAction::triggered, this, &HubScreen::mnugrammar_Click);
    m_mnuabout = addEntry(m_mnuhelp, QStringLiteral("mnuabout"), QStringLiteral("&About"));
    connect(m_mnuhow, &QAction::triggered, this, &HubScreen::mnuhow_Click);
    connect(m_mnuabout, &QAction::triggered, this, &HubScreen::mnuabout_Click);
    bar->addMenu(m_mnuhelp);
}

void HubScreen::formLoad() {
    center(this);
    keepOnTop(this);
    m_practice->setChecked(true);
    language();
    Globals& g = ctx().globals;
    if (g.dbnum <= 4) {
        const DatabaseEntry& entry = databases[g.dbnum <= 1 ? 0 : g.dbnum - 1];
        m_label2->setText(QString::fromUtf8(entry.titleOnLoad));
        g.dbpath = ctx().apppath() + QLatin1String(entry.file);
    }
    bindData1();
    setBusyPointer(this, false);
    ctx().screens.unload(ScreenId::Lang);
}

void HubScreen::language() {
    setCaption(m_activities, ctx().caption(60));
    setCaption(m_practice, ctx().caption(31));
    setCaption(m_test, ctx().caption(32));
    setCaption(m_database, ctx().caption(33));
    setCaption(m_change, ctx().caption(74));
    setCaption(m_ok, ctx().caption(0));
    setCaption(m_exi, ctx().caption(1));
    setCaption(m_mnuhelp, ctx().caption(25));
    setCaption(m_mnuworklang, ctx().caption(28));
    setCaption(m_mnuhow, ctx().caption(29));
    setCaption(m_mnugrammar, grammartexts::hubEntry.in(*ctx().globals.langcode));
    setCaption(m_mnuabout, ctx().caption(30));
    setCaption(m_mnudatabases, ctx().caption(33));
    // The panel is announced by the label above it, word for word.
    nameAfterLabel(m_frame, m_activities);
    const int lang = workingLanguage();
    setCaption(m_mnuprogress, ProgressTexts::kMenu.in(lang));
    setCaption(m_mnumyprogress, ProgressTexts::kMyProgress.in(lang));
    setCaption(m_mnureview, ProgressTexts::kReviewDue.in(lang));
    if (m_dueNotice)
        showDueToday();
}

void HubScreen::bindData1() {
    m_data1->setDatabaseName(ctx().globals.dbpath);
    m_data1->setRecordSource(QStringLiteral("test1"));
    try {
        m_data1->refresh();
        m_notice->hide();
        showDueToday();
    } catch (const StoreError& e) {
        m_dueNotice->hide();
        showDatabaseProblem(e.kind() == StoreError::Kind::NotFound || e.kind() == StoreError::Kind::NotADatabase
                                ? QString()
                                : Messages::of(e, workingLanguage()));
    }
}

// Names the file the hub needs and the folder it must be in, so the learner can put it right.
void HubScreen::showDatabaseProblem(const QString& reason) {
    const QString path = ctx().globals.dbpath;
    const QFileInfo file(path);
    const int lang = workingLanguage();
    const QStringList fileAndFolder{file.fileName(), QDir::toNativeSeparators(ctx().apppath())};
    QString text;
    if (path.isEmpty())
        text = Messages::text(Messages::Id::NoDatabaseChosen, lang);
    else if (!file.exists()) {
        text = Messages::text(Messages::Id::DatabaseMissing, lang, fileAndFolder);
        for (const ProgramFolder::CopyFailure& failure : ctx().copyFailures)
            if (failure.file == file.fileName())
                text += QLatin1Char('\n') + Messages::fill(copyFailedText.in(lang),
                                                              {QDir::toNativeSeparators(failure.from),
                                                               Messages::systemDetail(failure.reason, lang)});
    } else if (reason.isEmpty())
        text = Messages::text(Messages::Id::NotAnItemDatabase, lang, fileAndFolder);
    else
        text = reason;
    m_notice->setText(text);
    m_notice->show();
}

int HubScreen::workingLanguage() {
    return ctx().globals.langcode.value_or(LangCode::English);
}

void HubScreen::check() {
    for (QAction* entry : m_worklang)
        entry->setChecked(false);
}

void HubScreen::csekk() {
    for (QAction* entry : m_data)
        entry->setChecked(false);
}

void HubScreen::data_Click(int index) {
    handler([this, index] {
        csekk();
        const DatabaseEntry& entry = databases[index];
        Globals& g = ctx().globals;
        g.dbpath = ctx().apppath() + QLatin1String(entry.file);
        g.dbnum = qint16(index + 1);
        // A file that cannot be opened is named on the hub; the choice itself still stands.
        bindData1();
        m_label2->setText(QString::fromUtf8(entry.titleOnClick));
        m_data[size_t(index)]->setChecked(true);
    });
}

void HubScreen::worklang_Click(int index) {
    handler([this, index] {
        check();
        ctx().globals.langcode = workingLanguages[index].langcode;
        useQtTranslations(workingLanguages[index].langcode);
        m_worklang[size_t(index)]->setChecked(true);
        language();
        // A notice about the database is told again in the new language.
        if (!m_notice->isHidden())
            bindData1();
    });
}

void HubScreen::ok_Click() {
    handler([this] {
        if (m_practice->isChecked())
            ctx().screens.show(ScreenId::Practice);
        else if (m_test->isChecked())
            ctx().screens.show(ScreenId::Test);
        else if (m_database->isChecked())
            ctx().screens.show(ScreenId::Database);
        ctx().screens.unload(ScreenId::Hub);
    });
}

void HubScreen::Exi_Click() {
    ctx().platform.endProcess();
}

void HubScreen::closeBoxPressed() {
    // Closing the home window ends the program, as EXIT does.
    Exi_Click();
}

void HubScreen::change_Click() {
    reportingHandler([this] {
        const QString failed =
            Messages::text(Messages::Id::ReshuffleFailed, workingLanguage()) + QStringLiteral("\n\n");
        // The view is read afresh: a Database screen beside the hub may have deleted or added
        // items since it was opened, and the reorder places the items the table holds now.
        bindData1();
        if (!m_data1->isOpen()) {
            ctx().platform.message(this, failed + m_notice->text(), windowTitle(), MessageIcon::Exclamation);
            return;
        }
        const Reshuffle::Result result = Reshuffle(*m_data1, ctx().platform).run();
        if (result.outcome == Reshuffle::Outcome::Reordered)
            setCaption(m_change, reorderedText);
        else if (result.outcome == Reshuffle::Outcome::Failed)
            ctx().platform.message(this, failed + Messages::of(*result.problem, workingLanguage()), windowTitle(),
                                   MessageIcon::Exclamation);
    });
}

void HubScreen::showDueToday() {
    m_dueNotice->hide();
    if (!m_notice->isHidden() || ctx().globals.dbpath.isEmpty())
        return;
    int due = 0;
    try {
        // Items edited since they were answered are not counted: Due for review skips them.
        due = int(unchangedDueItems(ctx().progress.store(), ctx().progress.fingerprints(), ctx().globals.dbpath,
                                    ReviewClock::endOfToday(ctx().platform.now()))
                      .size());
    } catch (const ProgressError&) {
        // A progress file that cannot be read says nothing here; recording tells its fault.
        return;
    } catch (const StoreError&) {
        // The database notice tells of a bank that cannot be read.
        return;
    }
    if (due == 0)
        return;
    const int lang = workingLanguage();
    m_dueNotice->setText(due == 1 ? ProgressTexts::kDueTodayOne.in(lang)
                                  : ProgressTexts::kDueTodayMany.in(lang).arg(ReviewClock::localeOf(lang).toString(due)));
    m_dueNotice->show();
}

void HubScreen::mnumyprogress_Click() {
    handler([this] { ctx().screens.show(ScreenId::Progress); });
}

void HubScreen::mnureview_Click() {
    handler([this] {
        // With nothing due today the learner stays here and is told when the next item is due.
        if (const std::optional<QString> noneDue = nothingDueToday()) {
            ctx().platform.message(this, *noneDue, windowTitle(), MessageIcon::Information);
            return;
        }
        ctx().screens.state<PracticeState>().openInDueMode = true;
        ctx().screens.show(ScreenId::Practice);
        ctx().screens.unload(ScreenId::Hub);
    });
}

// What to tell the learner when no item is due today; nothing when some are, or when the files
// cannot say (the review then opens and tells why).
std::optional<QString> HubScreen::nothingDueToday() {
    ProgressRecorder& progress = ctx().progress;
    const QDateTime now = ctx().platform.now();
    try {
        progress.flush();
        if (!unchangedDueItems(progress.store(), progress.fingerprints(), ctx().globals.dbpath,
                               ReviewClock::endOfToday(now))
                 .empty())
            return std::nullopt;
        return ProgressTexts::noneDue(workingLanguage(),
                                      progress.store().nextDue(QFileInfo(ctx().globals.dbpath).fileName()), now);
    } catch (const ProgressError&) {
    } catch (const StoreError&) {
    }
    return std::nullopt;
}

void HubScreen::mnugrammar_Click() {
    handler([this] { GrammarScreen::openOn(ctx(), ctx().screens.state<GrammarState>().topic); });
}

void HubScreen::mnuhow_Click() {
    handler([this] { ctx().screens.show(ScreenId::Help); });
}

void HubScreen::mnuabout_Click() {
    handler([this] {
        ctx().globals.aboutfrommenu = 1;
        ctx().screens.show(ScreenId::About);
        if (auto* about = ctx().screens.find<AboutScreen>(ScreenId::About))
            about->becomeDialog();
    });
}

} // namespace lexora
