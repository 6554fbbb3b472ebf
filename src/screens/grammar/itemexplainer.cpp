// SPDX-FileCopyrightText: 2026 The Lexora English developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "screens/grammar/itemexplainer.h"

#include "app/appcontext.h"
#include "app/explanationlabel.h"
#include "app/screen.h"
#include "app/spokentexts.h"
#include "app/window.h"
#include "data/reasons.h"
#include "screens/grammar/grammarscreen.h"
#include "screens/grammar/grammartexts.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>

namespace lexora {

ItemExplainer::ItemExplainer(Screen* screen, AppContext& context, int left, int top, int width, int height)
    : QObject(screen), m_screen(screen), m_context(context), m_area(new ExplanationLabel(screen->canvas())) {
    placeTwips(m_area, left, top, width, height);
    m_menu = nameMenu(new QMenu(screen), QStringLiteral("mnuhelp"));
    m_note = addEntry(m_menu, QStringLiteral("mnunote"));
    m_note->setShortcut(QKeySequence(Qt::Key_F1));
    m_note->setShortcutContext(Qt::WindowShortcut);
    screen->menuBar()->addMenu(m_menu);
    connect(m_note, &QAction::triggered, this, &ItemExplainer::openNote);
}

void ItemExplainer::language(int langcode) {
    setCaption(m_menu, m_context.caption(25));
    setCaption(m_note, grammartexts::itemEntry.in(langcode));
}

void ItemExplainer::itemShown(const ItemContent& content, const QString& kulcs1, const QString& kulcs2) {
    m_content = content;
    m_hasItem = true;
    m_topic = GrammarScreen::topicOfItem(kulcs1, kulcs2);
    clear();
}

void ItemExplainer::reveal(const ReasonTable& reasons, const QString& wrongAnswer) {
    if (!m_hasItem)
        return;
    const int langcode = m_context.globals.langcode.value_or(16);
    m_shownNote = m_context.explanations.noteFor(reasons, m_content, wrongAnswer, langcode);
    m_shownReason = m_context.explanations.reasonFor(reasons, m_content, langcode).trimmed();
    m_area->showNoteAndReason(m_shownNote, m_shownReason);
}

QString ItemExplainer::answerOf(const QString& letter) const {
    const QString key = letter.trimmed().toUpper();
    const QString answers[] = {m_content.a, m_content.b, m_content.c, m_content.d};
    if (key.size() != 1 || key[0] < QLatin1Char('A') || key[0] > QLatin1Char('D'))
        return QString();
    return answers[key[0].unicode() - 'A'].trimmed();
}

void ItemExplainer::speakReason() {
    if (m_area->isHidden())
        return;
    const int langcode = m_context.globals.langcode.value_or(16);
    // The note answers the learner's own mistake, so it comes first, right after "Wrong".
    QStringList spoken;
    if (!m_shownNote.isEmpty())
        spoken << m_shownNote.simplified();
    if (!m_shownReason.isEmpty())
        spoken << SpokenTexts::explanation(langcode, m_shownReason);
    m_context.platform.speak(m_area, spoken.join(QLatin1Char(' ')));
}

void ItemExplainer::clear() {
    m_shownNote.clear();
    m_shownReason.clear();
    m_area->clear();
}

void ItemExplainer::openNote() {
    const int topic = m_topic >= 0 ? m_topic : m_context.screens.state<GrammarState>().topic;
    GrammarScreen::openOn(m_context, topic);
}

} // namespace lexora
