// SPDX-FileCopyrightText: 2026 The Lexora English developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The Database screen's help for the teacher beside its boxes: the check line that says what the
// item bank tool would refuse in the item on display, Fill in the solution, Find text, and a word
// on a search criterion that cannot be read.
#include "screens/database/databasescreen.h"

#include "app/appcontext.h"
#include "app/window.h"
#include "data/itemrules.h"
#include "data/itemview.h"
#include "data/schema.h"
#include "data/storeerror.h"
#include "screens/database/databasescreenparts.h"
#include "screens/database/databasestate.h"
#include "screens/database/fieldbinder.h"
#include "screens/database/itemcheckline.h"
#include "screens/database/itemchecktexts.h"

#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpression>

namespace lexora {

using namespace databasescreen;

void DatabaseScreen::buildItemCheck() {
    // In the free space between New and the right-hand buttons, below the solution.
    m_itemCheck = makeLabel(QStringLiteral("itemcheck"), 2760, 4320, 4200, 1560);
    setColors(m_itemCheck, kWindowColour, QColor(255, 255, 160));
    m_itemCheck->setFont(uiFont(FontFace::Sans, 9.75));
    m_itemCheck->setWordWrap(true);
    m_itemCheck->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_itemCheck->setTextFormat(Qt::PlainText);
    // The line follows every change of a box, whoever makes it.
    for (QWidget* box : m_boxes) {
        if (auto* line = qobject_cast<QLineEdit*>(box))
            connect(line, &QLineEdit::textChanged, this, &DatabaseScreen::updateItemCheck);
        else if (auto* text = qobject_cast<QPlainTextEdit*>(box))
            connect(text, &QPlainTextEdit::textChanged, this, &DatabaseScreen::updateItemCheck);
    }
}

// The item as the screen shows it: the boxes as typed, the other fields as the view holds them.
QStringList DatabaseScreen::itemOnDisplay() const {
    QStringList item;
    const bool onItem = m_data->hasCurrent() || m_data->editMode() != LiveView::EditMode::None;
    for (const FieldDef& field : itemTable().fields) {
        QString text = m_binder->text(field.name);
        if (!m_binder->binds(field.name) && onItem) {
            try {
                text = m_data->text(field.name);
            } catch (const StoreError&) {
            }
        }
        item << text;
    }
    return item;
}

void DatabaseScreen::updateItemCheck() {
    if (!m_itemCheck)
        return;
    const bool onItem = m_data->isOpen() && (m_data->hasCurrent() || m_data->editMode() != LiveView::EditMode::None);
    const QString text = onItem ? ItemCheckLine::describe(itemOnDisplay(), workingLanguage(ctx())) : QString();
    if (text != m_itemCheck->text())
        m_itemCheck->setText(text);
    // Shown with the boxes, and only while it has something to say.
    m_itemCheck->setVisible(m_command10->isHidden() && !text.isEmpty());
}

// Fill in the solution: the sentence with the answer the right letter names, written into the
// solution box as if typed there.
void DatabaseScreen::mnuFill_Click() {
    handler([this] {
        const bool onItem = m_data->hasCurrent() || m_data->editMode() != LiveView::EditMode::None;
        if (onItem && !m_text3->isHidden() && !m_text3->isReadOnly()) {
            const QString sentence = m_binder->text(QStringLiteral("mondat"));
            const int right = answerIndex(m_binder->text(QStringLiteral("felelet2")));
            if (right >= 0 && sentence.count(kGap) == 1) {
                const QString answer = m_binder->text(QString(QChar('a' + right)));
                m_binder->setText(QStringLiteral("felelet1"), solutionSentence(sentence, answer));
                return;
            }
        }
        ctx().platform.message(this, itemchecktext::cannotFill.in(workingLanguage(ctx())), state().titleword,
                               MessageIcon::Information);
    });
}

void DatabaseScreen::mnuFindText_Click() {
    handler([this] {
        savePendingNewItem();
        DatabaseState& s = state();
        const int lang = workingLanguage(ctx());
        const QString text =
            ctx().platform.input(this, s.titleword, itemchecktext::findTextPrompt.in(lang), s.findtext);
        if (text.trimmed().isEmpty())
            return;
        s.findtext = text;
        // What is typed into the item on display is written before the cursor leaves it.
        saveItem();
        if (!findText(text.trimmed())) {
            ctx().platform.message(this, itemchecktext::textNotFound.in(lang).arg(text.trimmed()), s.titleword,
                                   MessageIcon::Information);
            return;
        }
        m_binder->show();
        data();
    });
}

// Moves to the next item, after the one on display and round from the first, whose sentence or
// one of whose answers holds `text`, letter case aside; false, with the cursor where it was,
// when no item does.
bool DatabaseScreen::findText(const QString& text) {
    const int count = m_data->count();
    if (count == 0)
        return false;
    const int start = m_data->position();
    const auto holds = [this, &text] {
        for (const char* field : {"mondat", "a", "b", "c", "d"})
            if (m_data->text(QString::fromLatin1(field)).contains(text, Qt::CaseInsensitive))
                return true;
        return false;
    };
    for (int step = 1; step <= count; ++step) {
        const int pos = ((start < 0 ? -1 : start) + step) % count;
        if (pos < 0)
            continue;
        m_data->moveTo(pos);
        if (holds())
            return true;
    }
    if (start >= 0)
        m_data->moveTo(start);
    return false;
}

// Tells the teacher how a criterion is written when `error` says that `criterion` cannot be
// read, with an example made of the word typed; true when the error was of that kind. An empty
// criterion (Cancel) ends the search without a word.
bool DatabaseScreen::tellUnreadable(const StoreError& error, const QString& criterion) {
    if (error.kind() != StoreError::Kind::BadCriterion && error.kind() != StoreError::Kind::UnknownField)
        return false;
    if (criterion.trimmed().isEmpty())
        return true;
    QString word = criterion.trimmed();
    word.remove(QLatin1Char('"')).remove(QLatin1Char('\''));
    static const QRegularExpression plainWords(QStringLiteral(R"(^[\p{L}\p{N}' -]{1,40}$)"));
    if (!plainWords.match(word).hasMatch())
        word = QStringLiteral("garden");
    const QString example = QStringLiteral("mondat Like \"*%1*\"").arg(word.trimmed());
    // A pasted page of text is named by its beginning.
    constexpr int kShown = 60;
    const QString shown = criterion.size() > kShown ? criterion.left(kShown) + QChar(0x2026) : criterion;
    ctx().platform.message(this, itemchecktext::unreadableCriterion.in(workingLanguage(ctx())).arg(shown, example),
                           state().titleword, MessageIcon::Exclamation);
    return true;
}

} // namespace lexora
