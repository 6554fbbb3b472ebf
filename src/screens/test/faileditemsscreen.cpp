// SPDX-FileCopyrightText: 2026 The Lexora English developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "screens/test/faileditemsscreen.h"

#include "app/accessibility.h"
#include "app/accessiblecontrols.h"
#include "app/appcontext.h"
#include "app/spokentexts.h"
#include "app/window.h"
#include "data/itemfingerprint.h"
#include "data/itemstore.h"
#include "data/storeerror.h"
#include "screens/grammar/itemexplainer.h"
#include "screens/test/faileditemsstate.h"
#include "screens/test/failedtable.h"
#include "text/captions.h"
#include "text/messages.h"

#include <QFileInfo>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

namespace lexora {

namespace {

const char* const kLetters[] = {"A", "B", "C", "D"};
constexpr int kExplanationHeight = 1380; // twips: a note of two lines above a reason of four

QPushButton* makeButton(QWidget* parent, const QString& name, double points = 9.75) {
    auto* button = new QPushButton(parent);
    button->setObjectName(name);
    button->setFont(uiFont(FontFace::Sans, points));
    button->setAutoDefault(false);
    giveGreyLook(button);
    return button;
}

QString taskWord(int langcode) {
    switch (langcode) {
    case LangCode::English:
        return QStringLiteral("Failed items");
    case LangCode::Hungarian:
        return QStringLiteral("Hibás feleletek");
    case LangCode::Spanish:
        return QStringLiteral("Soluciones erróneas");
    case LangCode::French:
        return QStringLiteral("Erreurs");
    default:
        return QString();
    }
}

} // namespace

FailedItemsScreen::FailedItemsScreen(AppContext& context)
    : Screen(context, ScreenId::FailedItems, QStringLiteral("Hibatst")) {
    m_data1 = std::make_unique<LiveView>();
    setColors(this, QColor("#00C0C0"), Qt::black);
    buildControls();
    placeControls();
    connectControls();
    // The explanation area takes a strip of its own below Close, so it covers nothing.
    m_explainer = new ItemExplainer(this, context, 120, 6720, 9360, kExplanationHeight);
    setClientSizeTwips(9600, 6720 + kExplanationHeight + 120);
}

FailedItemsScreen::~FailedItemsScreen() = default;

FailedItemsState& FailedItemsScreen::state() {
    return ctx().screens.state<FailedItemsState>();
}

// ---------------------------------------------------------------- building

void FailedItemsScreen::buildControls() {
    QWidget* c = canvas();
    m_board = ItemBoard::build(c);
    m_label9 = makeLabel(c, QStringLiteral("Label9"));
    m_label9->hide();
    m_label10 = makeLabel(c, QStringLiteral("Label10"));
    m_label10->hide();
    markSecret(m_label9);
    markSecret(m_label10);

    m_command1 = makeButton(c, QStringLiteral("Command1"), 13.5);
    setCaption(m_command1, QStringLiteral("&S t a r t"));
    m_command2 = makeButton(c, QStringLiteral("Command2"));
    m_command2->setFont(uiFont(FontFace::Arial, 11.25));
    m_command3 = makeButton(c, QStringLiteral("Command3"));
    m_command5 = makeButton(c, QStringLiteral("Command5"));
    m_command7 = makeButton(c, QStringLiteral("Command7"));
    m_command4 = makeButton(c, QStringLiteral("Command4"), 12);
    m_command8 = makeButton(c, QStringLiteral("Command8"));
    m_command6 = makeButton(c, QStringLiteral("Command6"));
    for (QPushButton* button : {m_command2, m_command3, m_command5, m_command7, m_command4, m_command8})
        button->hide();

    m_label21 = makeLabel(c, QStringLiteral("Label21"));
    m_label23 = makeBadge(c, QStringLiteral("Label23"), QString(), "#804040", 12);
    m_label17 = makeLabel(c, QStringLiteral("Label17"));
    setColors(m_label17, QColor("#00FF00"));
    m_label18 = makeLabel(c, QStringLiteral("Label18"));
    setColors(m_label18, QColor("#FF0000"));
    markSpoken(m_label17, Spoken::Right);
    markSpoken(m_label18, Spoken::Wrong);
    m_label19 = makeBadge(c, QStringLiteral("Label19"), QString(), "#008080", 13.5);
    m_label20 = makeItemLabel(c, QStringLiteral("Label20"));
    setColors(m_label20, QColor("#FFFFC0"), Qt::black);
    markSpoken(m_label19, Spoken::RightLetter);
    markSpoken(m_label20, Spoken::Solution);
    m_label30 = makeBadge(c, QStringLiteral("Label30"), QString(), "#804040", 12);
    m_label32 = makeLabel(c, QStringLiteral("Label32"), QStringLiteral("/"));
    m_label32->setFont(uiFont(FontFace::Sans, 13.5));
    m_label32->setAlignment(Qt::AlignCenter);
    m_label31 = makeBadge(c, QStringLiteral("Label31"), QString(), "#400000", 12);
    for (QLabel* label :
         {m_label21, m_label23, m_label17, m_label18, m_label19, m_label20, m_label30, m_label32, m_label31})
        label->hide();
}

void FailedItemsScreen::placeControls() {
    // The navigation row along the top edge, the position at the top right.
    placeTwips(m_command2, 120, 120, 1500, 450);
    placeTwips(m_command3, 1680, 120, 1500, 450);
    placeTwips(m_command5, 3240, 120, 1500, 450);
    placeTwips(m_command7, 4800, 120, 1500, 450);
    placeTwips(m_label30, 7380, 135, 840, 420);
    placeTwips(m_label32, 8220, 135, 420, 420);
    placeTwips(m_label31, 8640, 135, 840, 420);

    placeTwips(m_board.counter, 120, 840, 660, 450);
    placeTwips(m_board.dot, 810, 870, 180, 420);
    placeTwips(m_board.sentence, 1050, 780, 8430, 960);
    const int columns[] = {120, 120, 4920, 4920};
    const int rows[] = {1920, 2700, 1920, 2700};
    for (int i = 0; i < 4; ++i) {
        placeTwips(m_board.letters[size_t(i)], columns[i], rows[i] + 135, 420, 420);
        placeTwips(m_board.answers[size_t(i)], columns[i] + 480, rows[i], 4080, 690);
    }

    placeTwips(m_label21, 120, 3540, 2580, 390);
    placeTwips(m_label23, 2700, 3540, 480, 390);
    placeTwips(m_label17, 120, 4080, 360, 1020);
    placeTwips(m_label18, 120, 4080, 360, 1020);
    placeTwips(m_board.panel, 600, 4080, 4080, 1020);
    m_board.placeOption(0, 450, 150);
    m_board.placeOption(1, 450, 570);
    m_board.placeOption(2, 2400, 150);
    m_board.placeOption(3, 2400, 570);
    placeTwips(m_command4, 5400, 4080, 2280, 600);
    placeTwips(m_command8, 7800, 4080, 1680, 600);

    placeTwips(m_label19, 120, 5355, 420, 420);
    placeTwips(m_label20, 600, 5220, 6960, 690);
    placeTwips(m_command1, 3300, 2400, 3000, 960);
    placeTwips(m_command6, 7800, 6030, 1680, 570);
}

void FailedItemsScreen::connectControls() {
    connect(m_command1, &QPushButton::clicked, this, [this] { handler([this] { Command1_Click(); }); });
    connect(m_command4, &QPushButton::clicked, this, [this] { handler([this] { Command4_Click(); }); });
    // The other handlers expect no failure; should one come, the learner is told and the screen goes on.
    connect(m_command2, &QPushButton::clicked, this, [this] { reportingHandler([this] { Command2_Click(); }); });
    connect(m_command3, &QPushButton::clicked, this, [this] { reportingHandler([this] { Command3_Click(); }); });
    connect(m_command5, &QPushButton::clicked, this, [this] { reportingHandler([this] { Command5_Click(); }); });
    connect(m_command7, &QPushButton::clicked, this, [this] { reportingHandler([this] { Command7_Click(); }); });
    connect(m_command8, &QPushButton::clicked, this, [this] { reportingHandler([this] { Command8_Click(); }); });
    connect(m_command6, &QPushButton::clicked, this, [this] { reportingHandler([this] { Command6_Click(); }); });
    for (int i = 0; i < 4; ++i)
        connect(m_board.options[size_t(i)], &QRadioButton::clicked, this,
                [this, i] { reportingHandler([this, i] { Option3D_Click(i); }); });
}

void FailedItemsScreen::language() {
    setCaption(m_command1, ctx().caption(2));
    setCaption(m_command2, ctx().caption(7));
    setCaption(m_command3, ctx().caption(8));
    setCaption(m_command4, ctx().caption(5));
    setCaption(m_command5, ctx().caption(9));
    setCaption(m_command6, ctx().caption(4));
    setCaption(m_command7, ctx().caption(10));
    setCaption(m_command8, ctx().caption(6));
    setCaption(m_label21, ctx().caption(67));
    const int lang = *ctx().globals.langcode;
    if (lang == LangCode::Hungarian) {
        setCaption(m_command4, QStringLiteral("To&vább"));
        setCaption(m_command2, QStringLiteral("&Kezdet"));
        setCaption(m_command3, QStringLiteral("Viss&za"));
        setCaption(m_command5, QStringLiteral("&Tovább"));
    }
    setCaption(this, CaptionCatalogue::caption(65, LangCode::English) + QStringLiteral("  ----  ") + taskWord(lang));
    m_explainer->language(lang);
    nameControls(this, lang);
    m_board.nameForScreenReaders(lang);
    // Both read "Next": the names tell the next failed item from the next record.
    m_command4->setAccessibleName(SpokenTexts::nextItem(lang));
    m_command5->setAccessibleName(SpokenTexts::nextRecord(lang));
}

void FailedItemsScreen::speakItem() {
    ctx().platform.speak(this, m_board.spoken(*ctx().globals.langcode));
}

// ---------------------------------------------------------------- load, unload, keys

void FailedItemsScreen::formLoad() {
    center(this);
    language();
    state().msgtitle = ctx().caption(66);
    reportingHandler([this] {
        m_data1->setDatabaseName(ctx().globals.dbpath);
        m_data1->setRecordSource(QStringLiteral("hiba1"));
        m_data1->refresh();
        showBoundRow();
    });
}

void FailedItemsScreen::formUnload() {
    // Whichever way the review goes, the failed items go with it; an unload that does not
    // come from Close leaves the Test screen's place as it is.
    reportingHandler([this] {
        if (!m_data1->bof())
            emptyTable();
    });
}

bool FailedItemsScreen::formKeyPress(QKeyEvent* event) {
    if (SpokenTexts::isReadAgain(event) && m_board.panel->isVisible()) {
        speakItem();
        return true;
    }
    if (event->modifiers() & (Qt::ControlModifier | Qt::AltModifier))
        return false;
    const QString key = event->text();
    const int index = key.size() == 1 ? QStringLiteral("abcd").indexOf(key) : -1;
    if (index < 0)
        return false;
    m_board.options[size_t(index)]->click();
    return true;
}

void FailedItemsScreen::closeBoxPressed() {
    reportingHandler([this] { Command6_Click(); });
}

// ---------------------------------------------------------------- the review

void FailedItemsScreen::Command1_Click() {
    Globals& g = ctx().globals;
    m_command1->hide();
    m_command2->show();
    m_command2->setFocus();
    setDefaultButton(m_command2);
    for (QPushButton* button : {m_command3, m_command4, m_command5, m_command6, m_command7, m_command8})
        button->show();
    m_board.panel->show();
    m_board.setItemShown(true);
    for (QLabel* label : {m_label21, m_board.counter, m_label23})
        label->show();
    m_board.clearChoice();

    LiveView& view = *m_data1;
    // The screen may have been loaded, hidden, before the Test run that recorded the rows:
    // read the table afresh so the review shows every failed item stored so far.
    view.refresh();
    view.moveLast();
    state().reccount = view.count();
    view.moveFirst();
    view.moveNext(); // past the placeholder: the first failed item
    showBoundRow();

    g.itemno = 1;
    m_board.counter->setText(QStringLiteral("1"));
    m_label31->setText(QString::number(state().reccount - 1));
    for (QLabel* label : {m_label30, m_label31, m_label32})
        label->show();
    abso();
    speakItem();
}

void FailedItemsScreen::Option3D_Click(int index) {
    m_label9->setText(QLatin1String(kLetters[index]));
    const bool right = m_label9->text() == m_label10->text();
    m_label17->setVisible(right);
    m_label18->setVisible(!right);
    ctx().platform.announce(right ? m_label17 : m_label18);
    recordFirstAnswer(m_label9->text(), right);
    explain(right ? QString() : m_explainer->answerOf(m_label9->text()));
    m_explainer->speakReason();
}

void FailedItemsScreen::Command8_Click() {
    m_label19->show();
    m_label20->show();
    // The solution asked for before any choice counts as a wrong first answer.
    recordFirstAnswer(QString(), false);
    explain();
    m_command2->setFocus();
    ctx().platform.speak(this, SpokenTexts::solution(*ctx().globals.langcode, m_label19->text(), m_label20->text()));
    m_explainer->speakReason();
}

void FailedItemsScreen::explain(const QString& wrongAnswer) {
    if (m_data1->database())
        m_explainer->reveal(ReasonTable(m_data1->database()), wrongAnswer);
}

bool FailedItemsScreen::onFailedItem() const {
    return m_data1->hasCurrent() && m_data1->position() >= 1;
}

void FailedItemsScreen::Command2_Click() {
    if (m_data1->bof())
        return;
    m_data1->moveFirst();
    m_data1->moveNext();
    afterNavigation();
}

void FailedItemsScreen::Command3_Click() {
    if (!onFailedItem() || m_data1->position() == 1)
        return;
    m_data1->movePrevious();
    afterNavigation();
}

void FailedItemsScreen::Command5_Click() {
    if (!onFailedItem() || m_data1->position() == m_data1->count() - 1)
        return;
    m_data1->moveNext();
    afterNavigation();
}

void FailedItemsScreen::Command7_Click() {
    if (m_data1->eof())
        return;
    m_data1->moveLast();
    afterNavigation();
}

void FailedItemsScreen::afterNavigation() {
    // The solution stays as it was; only a new item's verdict is cleared.
    showBoundRow();
    hideBars();
    m_board.clearChoice();
    m_command2->setFocus();
    abso();
    speakItem();
}

void FailedItemsScreen::Command4_Click() {
    Globals& g = ctx().globals;
    LiveView& view = *m_data1;
    if (!view.eof())
        view.moveNext();
    showBoundRow();
    if (!view.eof()) {
        m_board.clearChoice();
        ++g.itemno;
        m_board.counter->setText(QString::number(g.itemno));
        hideBars();
        m_label19->hide();
        m_label20->hide();
        speakItem();
    } else {
        ctx().platform.message(this, ctx().caption(84), state().msgtitle, MessageIcon::Information);
        m_board.panel->hide();
        setCaption(m_command1, ctx().caption(3));
        m_command1->show();
        setDefaultButton(nullptr);
        for (QPushButton* button : {m_command2, m_command3, m_command4, m_command5, m_command7, m_command8})
            button->hide();
        m_board.setItemShown(false);
        for (QLabel* label : {m_label17, m_label18, m_label19, m_label20, m_label21, m_label23, m_board.counter})
            label->hide();
    }
    abso();
}

void FailedItemsScreen::Command6_Click() {
    setCaption(m_command1, ctx().caption(2));
    emptyTable();
    hideBars();
    m_label19->hide();
    m_label20->hide();
    if (Screen* test = ctx().screens.find(ScreenId::Test))
        keepOnTop(test, true);
    ctx().screens.unload(ScreenId::FailedItems);
}

void FailedItemsScreen::emptyTable() {
    // Once per window: after Close the unload finds nothing left to delete, and a failure
    // or a table without its placeholder is reported only once.
    if (m_emptyingDone)
        return;
    m_emptyingDone = true;
    const int lang = *ctx().globals.langcode;
    try {
        if (!FailedTable::emptyExceptPlaceholder(*m_data1))
            ctx().platform.message(this, Messages::text(Messages::Id::PlaceholderMissing, lang), state().msgtitle,
                                   MessageIcon::Exclamation);
    } catch (const StoreError& e) {
        ctx().platform.message(this, Messages::of(e, lang), state().msgtitle, MessageIcon::Stop);
    }
    showBoundRow();
}

void FailedItemsScreen::hideBars() {
    m_label17->hide();
    m_label18->hide();
}

void FailedItemsScreen::abso() {
    m_label30->setText(QString::number(m_data1->position()));
}

void FailedItemsScreen::showBoundRow() {
    const LiveView& row = *m_data1;
    m_board.sentence->setText(boundText(row, "mondat"));
    const char* const fields[] = {"a", "b", "c", "d"};
    for (int i = 0; i < 4; ++i)
        m_board.answers[size_t(i)]->setText(boundText(row, fields[i]));
    m_label20->setText(boundText(row, "felelet1"));
    m_label19->setText(boundText(row, "felelet2"));
    m_label10->setText(boundText(row, "felelet2"));
    m_label23->setText(boundText(row, "hiba"));
    m_board.nameChoices();
    itemShown();
    followItem();
}

// The failed row holds a copy of the item as the Test showed it; the item it came from is the one
// whose content gives the same fingerprint, as the progress file last recorded it.
void FailedItemsScreen::itemShown() {
    m_first.clear();
    ctx().progress.flush(); // the Test's own answers tell which items these rows are
    if (!onFailedItem())
        return;
    const LiveView& row = *m_data1;
    const ItemContent content = ItemContent::fromCurrentRow(row);
    const QString bank = QFileInfo(ctx().globals.dbpath).fileName();
    try {
        // The fingerprint trims each field, so the copy with the Test's leading space matches.
        if (auto ref = ctx().progress.store().lastRefFor(bank, itemFingerprint(content)))
            m_first.shown(*ref, ctx().platform.now());
    } catch (const ProgressError&) {
        // Without the progress file the review goes on unrecorded.
    }
}

void FailedItemsScreen::recordFirstAnswer(const QString& choice, bool right) {
    if (auto answer = m_first.take(choice, right, AnswerPlace::Review, ctx().platform.now()))
        ctx().progress.record(this, state().msgtitle, *answer);
}

void FailedItemsScreen::followItem() {
    const LiveView& row = *m_data1;
    if (!row.hasCurrent() || row.position() < 1) {
        m_explainer->clear();
        return;
    }
    const ItemContent content = ItemContent::fromCurrentRow(row);
    // The failed items keep no topic keys: the item of the same sentence tells the topic.
    std::optional<std::pair<QString, QString>> keys;
    try {
        keys = topicKeysOfSentence(row, content.sentence);
    } catch (const StoreError&) {
        // Without the keys F1 opens the note shown last; the review goes on.
    }
    // The solution may stay on show when the learner moves on, but the reason waits until this
    // item has been answered or solved: it would give the answer away before the retry.
    m_explainer->itemShown(content, keys ? keys->first : QString(), keys ? keys->second : QString());
}

} // namespace lexora
