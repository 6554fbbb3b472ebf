// SPDX-FileCopyrightText: 2026 The Lexora English developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "screens/test/testscreen.h"

#include "app/accessibility.h"
#include "app/accessiblecontrols.h"
#include "app/appcontext.h"
#include "app/clickablelabel.h"
#include "app/spokentexts.h"
#include "app/window.h"
#include "data/itemstore.h"
#include "data/storeerror.h"
#include "screens/test/clippinggauge.h"
#include "screens/test/intervaltimer.h"
#include "screens/test/testscore.h"
#include "screens/test/teststate.h"
#include "text/captions.h"

#include <QAction>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>

#include <QScopeGuard>

#include <cmath>

namespace lexora {

namespace {

constexpr int kNumbers[] = {20, 30, 40, 50};
constexpr int kDelays[] = {10000, 20000, 30000};
const char* const kLetters[] = {"A", "B", "C", "D"};

bool shown(const QWidget* widget) {
    return !widget->isHidden();
}

QPushButton* makeButton(QWidget* parent, const QString& name, const QString& caption, double points = 9.75) {
    auto* button = new QPushButton(parent);
    button->setObjectName(name);
    button->setFont(uiFont(FontFace::Sans, points));
    button->setAutoDefault(false);
    giveGreyLook(button);
    setCaption(button, caption);
    return button;
}

} // namespace

TestScreen::TestScreen(AppContext& context) : Screen(context, ScreenId::Test, QStringLiteral("Sptest")) {
    m_data1 = std::make_unique<LiveView>();
    m_data2 = std::make_unique<LiveView>();
    setColors(this, QColor("#00C0C0"), Qt::black);
    buildControls();
    buildMenus();
    placeControls();
    connectControls();
}

TestScreen::~TestScreen() = default;

TestState& TestScreen::state() {
    return ctx().screens.state<TestState>();
}

QString TestScreen::startCriterion(int index) {
    // Starting points step through the shuffled sequence in blocks of 220; the entry
    // "551" stands at 2440 and "601" goes on from 12 blocks.
    static const int thresholds[] = {0, 220, 440, 660, 880, 1100, 1320, 1540, 1760, 1980, 2200, 2440, 2640};
    if (index < 0 || index > 12)
        return QString();
    return QStringLiteral("sorrend2 > %1").arg(thresholds[index]);
}

// ---------------------------------------------------------------- building

void TestScreen::buildControls() {
    QWidget* c = canvas();
    m_board = ItemBoard::build(c);
    m_label9 = makeLabel(c, QStringLiteral("Label9"), QStringLiteral("0"));
    m_label9->hide();
    m_label10 = makeLabel(c, QStringLiteral("Label10"));
    m_label10->hide();
    markSecret(m_label9);
    markSecret(m_label10);

    m_command3 = makeButton(c, QStringLiteral("Command3"), QStringLiteral("&S t a r t"), 13.5);
    m_command4 = makeButton(c, QStringLiteral("Command4"), QString(), 12);
    m_command4->hide();
    m_command2 = makeButton(c, QStringLiteral("Command2"), QString(), 12);
    m_command2->hide();
    m_command5 = makeButton(c, QStringLiteral("Command5"), QString());
    m_command5->hide();
    m_command6 = makeButton(c, QStringLiteral("Command6"), QString());

    m_frame3D2 = new QFrame(c);
    m_frame3D2->setObjectName(QStringLiteral("Frame3D2"));
    m_frame3D2->setFrameStyle(QFrame::Panel | QFrame::Raised);
    m_frame3D2->setLineWidth(2);
    m_frame3D2->hide();
    m_label18 = makeBadge(m_frame3D2, QStringLiteral("Label18"), QString(), "#008080", 20);
    m_label21 = makeBadge(m_frame3D2, QStringLiteral("Label21"), QString(), "#008080", 20);

    m_label17 = new ClickableLabel(c);
    m_label17->setObjectName(QStringLiteral("Label17"));
    QFont linkFont = uiFont(FontFace::Sans, 9.75);
    linkFont.setUnderline(true);
    m_label17->setFont(linkFont);
    m_label17->setWordWrap(true);
    m_label17->setAlignment(Qt::AlignCenter);
    setColors(m_label17, QColor(), QColor("#000080"));
    m_label17->hide();

    m_label19 = makeLabel(c, QStringLiteral("Label19"));
    m_label25 = makeBadge(c, QStringLiteral("Label25"), QString(), "#008080", 9.75);
    m_label20 = makeLabel(c, QStringLiteral("Label20"));
    m_label23 = makeBadge(c, QStringLiteral("Label23"), QString(), "#008080", 9.75);
    for (QLabel* label : {m_label19, m_label25, m_label20, m_label23})
        label->hide();

    m_gauge = new ClippingGauge(c);
    m_gauge->setObjectName(QStringLiteral("Gauge1"));
    markSpoken(m_gauge, Spoken::TimeUsed);
    m_gauge->hide();
    // The countdown stands enabled with no interval, so it is silent until a timed Start.
    m_timer1 = new IntervalTimer(QStringLiteral("Timer1"), true, 0, this);
    m_timer2 = new IntervalTimer(QStringLiteral("Timer2"), false, 200, this);
}

void TestScreen::buildMenus() {
    QMenuBar* bar = menuBar();
    bar->setFont(uiFont(FontFace::Sans, 9.75, false));
    m_mnuTasks = nameMenu(bar->addMenu(QString()), QStringLiteral("mnuTasks"));
    m_mnuLexora = addEntry(m_mnuTasks, QStringLiteral("mnuLexora"), QStringLiteral("&Lexora"));
    m_mnuDatabase = addEntry(m_mnuTasks, QStringLiteral("mnuDatabase"), QString());
    m_mnuDatabase->setVisible(false);
    m_mnuDatabase->setEnabled(false);
    m_mnuPractice = addEntry(m_mnuTasks, QStringLiteral("mnuPractice"), QString());
    m_mnuTest = addEntry(m_mnuTasks, QStringLiteral("mnuTest"), QString());
    m_mnuTest->setEnabled(false);

    m_mnuSettings = nameMenu(bar->addMenu(QString()), QStringLiteral("mnuSettings"));
    m_mnuParameters = nameMenu(m_mnuSettings->addMenu(QString()), QStringLiteral("mnuParameters"));
    m_mnuNumber = nameMenu(m_mnuParameters->addMenu(QString()), QStringLiteral("mnuNumber"));
    for (int i = 0; i < 4; ++i)
        m_numberItems[size_t(i)] =
            addEntry(m_mnuNumber, QStringLiteral("mnuNúmeroItem_%1").arg(i), QString::number(kNumbers[i]), true);
    m_mnuDelay = nameMenu(m_mnuParameters->addMenu(QString()), QStringLiteral("mnuDelay"));
    for (int i = 0; i < 3; ++i)
        m_delayItems[size_t(i)] = addEntry(m_mnuDelay, QStringLiteral("mnuTiempoItem_%1").arg(i),
                                           QStringLiteral("%1sec").arg(kDelays[i] / 1000), true);
    m_mnuStart = nameMenu(m_mnuSettings->addMenu(QString()), QStringLiteral("mnuStart"));
    for (int i = 0; i < 13; ++i) {
        const QString caption = (i % 2 == 0 ? QStringLiteral("&") : QString()) + QString::number(1 + 50 * i);
        m_beg[size_t(i)] = addEntry(m_mnuStart, QStringLiteral("beg_%1").arg(i), caption, true);
    }
    // The design state of the check marks, whatever values are in force.
    m_numberItems[0]->setChecked(true);
    m_delayItems[0]->setChecked(true);
    m_beg[0]->setChecked(true);
}

void TestScreen::placeControls() {
    placeTwips(m_board.counter, 120, 150, 660, 450);
    placeTwips(m_board.dot, 810, 180, 180, 420);
    placeTwips(m_board.sentence, 1050, 120, 8430, 960);
    // Answers a and b in the left column, c and d in the right one.
    const int columns[] = {120, 120, 4920, 4920};
    const int rows[] = {1260, 2040, 1260, 2040};
    for (int i = 0; i < 4; ++i) {
        placeTwips(m_board.letters[size_t(i)], columns[i], rows[i] + 135, 420, 420);
        placeTwips(m_board.answers[size_t(i)], columns[i] + 480, rows[i], 4080, 690);
    }
    placeTwips(m_board.panel, 600, 2940, 4080, 1020);
    m_board.placeOption(0, 450, 150);
    m_board.placeOption(1, 450, 570);
    m_board.placeOption(2, 2400, 150);
    m_board.placeOption(3, 2400, 570);

    placeTwips(m_command4, 5400, 2940, 2280, 600);
    placeTwips(m_command2, 5400, 2940, 2280, 600);
    placeTwips(m_command5, 7800, 2940, 1680, 600);
    placeTwips(m_gauge, 5400, 3690, 4080, 270);

    placeTwips(m_frame3D2, 2550, 240, 4500, 1860);
    placeTwips(m_label18, 150, 150, 4200, 720);
    placeTwips(m_label21, 150, 960, 4200, 720);
    placeTwips(m_command3, 3300, 2400, 3000, 960);
    placeTwips(m_label17, 600, 3660, 8400, 660);

    placeTwips(m_label19, 120, 4500, 2550, 330);
    placeTwips(m_label25, 2700, 4500, 720, 330);
    placeTwips(m_label20, 120, 4920, 2550, 330);
    placeTwips(m_label23, 2700, 4920, 720, 330);
    placeTwips(m_command6, 7800, 4680, 1680, 570);
}

void TestScreen::connectControls() {
    connect(m_command3, &QPushButton::clicked, this, [this] { handler([this] { Command3_Click(); }); });
    connect(m_command4, &QPushButton::clicked, this, [this] { handler([this] { Command4_Click(); }); });
    connect(m_command2, &QPushButton::clicked, this, [this] { handler([this] { Command2_Click(); }); });
    connect(m_command5, &QPushButton::clicked, this, [this] { handler([this] { Command5_Click(); }); });
    connect(m_command6, &QPushButton::clicked, this, [this] { reportingHandler([this] { Command6_Click(); }); });
    connect(m_label17, &ClickableLabel::clicked, this, [this] { reportingHandler([this] { Label17_Click(); }); });
    for (int i = 0; i < 4; ++i)
        connect(m_board.options[size_t(i)], &QRadioButton::clicked, this,
                [this, i] { handler([this, i] { Option3D_Click(i); }); });
    connect(m_timer1, &QTimer::timeout, this, [this] { handler([this] { Timer1_Timer(); }); });
    connect(m_timer2, &QTimer::timeout, this, [this] { handler([this] { Timer2_Timer(); }); });

    connect(m_mnuLexora, &QAction::triggered, this, [this] { reportingHandler([this] { leaveTo(ScreenId::Hub); }); });
    connect(m_mnuPractice, &QAction::triggered, this,
            [this] { reportingHandler([this] { leaveTo(ScreenId::Practice); }); });
    connect(m_mnuDatabase, &QAction::triggered, this,
            [this] { reportingHandler([this] { leaveTo(ScreenId::Database); }); });
    for (int i = 0; i < 4; ++i)
        connect(m_numberItems[size_t(i)], &QAction::triggered, this,
                [this, i] { reportingHandler([this, i] { mnuNumeroItem_Click(i); }); });
    for (int i = 0; i < 3; ++i)
        connect(m_delayItems[size_t(i)], &QAction::triggered, this,
                [this, i] { reportingHandler([this, i] { mnuTiempoItem_Click(i); }); });
    for (int i = 0; i < 13; ++i)
        connect(m_beg[size_t(i)], &QAction::triggered, this, [this, i] { handler([this, i] { beg_Click(i); }); });
}

void TestScreen::language() {
    const int lang = *ctx().globals.langcode;
    setCaption(m_command2, ctx().caption(5));
    setCaption(m_command3, ctx().caption(2));
    setCaption(m_command4, ctx().caption(5));
    setCaption(m_command5, ctx().caption(11));
    setCaption(m_command6, ctx().caption(4));
    setCaption(m_mnuTasks, ctx().caption(26));
    setCaption(m_mnuSettings, ctx().caption(27));
    setCaption(m_mnuPractice, ctx().caption(31));
    setCaption(m_mnuTest, ctx().caption(32));
    setCaption(m_mnuDatabase, ctx().caption(33));
    setCaption(m_mnuParameters, ctx().caption(34));
    setCaption(m_mnuNumber, ctx().caption(35));
    setCaption(m_mnuDelay, ctx().caption(36));
    setCaption(m_mnuStart, ctx().caption(38));
    setCaption(m_label20, ctx().caption(36));
    setCaption(m_label19, ctx().caption(35));
    setCaption(m_label17, ctx().caption(83));
    if (lang == LangCode::Hungarian) {
        setCaption(m_command2, QStringLiteral("To&vább"));
        setCaption(m_command4, QStringLiteral("To&vább"));
        setCaption(m_mnuStart, QStringLiteral("&Kezdõpont..."));
    }

    QString& tasktitle = state().tasktitle;
    if (lang == LangCode::English || lang == LangCode::Spanish || lang == LangCode::French)
        tasktitle = QStringLiteral("Test");
    else if (lang == LangCode::Hungarian)
        tasktitle = QStringLiteral("Teszt");
    setCaption(this, CaptionCatalogue::caption(65, LangCode::English) + QStringLiteral("  ----  ") + tasktitle);
    nameControls(this, lang);
    m_board.nameForScreenReaders(lang);
}

// ---------------------------------------------------------------- load, keys, close box

void TestScreen::formLoad() {
    language();
    // Sized once the menus carry their captions, so the menu bar has its full height.
    setClientSizeTwips(9600, 5430);
    center(this);
    keepOnTop(this);
    // Both views follow the database chosen on the hub at the moment the screen opens.
    reportingHandler([this] {
        const QString path = ctx().globals.dbpath;
        m_data1->setDatabaseName(path);
        m_data1->setRecordSource(QStringLiteral("test1"));
        m_data2->setDatabaseName(path);
        m_data2->setRecordSource(QStringLiteral("hiba1"));
        m_data1->refresh();
        showBoundRow();
        m_data2->refresh();
    });
}

bool TestScreen::formKeyPress(QKeyEvent* event) {
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

void TestScreen::closeBoxPressed() {
    // The frame's close box leaves the screen as Close does.
    reportingHandler([this] { Command6_Click(); });
}

// ---------------------------------------------------------------- the run

void TestScreen::Command3_Click() {
    Globals& g = ctx().globals;
    const bool sequential = state().startset == 1;
    m_countdownStopped = false;
    m_label9->setText(QStringLiteral("0"));
    g.itemsdone = 1;
    g.rightcount = 0;
    g.itemno = 1;
    // With a number of sentences the run ends by reaching it; without, only by Evaluation.
    m_command5->setVisible(g.numsent <= 0);
    m_board.counter->setText(QString::number(g.itemno));
    m_board.panel->show();
    m_frame3D2->hide();
    setCaption(m_command3, ctx().caption(3));
    m_command3->hide();
    QPushButton* next = sequential ? m_command2 : m_command4;
    (sequential ? m_command4 : m_command2)->hide();
    next->show();
    if (g.delay == 0 && !sequential) {
        m_mnuStart->menuAction()->setEnabled(false);
        m_label17->hide();
    }
    m_board.setItemShown(true);
    m_board.counter->show();
    m_label17->hide();
    m_board.clearChoice();
    if (g.delay > 0) {
        m_timer1->setEnabled(true);
        m_timer1->setIntervalMs(g.delay);
        m_gauge->setGaugeMaximum(int(g.delay * 0.9));
        m_gauge->setGaugeValue(0);
        m_gauge->show();
        m_timer2->setEnabled(true);
    }
    if (shown(m_command4)) {
        g.itemsdone = 0;
        rand();
    } else {
        // The first item is where the last starting-point search left the item view.
        showBoundRow();
    }
    // Start is gone; the focus goes to the answers, never to Evaluation or Close, where a
    // first Enter would end the run or the screen.
    m_board.options[0]->setFocus(Qt::OtherFocusReason);
    speakItem();
}

void TestScreen::speakItem() {
    const int lang = *ctx().globals.langcode;
    QString text = m_board.spoken(lang);
    if (m_timedOut)
        text = SpokenTexts::timeUp(lang) + QLatin1Char(' ') + text;
    ctx().platform.speak(this, text);
}

void TestScreen::rand() {
    TestState& st = state();
    Globals& g = ctx().globals;
    const QString path = m_data1->databaseName();
    st.drawtable = LiveView::open(path, QStringLiteral("test1"));
    st.drawtable->setIndex(QStringLiteral("sorszam"));
    st.drawtable->moveLast();
    // The highest number is read once; a different database has numbers of its own.
    if (st.maxno == 0 || st.maxnoSource != path) {
        st.maxno = qint16(st.drawtable->field(QStringLiteral("sorszam")).toInt());
        st.maxnoSource = path;
    }
    // Items renumbered or deleted since the highest number was read may leave none to draw.
    if (!hasItemNumberUpTo(*st.drawtable, st.maxno))
        throw StoreError(StoreError::Kind::NoCurrentRow, StoreError::Reason::NoNumberToDraw);
    do {
        ctx().platform.reseedRandom();
        const double r = ctx().platform.random();
        st.drawn = int(std::floor(st.maxno * r + 1));
        st.drawtable->seek(st.drawn); // numbers left by deleted items are drawn again
    } while (st.drawtable->noMatch());

    m_board.clearChoice();
    ++g.itemsdone;
    m_board.counter->setText(QString::number(g.itemsdone));
    const LiveView& row = *st.drawtable;
    m_board.sentence->setText(QLatin1Char(' ') + row.text(QStringLiteral("mondat")));
    const char* const fields[] = {"a", "b", "c", "d"};
    for (int i = 0; i < 4; ++i)
        m_board.answers[size_t(i)]->setText(QLatin1Char(' ') + row.text(QLatin1String(fields[i])));
    m_label10->setText(row.text(QStringLiteral("felelet2")));
    m_solution = row.text(QStringLiteral("felelet1"));
    m_board.nameChoices();
    m_first.shown(ItemRef::of(row, path), ctx().platform.now());
}

// The first steps of both Next buttons: a run without a number can always be evaluated,
// and the next item gets the full time.
void TestScreen::beginNext() {
    Globals& g = ctx().globals;
    if (!shown(m_command5) && g.numsent == 0)
        m_command5->show();
    if (m_timer1->isEnabled())
        m_timer1->restart();
}

void TestScreen::Command4_Click() {
    beginNext();
    if (m_timer2->isEnabled()) {
        m_timer2->setEnabled(false);
        m_gauge->setGaugeValue(0);
        m_timer2->setEnabled(true);
    }
    mark();
    resumeCountdown();
    if (ctx().globals.itemsdone != ctx().globals.numsent) {
        rand();
        speakItem();
    } else {
        endOfRun();
    }
}

void TestScreen::Command2_Click() {
    Globals& g = ctx().globals;
    beginNext();
    mark();
    resumeCountdown();
    if (g.itemsdone == g.numsent) {
        endOfRun();
        return;
    }
    cont();
    m_board.clearChoice();
    ++g.itemno;
    m_board.counter->setText(QString::number(g.itemno));
    ++g.itemsdone;
    m_gauge->setGaugeMaximum(int(g.delay * 0.9));
    m_gauge->setGaugeValue(0);
    m_timer2->setEnabled(true); // without a time limit it switches itself off at its first tick
    speakItem();
}

void TestScreen::endOfRun() {
    ctx().platform.beep();
    m_timer1->setEnabled(false);
    // The run has been judged to its last item; Evaluation would only judge that item again.
    m_command5->hide();
    m_gauge->hide();
    evalu();
}

void TestScreen::cont() {
    m_data1->moveNext();
    if (m_data1->eof())
        m_data1->moveFirst();
    showBoundRow();
}

void TestScreen::showBoundRow() {
    // During a random run the item labels hold the drawn item, not the item view's row.
    if (shown(m_command4))
        return;
    const LiveView& row = *m_data1;
    m_board.sentence->setText(boundText(row, "mondat"));
    const char* const fields[] = {"a", "b", "c", "d"};
    for (int i = 0; i < 4; ++i)
        m_board.answers[size_t(i)]->setText(boundText(row, fields[i]));
    m_label10->setText(boundText(row, "felelet2"));
    m_solution = boundText(row, "felelet1");
    m_board.nameChoices();
    if (row.hasCurrent())
        m_first.shown(ItemRef::of(row, row.databaseName()), ctx().platform.now());
    else
        m_first.clear();
}

void TestScreen::Option3D_Click(int index) {
    m_label9->setText(QLatin1String(kLetters[index]));
    setf();
}

void TestScreen::setf() {
    if (shown(m_command2))
        m_command2->setFocus();
    else if (shown(m_command4))
        m_command4->setFocus();
}

void TestScreen::Timer1_Timer() {
    if (!m_timer1->ticks())
        return;
    ctx().platform.beep();
    // The learner hears that the time ran out before the next item or the score.
    m_timedOut = true;
    const auto spoken = qScopeGuard([this] { m_timedOut = false; });
    try {
        if (shown(m_command2))
            Command2_Click();
        else
            Command4_Click();
    } catch (const StoreError& e) {
        // A tick that cannot store the item would fail again at every tick, each time after
        // waiting for the file: the countdown stops and the learner is told once. The item stays
        // on display, and a Next that stores it starts the countdown again.
        if (e.isFileFault()) {
            m_timer1->setEnabled(false);
            m_timer2->setEnabled(false);
            m_gauge->hide();
            m_countdownStopped = true;
        }
        throw;
    }
}

void TestScreen::resumeCountdown() {
    if (!m_countdownStopped)
        return;
    m_countdownStopped = false;
    m_timer1->setEnabled(true);
    m_gauge->setGaugeValue(0);
    m_gauge->show();
    m_timer2->setEnabled(true);
}

void TestScreen::Timer2_Timer() {
    if (!m_timer2->ticks())
        return;
    const int value = m_gauge->gaugeValue();
    const int maximum = m_gauge->gaugeMaximum();
    if (value < ctx().globals.delay)
        m_gauge->setGaugeValue(value < maximum - 200 ? value + 200 : value + 50);
    else
        m_timer2->setEnabled(false);
}

// ---------------------------------------------------------------- judging and the score

void TestScreen::mark() {
    Globals& g = ctx().globals;
    // Every item has its solution letter: without one no item is on display (the run could not
    // read its first item), and there is nothing to judge or to store as failed.
    if (m_label10->text().isEmpty())
        return;
    const bool right = m_label9->text() == m_label10->text();
    const QString choice = m_label9->text() == QLatin1String("0") ? QString() : m_label9->text();
    if (auto answer = m_first.take(choice, right, AnswerPlace::Test, ctx().platform.now()))
        ctx().progress.record(this, windowTitle(), *answer);
    if (right) {
        ++g.rightcount;
    } else {
        // The item is stored as it was shown, with the choice the learner made. The table is opened
        // afresh for each item, so that a file mended, unlocked or put back since a fault takes it.
        LiveView& failed = *m_data2;
        failed.refresh();
        failed.addNew();
        failed.setField(QStringLiteral("hiba"), m_label9->text());
        failed.setField(QStringLiteral("mondat"), m_board.sentence->text());
        const char* const fields[] = {"a", "b", "c", "d"};
        for (int i = 0; i < 4; ++i)
            failed.setField(QLatin1String(fields[i]), m_board.answers[size_t(i)]->text());
        // The solution too is the one read with the item: its row may have gone since (a Database
        // screen beside the Test), or there may be no row at all (a table left empty).
        failed.setField(QStringLiteral("felelet1"), m_solution);
        failed.setField(QStringLiteral("felelet2"), m_label10->text());
        failed.update();
        failed.moveLast();
    }
    m_label9->setText(QStringLiteral("0"));
}

void TestScreen::evalu() {
    Globals& g = ctx().globals;
    m_board.panel->hide();
    m_frame3D2->show();
    m_command3->show();
    m_command4->hide();
    m_command2->hide();
    m_board.setItemShown(false);
    m_board.counter->hide();
    for (QLabel* label : {m_label19, m_label20, m_label23, m_label25})
        label->hide();
    g.delay = 0;
    g.numsent = 0;
    state().startset = 0;
    m_label23->clear();
    m_label25->clear();
    const TestScore score = scoreOf(g.rightcount, g.itemsdone);
    g.percent = score.percent;
    m_label18->setText(score.fraction());
    m_label21->setText(score.percentText());
    if (!score.perfect())
        m_label17->show();
    const int lang = *ctx().globals.langcode;
    QString text = SpokenTexts::score(lang, score.fraction(), score.percentText());
    if (m_timedOut)
        text = SpokenTexts::timeUp(lang) + QLatin1Char(' ') + text;
    ctx().platform.speak(this, text);
}

void TestScreen::Command5_Click() {
    // Only an item on display can be judged: after the end of a run there is none.
    if (m_board.panel->isHidden())
        return;
    m_timer1->setEnabled(false);
    m_timer2->setEnabled(false);
    m_gauge->hide();
    m_countdownStopped = false;
    // An item left without a choice is failed in the score, but it is no answer of the learner's:
    // the progress file does not remember it. (An item whose time ran out was judged by its tick.)
    if (m_label9->text() == QLatin1String("0"))
        m_first.clear();
    // A failure to store the item is reported; the score is shown all the same.
    reportingHandler([this] { mark(); });
    handler([this] { cont(); });
    m_mnuStart->menuAction()->setEnabled(true);
    m_command5->hide();
    evalu();
}

void TestScreen::Label17_Click() {
    m_frame3D2->hide();
    m_label17->hide();
    Screen* review = ctx().screens.show(ScreenId::FailedItems);
    // The review takes over the top-most place while it is open.
    keepOnTop(this, false);
    if (review)
        keepOnTop(review, true);
}

// ---------------------------------------------------------------- leaving and the settings

void TestScreen::Command6_Click() {
    Globals& g = ctx().globals;
    ctx().screens.show(ScreenId::Hub);
    ctx().screens.unload(ScreenId::FailedItems);
    ctx().screens.unload(ScreenId::Test);
    g.delay = 0;
    state().startset = 0;
    g.numsent = 0;
}

void TestScreen::leaveTo(ScreenId target) {
    ctx().screens.show(target);
    ctx().screens.unload(ScreenId::Test);
}

void TestScreen::mnuNumeroItem_Click(int index) {
    Globals& g = ctx().globals;
    for (size_t i = 0; i < m_numberItems.size(); ++i)
        m_numberItems[i]->setChecked(int(i) == index);
    g.numsent = kNumbers[index];
    m_label25->setText(QString::number(g.numsent));
    m_label19->show();
    m_label25->show();
}

void TestScreen::mnuTiempoItem_Click(int index) {
    Globals& g = ctx().globals;
    for (size_t i = 0; i < m_delayItems.size(); ++i)
        m_delayItems[i]->setChecked(int(i) == index);
    g.delay = kDelays[index];
    m_label23->setText(QString::number(g.delay / 1000) + QStringLiteral(" s"));
    m_label20->show();
    m_label23->show();
}

void TestScreen::beg_Click(int index) {
    // The check marks of the starting points stay as designed, whichever is chosen.
    for (size_t i = 0; i < m_beg.size(); ++i)
        m_beg[i]->setChecked(i == 0);
    TestState& st = state();
    st.startcrit = startCriterion(index);
    keresa();
    st.startset = 1;
}

void TestScreen::keresa() {
    handler([this] {
        m_data1->refresh();
        showBoundRow();
        m_data1->findNext(state().startcrit);
        showBoundRow();
    });
}

} // namespace lexora
