// SPDX-FileCopyrightText: 2026 The Lexora English developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "screens/practice/practicescreen.h"

#include "app/accessibility.h"
#include "app/appcontext.h"
#include "app/clickablelabel.h"
#include "app/spokentexts.h"
#include "app/window.h"
#include "data/itemstore.h"
#include "data/topics.h"
#include "screens/grammar/itemexplainer.h"
#include "screens/practice/practicecaptions.h"
#include "screens/practice/practicestate.h"
#include "screens/practice/typedtexts.h"
#include "screens/progress/progresstexts.h"
#include "text/captions.h"
#include "text/messages.h"
#include "text/topictitles.h"

#include <QAction>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>

#include <cmath>
#include <utility>
#include <limits>

namespace lexora {

namespace {

const char* const kLevelFilters[] = {"Szint = 1", "Szint = 2", "Szint = 3"};
const char* const kStartCriteria[] = {"sorrend2 > 0",    "sorrend2 > 250",  "sorrend2 > 500",  "sorrend2 > 750",
                                      "sorrend2 > 1000", "sorrend2 > 1250", "sorrend2 > 1500", "sorrend2 > 1750",
                                      "sorrend2 > 2000", "sorrend2 > 2250", "sorrend2 > 2500"};
// A database left at its design-time place; the Level caption opens it when it is there.
const char* const kDesignDatabase = "c:\\orrery\\en_data1.mdb";

constexpr int kLastRecordMessage = 77;
constexpr int kFirstRecordMessage = 78;
constexpr int kRestartMessage = 80;
constexpr int kNoMatchMessage = 82;
constexpr int kExplanationHeight = 1380; // twips: a note of two lines above a reason of four

void setNumber(QLabel* label, int value) {
    label->setText(QString::number(value));
}

// The item numbers are 16-bit: a larger number cannot serve as the top of the draw.
qint16 sixteenBit(const QVariant& value) {
    const qlonglong number = value.toLongLong();
    if (number < std::numeric_limits<qint16>::min() || number > std::numeric_limits<qint16>::max())
        throw StoreError(StoreError::Kind::BadValue, StoreError::Reason::NumberTooLarge, {QString::number(number)});
    return qint16(number);
}

} // namespace

PracticeScreen::PracticeScreen(AppContext& context)
    : Screen(context, ScreenId::Practice, QStringLiteral("Spgyak")), m_c(PracticeControls::build(this, canvas())) {
    // The explanation area takes a strip of its own below the buttons, so it covers nothing.
    setClientSizeTwips(9600, 7020 + kExplanationHeight + 120);
    m_explainer = new ItemExplainer(this, context, 240, 6900, 9120, kExplanationHeight);
    connectControls();
    buildTypedControls();
}

void PracticeScreen::connectControls() {
    const auto click = [this](QPushButton* button, void (PracticeScreen::*slot)()) {
        connect(button, &QPushButton::clicked, this, slot);
    };
    click(m_c.command[3], &PracticeScreen::Command3_Click);
    click(m_c.command[1], &PracticeScreen::Command1_Click);
    click(m_c.command[6], &PracticeScreen::Command6_Click);
    click(m_c.command[2], &PracticeScreen::Command2_Click);
    click(m_c.command[10], &PracticeScreen::Command10_Click);
    click(m_c.command[5], &PracticeScreen::Command5_Click);
    click(m_c.command[7], &PracticeScreen::Command7_Click);
    click(m_c.command[8], &PracticeScreen::Command8_Click);
    click(m_c.command[9], &PracticeScreen::Command9_Click);
    for (int i = 2; i <= 5; ++i)
        connect(m_c.option[size_t(i)], &QRadioButton::clicked, this, [this, i] { Option3D_Click(i); });
    connect(m_c.levelCaption, &ClickableLabel::clicked, this, &PracticeScreen::Label28_Click);

    const PracticeMenus& m = m_c.menus;
    connect(m.lexora, &QAction::triggered, this, &PracticeScreen::mnuLexora_Click);
    connect(m.test, &QAction::triggered, this, &PracticeScreen::mnuTest_Click);
    connect(m.due, &QAction::triggered, this, &PracticeScreen::mnudue_Click);
    for (int i = 0; i < int(m.nivel.size()); ++i)
        connect(m.nivel[size_t(i)], &QAction::triggered, this, [this, i] { mnuNivelItem_Click(i); });
    for (int i = 0; i < int(m.topicItem.size()); ++i)
        connect(m.topicItem[size_t(i)], &QAction::triggered, this, [this, i] { mnuTopicItem_Click(i); });
    for (int i = 0; i < int(m.beg.size()); ++i) {
        connect(m.beg[size_t(i)], &QAction::triggered, this, [this, i](bool checked) {
            // Choosing a starting point moves no check mark: undo the toggle the menu made.
            m_c.menus.beg[size_t(i)]->setChecked(!checked);
            beg_Click(i);
        });
    }
}

// ---------------------------------------------------------------- opening and captions

void PracticeScreen::formLoad() {
    center(this);
    keepOnTop(this);
    PracticeState& s = state();
    s.seqmode = 0;
    language();
    s.dbhandle.reset();
    s.allItems.reset();
    s.selection.reset();
    try {
        s.dbhandle = ItemStore::open(ctx().globals.dbpath);
        s.selection = itemsNow(QStringLiteral("szint >= 1"));
        // An empty item table leaves the selection empty: the screen opens all the same.
        if (s.selection->count() > 0)
            s.selection->moveFirst();
    } catch (const StoreError& e) {
        // Without its database the screen could show nothing; the learner is told why.
        ctx().platform.message(this, Messages::of(e, langcode()), s.titleword, MessageIcon::Stop);
    }
    s.dueMode = false;
    if (s.openInDueMode) {
        s.openInDueMode = false;
        handler([this] { enterDueMode(); });
    }
    if (s.openOnTopic >= 0) {
        const int topic = std::exchange(s.openOnTopic, -1);
        mnuTopicItem_Click(topic);
    }
}

void PracticeScreen::language() {
    const int lang = langcode();
    PracticeCaptions::apply(m_c, lang);
    state().titleword = PracticeCaptions::titleWord(lang);
    setCaption(this, PracticeCaptions::windowTitle(lang));
    m_explainer->language(lang);
    nameControls(this, lang);
    setCaption(m_c.menus.due, ProgressTexts::kDueEntry.in(lang));
    m_c.frame3D1->setAccessibleName(SpokenTexts::answersGroup(lang));
    m_c.frame3D1->setAccessibleDescription(SpokenTexts::answersHelp(lang));
    m_c.frame3D1->setToolTip(SpokenTexts::answersHelp(lang));
    nameChoices();
    typedLanguage(lang);
}

std::array<QLabel*, 4> PracticeScreen::answerLabels() const {
    return {label(14), label(12), label(15), label(16)};
}

void PracticeScreen::nameChoices() {
    // While answers are written the hidden options are named by their letters alone: their names
    // would otherwise hold the right answer for a screen reader to find.
    if (state().typedMode) {
        for (int i = 2; i <= 5; ++i)
            m_c.option[size_t(i)]->setAccessibleName(QString(QChar('A' + i - 2)));
        return;
    }
    SpokenTexts::nameChoices({m_c.option[2], m_c.option[3], m_c.option[4], m_c.option[5]}, answerLabels());
}

void PracticeScreen::speakItem() {
    // An answer to be written is asked for without the four answers.
    if (typedShown()) {
        ctx().platform.speak(this, SpokenTexts::itemSentence(langcode(), label(22)->text(), label(13)->text()) +
                                       QLatin1Char(' ') + TypedTexts::kPrompt.in(langcode()));
        return;
    }
    std::array<QString, 4> answers;
    for (size_t i = 0; i < 4; ++i)
        answers[i] = answerLabels()[i]->text();
    ctx().platform.speak(this, SpokenTexts::item(langcode(), label(22)->text(), label(13)->text(), answers));
}

// ---------------------------------------------------------------- presenting and checking

void PracticeScreen::Command3_Click() {
    handler([this] {
        Globals& g = ctx().globals;
        g.itemsdone = 1;
        setNumber(label(22), g.itemsdone);
        setShown({m_c.command[1], m_c.frame3D1}, true);
        m_c.command[3]->hide();
        setShown({m_c.command[5], m_c.command[7], m_c.command[8], m_c.command[9]}, true);
        if (state().seqmode == 1) {
            m_c.command[2]->show();
            m_c.command[10]->hide();
        } else {
            m_c.command[10]->show();
            m_c.command[2]->hide();
            m_c.menus.start->menuAction()->setEnabled(false);
        }
        setShown({label(12), label(13), label(14), label(15), label(16), label(1), label(2), label(3), label(4),
                  label(11), label(22), label(23)},
                 true);
        applyAnswerMode();
        if (!m_c.command[10]->isHidden()) {
            g.itemsdone = 0;
            // As the random Next does on its own (the next due item in Due for review): a failed
            // draw ends only the draw.
            handler([this] {
                if (state().dueMode && state().seqmode == 0)
                    nextDueItem();
                else
                    drawRandomItem();
            });
            setShown({m_c.command[5], m_c.command[7], m_c.command[8], m_c.command[9], label(23)}, false);
        } else {
            display(selection());
        }
        // In random mode Next (Command2) is hidden: no default button then, and the focus
        // goes to the answers rather than staying on Close, where Enter would leave.
        if (giveFocus(m_c.command[2]))
            setDefaultButton(m_c.command[2]);
        else
            m_c.option[2]->setFocus(Qt::OtherFocusReason);
        // Written answers start in the box; Enter there marks the answer.
        if (typedShown())
            m_typed.answer->setFocus(Qt::OtherFocusReason);
        speakItem();
    });
}

void PracticeScreen::display(const ItemView& view, bool withLevel) {
    // Every field is read before any label changes, so a row that cannot be read leaves
    // the item on display whole. An empty field shows as an empty text.
    const QString mondat = view.text(QStringLiteral("mondat"));
    const QString answers[] = {view.text(QStringLiteral("a")), view.text(QStringLiteral("b")),
                               view.text(QStringLiteral("c")), view.text(QStringLiteral("d"))};
    const QString felelet1 = view.text(QStringLiteral("felelet1"));
    const QString felelet2 = view.text(QStringLiteral("felelet2"));
    const QString szint = view.text(QStringLiteral("szint"));
    const QString kulcs1 = view.text(QStringLiteral("kulcs1"));
    const QString kulcs2 = view.text(QStringLiteral("kulcs2"));

    label(13)->setText(' ' + mondat);
    label(14)->setText(' ' + answers[0]);
    label(12)->setText(' ' + answers[1]);
    label(15)->setText(' ' + answers[2]);
    label(16)->setText(' ' + answers[3]);
    label(10)->setText(felelet2);
    label(18)->setText(felelet2);
    label(17)->setText(felelet1);
    if (withLevel)
        label(27)->setText(szint);
    nameChoices();
    m_first.shown(ItemRef::of(view, ctx().globals.dbpath), ctx().platform.now());
    m_shownItem = ItemContent{mondat, answers[0], answers[1], answers[2], answers[3], felelet2};
    m_explainer->itemShown(m_shownItem, kulcs1, kulcs2);
    resetTypedAnswer();
}

void PracticeScreen::Option3D_Click(int index) {
    handler([this, index] {
        label(9)->setText(QString(QChar('A' + index - 2)));
        oke();
        recordFirstAnswer(label(9)->text(), !label(19)->isHidden());
    });
}

void PracticeScreen::oke() {
    // Exactly the item's letter, case included: an item whose letter is "b" is never answered right.
    const bool right = label(9)->text() == label(10)->text();
    label(19)->setVisible(right);
    label(20)->setVisible(!right);
    explain(right ? QString() : m_explainer->answerOf(label(9)->text()));
    if (!m_c.command[2]->isHidden())
        giveFocus(m_c.command[2]);
    else if (!m_c.command[10]->isHidden())
        giveFocus(m_c.command[10]);
    // Said after the focus has moved, so the verdict is not cut short by the button's name;
    // the reason follows the verdict.
    ctx().platform.announce(right ? label(19) : label(20));
    m_explainer->speakReason();
}

void PracticeScreen::explain(const QString& wrongAnswer) {
    // Shown after the box, so screen readers hear the verdict first; without an open
    // database there is no reason to look up.
    if (state().dbhandle)
        m_explainer->reveal(state().dbhandle->reasons(), wrongAnswer);
}

void PracticeScreen::clearChoice() {
    // The hidden fifth option stands for no answer; choosing it in code runs no click handler.
    m_c.option[1]->setChecked(true);
}

void PracticeScreen::Command1_Click() {
    handler([this] {
        setShown({label(17), label(18)}, true);
        explain();
        giveFocus(state().seqmode == 1 ? m_c.command[2] : m_c.command[10]);
        // The solution asked for before any choice counts as a wrong first answer.
        recordFirstAnswer(QString(), false);
        ctx().platform.speak(this, SpokenTexts::solution(langcode(), label(18)->text(), label(17)->text()));
        m_explainer->speakReason();
    });
}

bool PracticeScreen::formKeyPress(QKeyEvent* event) {
    if (typedKeyPress(event))
        return true;
    if (SpokenTexts::isReadAgain(event) && (m_c.frame3D1->isVisible() || typedShown())) {
        speakItem();
        return true;
    }
    if (event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))
        return false;
    const QString text = event->text();
    if (text.size() != 1 || text[0] < QChar('a') || text[0] > QChar('d'))
        return false;
    // A key does what a click on its option does; while the answer panel is hidden
    // (before Start) there is nothing to click and no item to answer.
    QRadioButton* option = m_c.option[size_t(text[0].unicode() - 'a' + 2)];
    if (!option->isVisibleTo(this))
        return false;
    option->click();
    return true;
}

// ---------------------------------------------------------------- leaving

void PracticeScreen::Command6_Click() {
    handler([this] {
        ctx().screens.show(ScreenId::Hub);
        ctx().screens.unload(ScreenId::Practice);
    });
}

void PracticeScreen::mnuLexora_Click() {
    Command6_Click();
}

void PracticeScreen::closeBoxPressed() {
    // The close box leaves as Close does; otherwise the learner would be left without the hub.
    Command6_Click();
}

void PracticeScreen::mnuTest_Click() {
    handler([this] {
        ctx().screens.hide(ScreenId::FailedItems);
        ctx().screens.show(ScreenId::Test);
        ctx().screens.unload(ScreenId::Practice);
    });
}

// ---------------------------------------------------------------- moving between items

void PracticeScreen::Command2_Click() {
    handler([this] {
        Globals& g = ctx().globals;
        PracticeState& s = state();
        clearChoice();
        ++g.itemsdone;
        setNumber(label(22), g.itemsdone);
        setShown({label(17), label(18), label(19), label(20)}, false);
        SnapshotView& sel = selection();
        bool atEnd = sel.eof();
        if (!atEnd) {
            sel.moveNext();
            atEnd = sel.eof();
        }
        if (atEnd) {
            message(kRestartMessage, MessageIcon::Stop);
            // The press that hit the end is not counted; the exercise starts again.
            --g.itemsdone;
            setNumber(label(22), g.itemsdone);
            szam();
        } else {
            ++s.selpos;
        }
        display(sel);
        setNumber(label(30), s.selpos);
        speakItem();
    });
}

void PracticeScreen::Command10_Click() {
    handler([this] {
        PracticeState& s = state();
        if (s.dueMode && s.seqmode == 0) {
            if (nextDueItem())
                speakItem();
            return;
        }
        if (drawRandomItem())
            speakItem();
    });
}

bool PracticeScreen::drawRandomItem() {
    Globals& g = ctx().globals;
    PracticeState& s = state();
    s.dbhandle = ItemStore::open(g.dbpath);
    g.rstable = s.dbhandle->tableView(QStringLiteral("test1"));
    LiveView& table = *g.rstable;
    table.setIndex(QStringLiteral("sorszam"));
    table.moveLast();
    if (s.maxno == 0)
        s.maxno = sixteenBit(table.field(QStringLiteral("sorszam")));
    // Numbers that belong to no item are drawn again; when no item has a number the
    // draw can yield, drawing would never end.
    if (!hasItemNumberUpTo(table, s.maxno))
        return false;
    do {
        ctx().platform.reseedRandom();
        const double r = ctx().platform.random();
        g.seekkey = int(std::floor(s.maxno * r + 1));
        table.seek(g.seekkey);
    } while (table.noMatch());

    clearChoice();
    ++g.itemsdone;
    setNumber(label(22), g.itemsdone);
    ++s.selpos;
    setNumber(label(30), s.selpos);
    display(table);
    setShown({label(17), label(18), label(19), label(20), label(21)}, false);
    return true;
}

void PracticeScreen::Command5_Click() {
    handler([this] {
        SnapshotView& sel = selection();
        if (!sel.bof()) {
            sel.moveFirst();
            so(sel);
        }
        state().selpos = 1;
        afterRecordMove(sel);
    });
}

void PracticeScreen::Command7_Click() {
    handler([this] {
        SnapshotView& sel = selection();
        if (!sel.bof()) {
            sel.movePrevious();
            so(sel);
        }
        if (!sel.bof())
            --state().selpos;
        afterRecordMove(sel);
    });
}

void PracticeScreen::Command8_Click() {
    handler([this] {
        SnapshotView& sel = selection();
        if (!sel.eof()) {
            sel.moveNext();
            so(sel);
        }
        if (!sel.eof())
            ++state().selpos;
        afterRecordMove(sel);
    });
}

void PracticeScreen::Command9_Click() {
    handler([this] {
        SnapshotView& sel = selection();
        if (!sel.eof()) {
            sel.moveLast();
            so(sel);
        }
        state().selpos = state().selcount;
        afterRecordMove(sel);
    });
}

void PracticeScreen::afterRecordMove(SnapshotView& sel) {
    setNumber(label(30), state().selpos);
    clearChoice();
    speakItem();
    // A move past either end leaves the item at that end on display; the selection goes
    // back onto it, so that the next move and the position count start from what is shown.
    if (sel.count() > 0 && !sel.hasCurrent())
        sel.eof() ? sel.moveLast() : sel.moveFirst();
}

void PracticeScreen::so(SnapshotView& sel) {
    try {
        display(sel);
        setShown({label(17), label(18), label(19), label(20)}, false);
        giveFocus(m_c.command[2]);
    } catch (const StoreError&) {
        // No current row: the move went past an end, and the item shown before stays.
        if (sel.eof())
            message(kLastRecordMessage, MessageIcon::Information);
        else if (sel.bof())
            message(kFirstRecordMessage, MessageIcon::Information);
    }
}

void PracticeScreen::szam() {
    PracticeState& s = state();
    SnapshotView& sel = selection();
    sel.moveLast();
    s.selcount = sel.count();
    sel.moveFirst();
    s.selpos = 1;
    setNumber(label(30), s.selpos);
    setNumber(label(31), s.selcount);
    setShown({label(30), label(31), label(32)}, true);
}

void PracticeScreen::keresa() {
    try {
        SnapshotView& sel = selection();
        sel.findNext(state().startcrit);
        // Nothing past the current item meets the criterion: the item on display stays.
        if (sel.noMatch())
            return;
        display(sel);
    } catch (const StoreError&) {
    }
}

void PracticeScreen::Label28_Click() {
    handler([this] {
        // The file is opened and read before anything changes: where it is missing or
        // holds no such item, the click leaves the screen as it was. It is a designer's
        // file, so its absence is no fault to tell a learner about.
        const QString path = QString::fromLatin1(kDesignDatabase);
        if (!QFileInfo::exists(path))
            return;
        ItemStore designDb = ItemStore::open(path);
        auto copy = designDb.sortedCopy(QStringLiteral("Test1"), QString(), QStringLiteral("kulcs2 = '9'"));
        copy->moveFirst();
        display(*copy);
        PracticeState& s = state();
        s.dbhandle = designDb;
        s.selection = std::move(copy);
    });
}

// ---------------------------------------------------------------- settings

void PracticeScreen::showSequentialButtons() {
    m_c.command[10]->hide();
    // Before Start the items are not on show: Next, which stands where Start does, and the record
    // buttons would move through them unseen. Start brings them with the first item.
    if (!m_c.command[3]->isHidden())
        return;
    setShown({m_c.command[2], m_c.command[5], m_c.command[7], m_c.command[8], m_c.command[9], label(23)}, true);
}

void PracticeScreen::mnuNivelItem_Click(int index) {
    handler([this, index] {
        Globals& g = ctx().globals;
        PracticeState& s = state();
        s.seqmode = 1;
        g.itemsdone = 1;
        setNumber(label(22), g.itemsdone);
        setShown({label(18), label(19)}, false);
        clearChoice();
        setShown({label(27), label(28)}, true);
        setShown({label(21), label(29)}, false);
        showSequentialButtons();
        if (index <= 2) {
            for (int i = 0; i <= 2; ++i)
                m_c.menus.nivel[size_t(i)]->setChecked(i == index);
            s.selection = itemsNow(QString::fromLatin1(kLevelFilters[index]));
            if (s.selection->count() == 0) {
                noItemsSelected();
                return;
            }
            s.selection->moveFirst();
            setNumber(label(27), index + 1);
        }
        display(selection(), false);
        szam();
    });
}

void PracticeScreen::mnuTopicItem_Click(int index) {
    handler([this, index] {
        PracticeState& s = state();
        try {
            s.seqmode = 1;
            setShown({label(18), label(19)}, false);
            clearChoice();
            setShown({label(27), label(28)}, false);
            setShown({label(21), label(29)}, true);
            showSequentialButtons();
            check();
            m_c.menus.topicItem[size_t(index)]->setChecked(true);
            s.selection = itemsNow(TopicCatalogue::topic(index).practiceFilter);
            s.selection->moveFirst();
            setCaption(label(21), topicPracticeTitle(index, langcode()));
            display(*s.selection);
            szam();
        } catch (const StoreError& e) {
            if (e.kind() != StoreError::Kind::NoCurrentRow)
                throw;
            noItemsSelected();
        }
    });
}

// A level or topic that selects no item: the learner is asked to choose another one, and
// the selection stays empty until then.
void PracticeScreen::noItemsSelected() {
    message(kNoMatchMessage, MessageIcon::Exclamation);
    setShown({label(19), label(20)}, false);
}

void PracticeScreen::check() {
    for (QAction* entry : m_c.menus.topicItem)
        entry->setChecked(false);
}

void PracticeScreen::beg_Click(int index) {
    handler([this, index] {
        PracticeState& s = state();
        s.startcrit = QString::fromLatin1(kStartCriteria[index]);
        showSequentialButtons();
        keresa();
        s.seqmode = 1;
        setShown({label(30), label(31), label(32)}, false);
    });
}

// ---------------------------------------------------------------- helpers

bool PracticeScreen::giveFocus(QWidget* widget) {
    // Like the window system, a hidden or disabled control cannot take the focus.
    if (!widget->isVisibleTo(this) || !widget->isEnabled())
        return false;
    widget->setFocus();
    return true;
}

void PracticeScreen::message(int captionKey, MessageIcon icon) {
    ctx().platform.message(this, ctx().caption(captionKey), state().titleword, icon);
}

void PracticeScreen::setShown(std::initializer_list<QWidget*> widgets, bool shown) {
    for (QWidget* widget : widgets)
        widget->setVisible(shown);
}

PracticeState& PracticeScreen::state() {
    return ctx().screens.state<PracticeState>();
}

int PracticeScreen::langcode() {
    return ctx().globals.langcode.value_or(LangCode::English);
}

ItemStore& PracticeScreen::dbhandle() {
    PracticeState& s = state();
    // A database that could not be opened with the screen is tried again.
    if (!s.dbhandle)
        s.dbhandle = ItemStore::open(ctx().globals.dbpath);
    return *s.dbhandle;
}

SnapshotView& PracticeScreen::selection() {
    PracticeState& s = state();
    if (!s.selection)
        throw StoreError(StoreError::Kind::NoCurrentRow, StoreError::Reason::NothingSelected);
    return *s.selection;
}

// The items of the open database that meet `criteria`, in ascending sorrend2, as the table holds
// them now: the reshuffle and the Database screen may have changed them while this screen was
// open, with the hub brought back beside it. They are cut from a copy of every item, which is
// taken afresh whenever the file has changed since it was made (its change stamp tells), so a
// choice on an unchanged file costs no reading of the whole table.
std::unique_ptr<SnapshotView> PracticeScreen::itemsNow(const QString& criteria) {
    PracticeState& s = state();
    ItemStore& db = dbhandle();
    // Read before the copy: a change landing meanwhile makes the next choice copy again.
    const qint64 stamp = db.changeStamp();
    if (!s.allItems || s.allItemsPath != db.path() || s.allItemsStamp != stamp) {
        s.allItems = db.sortedCopy(QStringLiteral("Test1"), QStringLiteral("sorrend2"));
        s.allItemsPath = db.path();
        s.allItemsStamp = stamp;
    }
    return s.allItems->filtered(criteria);
}

} // namespace lexora
