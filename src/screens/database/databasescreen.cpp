// SPDX-FileCopyrightText: 2026 The Lexora English developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "screens/database/reasoneditor.h"
#include "screens/database/reasontexts.h"
#include "screens/database/databasescreen.h"

#include "app/accessibility.h"
#include "app/appcontext.h"
#include "app/window.h"
#include "data/itemview.h"
#include "data/schema.h"
#include "data/storeerror.h"
#include "data/topics.h"
#include "screens/database/databasescreenparts.h"
#include "screens/database/databasestate.h"
#include "screens/database/databasetexts.h"
#include "screens/database/fieldbinder.h"
#include "screens/database/itemchecktexts.h"
#include "screens/database/itemexchangemenu.h"
#include "screens/database/worksheetmenu.h"
#include "text/captions.h"
#include "text/messages.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>

#include <iterator>

namespace lexora {

using namespace databasescreen;

namespace {

// What the font dialog shows the first time it opens on a window.
FontChoice initialFontDialog() {
    FontChoice choice;
    choice.family = QStringLiteral("MS Sans Serif");
    choice.pointSize = 8.25;
    choice.bold = true;
    return choice;
}

// A right-aligned caption longer than its label ("Megoldás:") grows to the left, where the window
// has room, instead of losing its end.
void fitLeftwards(QLabel* label) {
    const int needed = label->sizeHint().width();
    QRect area = label->geometry();
    if (needed > area.width()) {
        area.setLeft(area.right() + 1 - needed);
        label->setGeometry(area);
    }
}

} // namespace

DatabaseScreen::DatabaseScreen(AppContext& context)
    : Screen(context, ScreenId::Database, QStringLiteral("Form1")), m_data(std::make_unique<LiveView>()),
      m_binder(new FieldBinder(this)), m_fontDialog(initialFontDialog()) {
    m_binder->setView(m_data.get());
    // Only the window's own background: boxes and buttons keep their usual white and grey.
    QPalette palette = canvas()->palette();
    palette.setColor(QPalette::Window, kWindowColour);
    canvas()->setPalette(palette);
    canvas()->setAutoFillBackground(true);
    buildFields();
    buildLabels();
    buildButtons();
    buildMenus();
    buildItemCheck();
    setTabOrder();
    setClientSizeTwips(9645, 6030);
}

DatabaseScreen::~DatabaseScreen() = default;

DatabaseState& DatabaseScreen::state() {
    return ctx().screens.state<DatabaseState>();
}

// ---------------------------------------------------------------- load and close

void DatabaseScreen::formLoad() {
    // The window opens even when the database cannot be read: the teacher is told why, and the
    // screen's ways out (Close, Tasks) still work.
    std::optional<QString> failure;
    try {
        m_data->setDatabaseName(ctx().globals.dbpath);
        m_data->setRecordSource(kItemTable);
        m_data->refresh();
    } catch (const StoreError& e) {
        failure = Messages::of(e, workingLanguage(ctx()));
    }
    center(this);
    keepOnTop(this);
    handler([this] { language(); });
    m_binder->show();
    if (failure)
        ctx().platform.message(this, *failure, state().titleword, MessageIcon::Stop);
}

void DatabaseScreen::formUnload() {
    // Closing writes what is still pending in the boxes. Close and the Tasks entries have saved
    // already (and stayed open if that failed); this catches any other way the window goes.
    try {
        saveItem();
    } catch (const StoreError& e) {
        // saveItem has told a value the item cannot take; a fault of the file is told here, as no
        // handler runs around this.
        if (e.isFileFault())
            tell(e);
    } catch (const std::exception&) {
    }
}

void DatabaseScreen::closeBoxPressed() {
    Command2_Click();
}

// ---------------------------------------------------------------- routines

void DatabaseScreen::language() {
    const auto set = [this](QObject* control, int key) { setCaption(control, ctx().caption(key)); };
    set(m_command10, 2);
    set(m_command6, 7);
    set(m_command3, 8);
    set(m_command7, 9);
    set(m_command8, 10);
    set(m_command1, 12);
    set(m_command5, 13);
    set(m_command11, 14);
    set(m_command4, 15);
    set(m_command2, 4);
    set(m_label6, 61);
    set(m_label11, 62);
    set(m_label5, 63);
    for (QLabel* label : {m_label6, m_label11, m_label5})
        fitLeftwards(label);
    set(m_mnuTasks, 26);
    set(m_mnuDatabase, 33);
    set(m_mnuPractice, 31);
    set(m_mnuTest, 32);
    set(m_mnuOptions, 39);
    set(m_mnuFonts, 40);
    m_exchange->language();
    set(m_mnuTopic, 41);
    const int lang = ctx().globals.langcode.value_or(LangCode::English);
    setCaption(m_mnuWorksheet, databasetext::printWorksheet.in(lang));
    setCaption(m_mnuUndoDelete, databasetext::undoDelete.in(lang));
    setCaption(m_mnuReason, reasontext::menuEntry.in(lang));
    setCaption(m_mnuFill, itemchecktext::fillEntry.in(lang));
    setCaption(m_mnuFindText, itemchecktext::findTextEntry.in(lang));
    for (int n = 0; n < TopicCatalogue::count; ++n)
        set(m_mnuTopicItem[size_t(n)], TopicCatalogue::topic(n).captionKey);

    QString& titleword = state().titleword;
    switch (ctx().globals.langcode.value_or(0)) {
    case LangCode::English:
        titleword = QStringLiteral("Database");
        break;
    case LangCode::Hungarian:
        titleword = QStringLiteral("Adatbázis");
        break;
    case LangCode::Spanish:
        titleword = QStringLiteral("Base de datos");
        break;
    case LangCode::French:
        titleword = QStringLiteral("Base de données");
        break;
    default:
        break;
    }
    setCaption(this, titleword + QStringLiteral("  ----  ") + CaptionCatalogue::caption(65, LangCode::English));
    nameControls(this, ctx().globals.langcode.value_or(LangCode::English));
}

void DatabaseScreen::data() {
    const QString kulcs1 = m_data->text("kulcs1"); // no current item: the label keeps its text
    const QString kulcs2 = m_data->text("kulcs2");
    const std::optional<int> key = TopicCatalogue::nameKey(kulcs1, kulcs2);
    setCaption(m_label10, key ? ctx().caption(*key) : QString());
    updateItemCheck();
}

// ---------------------------------------------------------------- browsing

void DatabaseScreen::Command10_Click() {
    handler([this] {
        // A file that could not be opened with the window is tried again.
        if (!m_data->isOpen()) {
            m_data->refresh();
            m_binder->show();
        }
        for (QLabel* label : m_letterLabels)
            label->show();
        for (QLabel* label : {m_label5, m_label6, m_label7, m_label10, m_label11})
            label->show();
        for (QWidget* box : m_boxes)
            box->show();
        for (QPushButton* button :
             {m_command1, m_command2, m_command3, m_command4, m_command5, m_command6, m_command7, m_command8})
            button->show();
        m_command10->hide();
        m_command11->show();
        data();
    });
}

void DatabaseScreen::move(Move where) {
    handler([this, where] {
        // The item on display is written before the cursor leaves it; if that fails the cursor stays.
        saveItem();
        state().newpending = 0;
        switch (where) {
        case Move::First:
            if (!m_data->bof())
                m_data->moveFirst();
            break;
        case Move::Previous:
            if (!m_data->bof())
                m_data->movePrevious();
            break;
        case Move::Next:
            if (!m_data->eof())
                m_data->moveNext();
            break;
        case Move::Last:
            if (!m_data->eof())
                m_data->moveLast();
            break;
        }
        m_binder->show();
        data();
    });
}

void DatabaseScreen::Command6_Click() {
    move(Move::First);
}

void DatabaseScreen::Command3_Click() {
    move(Move::Previous);
}

void DatabaseScreen::Command7_Click() {
    move(Move::Next);
}

void DatabaseScreen::Command8_Click() {
    move(Move::Last);
}

// ---------------------------------------------------------------- finding

void DatabaseScreen::Command5_Click() {
    handler([this] {
        savePendingNewItem();
        DatabaseState& s = state();
        s.searchcrit = ctx().platform.input(this, s.titleword, ctx().caption(86), QStringLiteral("sorszam = 1"));
        try {
            m_data->findFirst(s.searchcrit);
        } catch (const StoreError& e) {
            // A criterion the search cannot read ends it; the teacher is shown how one is written.
            if (!tellUnreadable(e, s.searchcrit))
                throw;
            return;
        }
        searched(!m_data->noMatch());
        data();
    });
}

void DatabaseScreen::Command11_Click() {
    handler([this] {
        savePendingNewItem();
        try {
            m_data->findNext(state().searchcrit);
        } catch (const StoreError& e) {
            if (!tellUnreadable(e, state().searchcrit))
                throw;
            return;
        }
        searched(!m_data->noMatch());
        if (!m_data->noMatch())
            data();
    });
}

void DatabaseScreen::searched(bool found) {
    m_binder->show();
    if (found)
        return;
    ctx().platform.beep();
    ctx().platform.message(this, ctx().caption(85), state().titleword, MessageIcon::Exclamation);
}

// ---------------------------------------------------------------- fonts

void DatabaseScreen::mnuFonts_Click() {
    handler([this] {
        QWidget* focused = focusWidget();
        if (std::optional<FontChoice> chosen = ctx().platform.chooseFont(this, m_fontDialog))
            m_fontDialog = *chosen;
        // Confirmed or cancelled, the dialog's values go to the focused control.
        if (focused && focused->window() == this)
            focused->setFont(fontFor(m_fontDialog));
    });
}

// ---------------------------------------------------------------- question files

void DatabaseScreen::mnuExportItems_Click() {
    handler([this] {
        savePendingNewItem(); // the file gets what the boxes show
        m_exchange->exportItems(state().titleword);
    });
}

void DatabaseScreen::mnuImportItems_Click() {
    handler([this] {
        savePendingNewItem();
        if (!m_exchange->importItems(state().titleword))
            return;
        m_data->refresh();
        m_binder->show();
        data();
    });
}

// ---------------------------------------------------------------- leaving

// Shows another screen and closes this one. What is pending in the boxes is saved first; when that
// fails the teacher has been told, and the window stays open on the item.
void DatabaseScreen::leaveFor(ScreenId target) {
    handler([this, target] {
        try {
            saveItem();
        } catch (const StoreError& e) {
            // When the file itself refuses the item, the window stays so that the teacher can try
            // again once it is mended; asked to leave again, it goes without the item.
            if (!e.isFileFault() || !m_leaveRefused) {
                m_leaveRefused = e.isFileFault();
                throw;
            }
            m_data->cancelUpdate();
            m_binder->markSaved();
        }
        if (target == ScreenId::Test)
            ctx().screens.hide(ScreenId::FailedItems);
        ctx().screens.show(target);
        ctx().screens.unload(ScreenId::Database);
    });
}

void DatabaseScreen::Command2_Click() {
    leaveFor(ScreenId::Hub);
}

void DatabaseScreen::mnuLexora_Click() {
    leaveFor(ScreenId::Hub);
}

void DatabaseScreen::mnuPractice_Click() {
    leaveFor(ScreenId::Practice);
}

void DatabaseScreen::mnuTest_Click() {
    leaveFor(ScreenId::Test);
}

} // namespace lexora
