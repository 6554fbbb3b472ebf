// SPDX-FileCopyrightText: 2026 The Lexora English developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Practice's typed answers (the Settings entry "Write the answer"): the item shows its sentence
// without the four answers, the learner writes the missing words into a text box and Enter (or
// Check) marks them. Right, nearly and wrong show the green or red box, the right answer beside
// the learner's text, and the reason; the answer goes into the progress file as a typed one.
#include "screens/practice/practicescreen.h"

#include "app/appcontext.h"
#include "app/spokentexts.h"
#include "app/window.h"
#include "screens/grammar/itemexplainer.h"
#include "screens/practice/practicestate.h"
#include "screens/practice/typedtexts.h"

#include <QAction>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>

namespace lexora {

namespace {

QLabel* typedLabel(QWidget* canvas, const QString& name, const QFont& font, const QColor& background) {
    auto* label = new QLabel(canvas);
    label->setObjectName(name);
    label->setFont(font);
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    if (background.isValid())
        setColors(label, background);
    label->hide();
    return label;
}

} // namespace

void PracticeScreen::buildTypedControls() {
    QWidget* c = canvas();
    TypedControls& t = m_typed;
    // Where the four answers stand in the other mode: the box, Check and the right answer in a row,
    // the verdict below them.
    t.caption = typedLabel(c, QStringLiteral("answercaption"), uiFont(FontFace::Sans, 9.75), QColor());
    placeTwips(t.caption, 240, 1860, 1500, 480);
    t.answer = new QLineEdit(c);
    t.answer->setObjectName(QStringLiteral("answer"));
    t.answer->setFont(uiFont(FontFace::Serif, 12));
    t.answer->setMaxLength(AnswerMarker::kMaxLength);
    placeTwips(t.answer, 1800, 1860, 3000, 480);
    t.answer->hide();
    t.caption->setBuddy(t.answer);
    t.check = new QPushButton(c);
    t.check->setObjectName(QStringLiteral("check"));
    t.check->setFont(uiFont(FontFace::Sans, 9.75));
    t.check->setAutoDefault(false);
    placeTwips(t.check, 4920, 1860, 1260, 480);
    t.check->hide();
    t.rightAnswer = typedLabel(c, QStringLiteral("rightanswer"), uiFont(FontFace::Serif, 12), QColor(0xFF, 0xFF, 0xC0));
    placeTwips(t.rightAnswer, 6300, 1860, 3060, 480);
    t.rightAnswer->setIndent(twips(60));
    t.verdict = typedLabel(c, QStringLiteral("verdict"), uiFont(FontFace::Sans, 9.75), QColor());
    placeTwips(t.verdict, 1800, 2460, 7560, 480);
    // Tab goes from Solution to the box, Check and then Next, leaving the order of the others as it was.
    QWidget::setTabOrder(m_c.command[1], t.answer);
    QWidget::setTabOrder(t.answer, t.check);

    t.entry = addEntry(m_c.menus.settings, QStringLiteral("mnuwrite"), QString(), true);
    connect(t.entry, &QAction::triggered, this, &PracticeScreen::mnuwrite_Click);
    connect(t.check, &QPushButton::clicked, this, &PracticeScreen::checkTyped);
    // Pasted text loses its line breaks and control characters at once, and keeps the limit.
    connect(t.answer, &QLineEdit::textChanged, this, [this](const QString& text) {
        const QString cleaned = AnswerMarker::clean(text);
        if (cleaned == text)
            return;
        const QSignalBlocker quiet(m_typed.answer);
        const int cursor = m_typed.answer->cursorPosition();
        m_typed.answer->setText(cleaned);
        m_typed.answer->setCursorPosition(std::min<int>(cursor, int(cleaned.size())));
    });
}

void PracticeScreen::typedLanguage(int lang) {
    TypedControls& t = m_typed;
    setCaption(t.entry, TypedTexts::kEntry.in(lang));
    setCaption(t.check, TypedTexts::kCheck.in(lang));
    // A plain label with a buddy keeps its access key; the caption is kept as every caption is.
    t.caption->setText(TypedTexts::kCaption.in(lang));
    t.caption->setProperty("caption", TypedTexts::kCaption.in(lang));
    t.answer->setAccessibleName(TypedTexts::kBoxName.in(lang));
    t.answer->setAccessibleDescription(TypedTexts::kBoxHelp.in(lang));
    t.answer->setToolTip(TypedTexts::kBoxHelp.in(lang));
    t.entry->setChecked(state().typedMode);
}

bool PracticeScreen::typedShown() const {
    return m_typed.answer->isVisibleTo(this);
}

void PracticeScreen::mnuwrite_Click() {
    handler([this] {
        state().typedMode = m_typed.entry->isChecked();
        applyAnswerMode();
        // The item on display is told again as the mode now asks for it.
        if (m_c.command[3]->isHidden())
            speakItem();
    });
}

// Shows the controls of the mode in force once Start has shown an item; before Start neither set shows.
void PracticeScreen::applyAnswerMode() {
    const bool started = m_c.command[3]->isHidden();
    const bool typed = state().typedMode;
    nameChoices();
    setShown({m_c.frame3D1, label(1), label(2), label(3), label(4), label(12), label(14), label(15), label(16)},
             started && !typed);
    setShown({m_typed.caption, m_typed.answer, m_typed.check}, started && typed);
    if (!(started && typed))
        setShown({m_typed.rightAnswer, m_typed.verdict}, false);
    if (started && typed)
        m_typed.answer->setFocus(Qt::OtherFocusReason);
}

// A new item: the box is empty and waits for the learner's words.
void PracticeScreen::resetTypedAnswer() {
    m_typed.answer->clear();
    setShown({m_typed.rightAnswer, m_typed.verdict}, false);
    if (typedShown())
        m_typed.answer->setFocus(Qt::OtherFocusReason);
}

void PracticeScreen::checkTyped() {
    handler([this] {
        if (!typedShown())
            return;
        const AnswerMarker::Mark mark = AnswerMarker(m_shownItem).mark(m_typed.answer->text());
        // An empty box is no answer: nothing is marked or remembered.
        if (mark.verdict == AnswerMarker::Verdict::Empty)
            return;
        showTypedMark(mark);
        const QString letter = mark.option >= 0 ? QString(QChar('A' + mark.option)) : QString();
        recordFirstAnswer(letter, mark.verdict == AnswerMarker::Verdict::Right, mark.written.trimmed());
    });
}

void PracticeScreen::showTypedMark(const AnswerMarker::Mark& mark) {
    const int lang = langcode();
    const AnswerMarker marker(m_shownItem);
    const bool right = mark.verdict == AnswerMarker::Verdict::Right;
    const QString verdict = right                                           ? SpokenTexts::right(lang)
                            : mark.verdict == AnswerMarker::Verdict::Nearly ? TypedTexts::kNearly.in(lang)
                                                                            : SpokenTexts::wrong(lang);
    const QString rightAnswer = TypedTexts::kRightAnswer.in(lang).arg(marker.keyText());
    // A wrong answer of the item's own is explained by its note, then the reason, as a wrong choice is.
    const QString wrongAnswer = !right && mark.option >= 0 ? marker.answerText(mark.option) : QString();
    m_typed.answer->setText(mark.written);
    m_typed.rightAnswer->setText(marker.keyText());
    m_typed.rightAnswer->setAccessibleName(rightAnswer);
    m_typed.verdict->setText(verdict);
    setShown({m_typed.rightAnswer, m_typed.verdict}, true);
    label(19)->setVisible(right);
    label(20)->setVisible(!right);
    explain(wrongAnswer);
    if (!m_c.command[2]->isHidden())
        giveFocus(m_c.command[2]);
    else if (!m_c.command[10]->isHidden())
        giveFocus(m_c.command[10]);
    // The verdict first, then the right answer, then the note and the reason, after the focus has moved.
    ctx().platform.speak(this, verdict + QStringLiteral(". ") + rightAnswer + QLatin1Char('.'));
    m_explainer->speakReason();
}

bool PracticeScreen::typedKeyPress(QKeyEvent* event) {
    // Enter in the box marks the answer, whichever button is the default one.
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) && m_typed.answer->hasFocus()) {
        checkTyped();
        return true;
    }
    return false;
}

} // namespace lexora
