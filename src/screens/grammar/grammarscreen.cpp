// SPDX-FileCopyrightText: 2026 The Lexora English developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "screens/grammar/grammarscreen.h"

#include "app/appcontext.h"
#include "app/window.h"
#include "data/topics.h"
#include "screens/grammar/grammartexts.h"
#include "text/captions.h"
#include "text/grammarnotes.h"
#include "text/topictitles.h"

#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QScrollBar>
#include <QTextBrowser>

namespace lexora {

namespace {

constexpr int kWidth = 760;
constexpr int kHeight = 520;
constexpr int kGap = 12;
constexpr int kListWidth = 230;

} // namespace

GrammarScreen::GrammarScreen(AppContext& context) : Screen(context, ScreenId::Grammar, QStringLiteral("Grammar")) {
    setFont(uiFont(FontFace::Sans, 9.75));
    m_topicsLabel = new QLabel(canvas());
    m_topicsLabel->setObjectName(QStringLiteral("topicsLabel"));
    m_topics = new QListWidget(canvas());
    m_topics->setObjectName(QStringLiteral("topics"));
    m_topics->setFont(uiFont(FontFace::Sans, 9.75, false));
    m_topicsLabel->setBuddy(m_topics);
    m_note = new QTextBrowser(canvas());
    m_note->setObjectName(QStringLiteral("note"));
    m_note->setOpenLinks(false);
    m_note->setFont(uiFont(FontFace::Serif, 11, false));
    // The note is read with the keyboard too: arrows and Page keys move a caret through it.
    m_note->setTextInteractionFlags(Qt::TextSelectableByKeyboard | Qt::TextSelectableByMouse);
    m_command1 = new QPushButton(canvas());
    m_command1->setObjectName(QStringLiteral("Command1"));
    setDefaultButton(m_command1);

    m_topicsLabel->setGeometry(kGap, kGap, kListWidth, 20);
    m_topics->setGeometry(kGap, kGap + 22, kListWidth, kHeight - 3 * kGap - 22 - 30);
    m_note->setGeometry(2 * kGap + kListWidth, kGap, kWidth - 3 * kGap - kListWidth, kHeight - 3 * kGap - 30);
    m_command1->setGeometry(kWidth - kGap - 110, kHeight - kGap - 30, 110, 30);
    setClientSizeTwips(kWidth * 15, kHeight * 15);
    setTabOrder(m_topics, m_note);
    setTabOrder(m_note, m_command1);

    connect(m_topics, &QListWidget::currentRowChanged, this,
            [this](int row) { handler([this, row] { showTopic(row); }); });
    connect(m_command1, &QPushButton::clicked, this, &GrammarScreen::Command1_Click);
}

void GrammarScreen::formLoad() {
    center(this);
    keepOnTop(this);
    language();
}

void GrammarScreen::language() {
    const int lang = langcode();
    setWindowTitle(CaptionCatalogue::caption(65, lang) + QStringLiteral("  ----  ") + grammartexts::titleWord.in(lang));
    setCaption(m_topicsLabel, grammartexts::topicsLabel.in(lang));
    setCaption(m_command1, CaptionCatalogue::caption(4, lang));
    m_note->setAccessibleName(grammartexts::noteName.in(lang));
    m_topics->setAccessibleName(withoutAccessKey(grammartexts::topicsLabel.in(lang)));
    // Their scroll bars are named after what they scroll, so none is left without a name.
    m_note->verticalScrollBar()->setAccessibleName(m_note->accessibleName());
    m_note->horizontalScrollBar()->setAccessibleName(m_note->accessibleName());
    m_topics->verticalScrollBar()->setAccessibleName(m_topics->accessibleName());
    m_topics->horizontalScrollBar()->setAccessibleName(m_topics->accessibleName());
    const QSignalBlocker quiet(m_topics);
    m_topics->clear();
    for (int t = 0; t < TopicCatalogue::count; ++t)
        m_topics->addItem(topicName(t, lang));
    showTopic(ctx().screens.state<GrammarState>().topic);
}

void GrammarScreen::showTopic(int topic) {
    if (topic < 0 || topic >= TopicCatalogue::count)
        return;
    ctx().screens.state<GrammarState>().topic = topic;
    {
        const QSignalBlocker quiet(m_topics);
        m_topics->setCurrentRow(topic);
    }
    const QString note = GrammarNotes::note(topic, langcode());
    if (note.isEmpty())
        m_note->setPlainText(grammartexts::noNote.in(langcode()));
    else
        m_note->setMarkdown(note);
}

void GrammarScreen::openOn(AppContext& context, int topic) {
    context.screens.state<GrammarState>().topic = topic;
    if (auto* open = context.screens.find<GrammarScreen>(ScreenId::Grammar))
        open->showTopic(topic);
    context.screens.show(ScreenId::Grammar);
}

int GrammarScreen::topicOfItem(const QString& kulcs1, const QString& kulcs2) {
    const std::optional<int> key = TopicCatalogue::nameKey(kulcs1, kulcs2);
    for (int t = 0; key && t < TopicCatalogue::count; ++t) {
        if (TopicCatalogue::topic(t).captionKey == *key)
            return t;
    }
    return -1;
}

void GrammarScreen::Command1_Click() {
    handler([this] { ctx().screens.unload(ScreenId::Grammar); });
}

void GrammarScreen::closeBoxPressed() {
    Command1_Click();
}

int GrammarScreen::langcode() {
    return ctx().globals.langcode.value_or(LangCode::English);
}

} // namespace lexora
