// SPDX-FileCopyrightText: 2026 The Lexora English developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "screens/database/reasoneditor.h"
#include "screens/database/reasontexts.h"
#include "screens/database/databasescreen.h"

#include "app/accessibility.h"
#include "app/appcontext.h"
#include "app/window.h"
#include "data/itemview.h"
#include "data/storeerror.h"
#include "data/topics.h"
#include "screens/database/databasescreenparts.h"
#include "screens/database/databasestate.h"
#include "screens/database/databasetexts.h"
#include "screens/database/fieldbinder.h"
#include "screens/database/itemexchangemenu.h"
#include "data/schema.h"
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

// ---------------------------------------------------------------- saving

// Writes the changed boxes, and a new item that is being added, into the table. A failure is shown to
// the teacher (which field, and why) and ends the operation: the boxes keep what was typed and the
// view stays on the item, so it can be corrected and saved again.
void DatabaseScreen::saveItem() {
    try {
        if (!m_binder->modified() && m_data->editMode() == LiveView::EditMode::None)
            return;
        // The file is opened afresh for the write, so that one mended, unlocked or put back since
        // a fault takes the item.
        m_data->reconnect();
        const ItemContent before =
            m_data->editMode() == LiveView::EditMode::None ? ReasonEditor::before(*m_data) : ItemContent{};
        m_binder->store();
        switch (m_data->editMode()) {
        case LiveView::EditMode::None:
            return;
        case LiveView::EditMode::Edit:
            m_data->update();
            m_binder->markSaved();
            // A teacher's reason goes on with the item they edit; a shipped one fits only the old content.
            ReasonEditor::after(*m_data, before);
            return;
        case LiveView::EditMode::Add:
            saveNewItem();
            // The view is back on the item it stood on before the new one was added.
            m_binder->show();
            return;
        }
    } catch (const StoreError& e) {
        // A fault of the file is told by the handler trap around every handler.
        if (!e.isFileFault())
            tell(e);
        throw;
    }
}

// Saves the row being added. Its random sorrend2 may already belong to another item, which only shows
// when the row is written: then the next free value above it is taken, as far as sorrend2 goes.
void DatabaseScreen::saveNewItem() {
    for (;;) {
        try {
            m_data->update();
            return;
        } catch (const StoreError& e) {
            const std::optional<int> next = freeSorrend2After(e);
            if (!next)
                throw;
            m_data->setField("sorrend2", *next);
        }
    }
}

// The lowest sorrend2 above the new row's own that no item has, when the failed write `failure` is
// a taken sorrend2; nothing when it is another failure or no value is left.
std::optional<int> DatabaseScreen::freeSorrend2After(const StoreError& failure) {
    if (failure.kind() != StoreError::Kind::DuplicateKey)
        return std::nullopt;
    const QVariant own = m_data->field("sorrend2");
    if (own.isNull())
        return std::nullopt;
    auto table = tableView();
    table->setIndex("sorrend2");
    table->seek(own);
    if (table->noMatch())
        return std::nullopt; // the taken value is another field's (sorszam)
    for (int r = own.toInt() + 1; r <= kHighestSorrend2; ++r) {
        table->seek(r);
        if (table->noMatch())
            return r;
    }
    return std::nullopt;
}

// Saves a new item that New left pending; true when one was saved just now.
bool DatabaseScreen::savePendingNewItem() {
    const bool adding = m_data->editMode() == LiveView::EditMode::Add;
    saveItem();
    state().newpending = 0;
    return adding;
}

void DatabaseScreen::tell(const StoreError& error) {
    ctx().platform.message(this, Messages::of(error, workingLanguage(ctx())), state().titleword,
                           MessageIcon::Exclamation);
}

// ---------------------------------------------------------------- changing items

std::unique_ptr<LiveView> DatabaseScreen::tableView() {
    if (!m_data->isOpen())
        throw StoreError(StoreError::Kind::NotFound, StoreError::Reason::DatabaseNotOpen, {ctx().globals.dbpath});
    return LiveView::open(m_data->database(), kItemTable);
}

int DatabaseScreen::highestNumber() {
    auto table = tableView();
    table->setIndex("sorszam");
    if (table->count() == 0)
        return 0; // the first item of an empty table is number 1
    table->moveLast();
    return table->field("sorszam").toInt();
}

// The number New proposes: one above the highest, or, when the highest is already the largest a
// record number can be, the lowest number no item has. Nothing when every number is taken.
std::optional<int> DatabaseScreen::newItemNumber() {
    const int highest = highestNumber();
    if (highest < kIntegerMax)
        return highest + 1;
    // Only the numbers are read, in ascending order; the first gap from 1 upwards is free.
    const auto byNumber = SnapshotView::open(m_data->database(), kItemTable, QStringLiteral("sorszam"));
    int lowestFree = 1;
    for (byNumber->moveFirst(); !byNumber->eof() && lowestFree <= kIntegerMax; byNumber->moveNext()) {
        const QVariant number = byNumber->field(QStringLiteral("sorszam"));
        if (number.isNull() || number.toInt() < lowestFree)
            continue;
        if (number.toInt() > lowestFree)
            break;
        ++lowestFree;
    }
    if (lowestFree > kIntegerMax)
        return std::nullopt;
    return lowestFree;
}

void DatabaseScreen::Command1_Click() {
    handler([this] {
        // Leaving the item on display writes it, and a new item still pending, first.
        saveItem();
        const std::optional<int> number = newItemNumber();
        if (!number) {
            const QString highest = QString::number(kIntegerMax);
            ctx().platform.message(this,
                                   Messages::text(Messages::Id::NoFreeRecordNumber, workingLanguage(ctx()), {highest}),
                                   state().titleword, MessageIcon::Exclamation);
            return;
        }
        if (!m_data->bof())
            m_data->movePrevious();
        try {
            m_data->refresh();
            // A file that cannot take the new item refuses it now, before the teacher types it in.
            m_data->requireWritable();
        } catch (const StoreError&) {
            m_binder->show(); // the boxes show what the view now holds, if anything
            throw;
        }
        state().newpending = 1;
        m_data->addNew();
        m_binder->show();
        m_binder->setText("sorszam", QString::number(*number));
        m_text2->setFocus();
        ctx().platform.reseedRandom();
        const int r = int(ctx().platform.random() * 3000 + 1);
        // A value another item holds shows only when the row is saved, which then takes the next free one.
        m_data->setField("sorrend2", r);
    });
}

void DatabaseScreen::Command4_Click() {
    handler([this] {
        if (m_data->editMode() == LiveView::EditMode::Add) {
            // The item on display has not been stored yet: deleting it means not storing it.
            m_data->cancelUpdate();
            state().newpending = 0;
            if (m_data->count() > 0)
                m_data->moveLast();
            m_binder->show();
            return;
        }
        state().newpending = 0;
        if (!m_data->hasCurrent())
            return;
        // Opened afresh for the write, as saveItem does; a fault of the file is told by the handler trap.
        m_data->reconnect();
        DeleteUndo::Fields deleted = DeleteUndo::fieldsOf(*m_data);
        const qint64 place = m_data->storedPlace();
        m_data->deleteCurrent();
        m_deleted.remember(std::move(deleted), place);
        // The item has gone, and with it whatever was typed into its boxes.
        m_binder->markSaved();
        if (!m_data->bof())
            m_data->movePrevious();
        else if (!m_data->eof())
            m_data->moveNext();
        m_binder->show();
    });
}

void DatabaseScreen::mnuTopicItem_Click(int index) {
    handler([this, index] {
        if (state().newpending == 1 && savePendingNewItem())
            m_data->moveLast(); // the item just added
        const Topic& topic = TopicCatalogue::topic(index);
        if (m_data->editMode() == LiveView::EditMode::None)
            m_data->edit();
        m_data->setField("kulcs1", topic.kulcs1);
        if (topic.kulcs2)
            m_data->setField("kulcs2", *topic.kulcs2);
        saveItem(); // with whatever was typed into the item's boxes
        m_binder->show();
        data();
    });
}

// Brings back the item deleted last; it becomes the item on display.
void DatabaseScreen::mnuUndoDelete_Click() {
    handler([this] {
        const int lang = ctx().globals.langcode.value_or(LangCode::English);
        if (m_deleted.empty()) {
            ctx().platform.message(this, databasetext::nothingToUndo.in(lang), state().titleword,
                                   MessageIcon::Information);
            return;
        }
        // What is typed into the item on display, and a new item still pending, is written first.
        savePendingNewItem();
        m_data->reconnect();
        const QStringList notices = m_deleted.restoreLast(*m_data, lang);
        m_binder->show();
        data();
        if (!notices.isEmpty())
            ctx().platform.message(this, notices.join(QLatin1Char('\n')), state().titleword, MessageIcon::Information);
    });
}

void DatabaseScreen::mnuReason_Click() {
    handler([this] {
        // The item is saved first, so the reason belongs to what the boxes show.
        saveItem();
        state().newpending = 0;
        m_data->reconnect();
        ReasonEditor(ctx(), this).edit(*m_data, state().titleword);
    });
}

void DatabaseScreen::mnuWorksheet_Click() {
    handler([this] {
        // The sheet is read from the file, so what is typed into the item on display is written first.
        savePendingNewItem();
        const bool onItem = m_data->hasCurrent();
        printWorksheet(ctx(), this, state().titleword, onItem ? m_data->text("kulcs1") : QString(),
                       onItem ? m_data->text("kulcs2") : QString());
    });
}

} // namespace lexora
