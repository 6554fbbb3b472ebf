// SPDX-FileCopyrightText: 2026 The Lexora English developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "screens/practice/practicecontrols.h"

#include "app/accessibility.h"
#include "app/accessiblecontrols.h"
#include "app/clickablelabel.h"
#include "app/optionpanel.h"
#include "app/window.h"

#include <QAction>
#include <QFrame>
#include <QLabel>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>

namespace lexora {

namespace {

const QColor kWindow(0x00, 0xC0, 0xC0);
const QColor kTeal(0x00, 0x80, 0x80);
const QColor kWhite(0xFF, 0xFF, 0xFF);
const QColor kGreen(0x00, 0xFF, 0x00);
const QColor kRed(0xFF, 0x00, 0x00);
const QColor kCream(0xFF, 0xFF, 0xC0);
const QColor kPanel(0xC0, 0xC0, 0xC0);
const QColor kPosition(0x80, 0x40, 0x40);
const QColor kCount(0x40, 0x00, 0x00);

struct Box {
    int left, top, width, height;
};

struct LabelLook {
    LabelLook(const QFont& f, const QColor& bg = QColor(), const QColor& fg = QColor(),
              Qt::Alignment a = Qt::AlignLeft | Qt::AlignVCenter, bool w = false)
        : font(f), background(bg), foreground(fg), align(a), wrap(w) {}

    QFont font;
    QColor background; // invalid = the window shows through
    QColor foreground; // invalid = the default text colour
    Qt::Alignment align;
    bool wrap;
};

// Paints a container's background only; the buttons and option buttons inside keep their own colours.
void fillBackground(QWidget* widget, const QColor& colour) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, colour);
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

QLabel* makeLabel(QLabel* label, int number, const Box& box, const LabelLook& look, const QString& text = QString()) {
    label->setObjectName(QStringLiteral("Label%1").arg(number));
    placeTwips(label, box.left, box.top, box.width, box.height);
    label->setFont(look.font);
    label->setAlignment(look.align);
    label->setWordWrap(look.wrap);
    // Item texts are shown as they stand, whatever characters they hold.
    label->setTextFormat(Qt::PlainText);
    label->setText(text);
    if (look.background.isValid() || look.foreground.isValid())
        setColors(label, look.background, look.foreground);
    label->hide();
    return label;
}

QPushButton* makeButton(QWidget* parent, int number, const Box& box, const QFont& font) {
    auto* button = new QPushButton(parent);
    button->setObjectName(QStringLiteral("Command%1").arg(number));
    placeTwips(button, box.left, box.top, box.width, box.height);
    button->setFont(font);
    button->setAutoDefault(false);
    button->hide();
    return button;
}

QMenu* makeMenu(QWidget* parent, const QString& name) {
    return nameMenu(new QMenu(parent), name);
}

void buildItemArea(PracticeControls& c, QWidget* canvas) {
    const LabelLook caption{uiFont(FontFace::Sans, 9.75)};
    const LabelLook level{uiFont(FontFace::Sans, 12), kTeal, kWhite, Qt::AlignCenter};
    const LabelLook title{uiFont(FontFace::Arial, 11.25), kTeal, kWhite};
    const LabelLook position{uiFont(FontFace::Sans, 12), kPosition, kWhite, Qt::AlignCenter};
    const LabelLook count{uiFont(FontFace::Sans, 12), kCount, kWhite, Qt::AlignCenter};
    const LabelLook slash{uiFont(FontFace::Sans, 13.5), {}, {}, Qt::AlignCenter};
    const LabelLook number{uiFont(FontFace::Sans, 13.5), kTeal, kWhite, Qt::AlignCenter};
    const LabelLook dot{uiFont(FontFace::Sans, 13.5), {}, {}, Qt::AlignLeft | Qt::AlignBottom};
    const LabelLook text{uiFont(FontFace::Serif, 12), kWhite, {}, Qt::AlignLeft | Qt::AlignVCenter, true};
    const LabelLook letter{uiFont(FontFace::Sans, 12), kTeal, kWhite, Qt::AlignCenter};

    // Level, topic and position in the top row.
    c.levelCaption = new ClickableLabel(canvas);
    c.label[28] = makeLabel(c.levelCaption, 28, {240, 150, 960, 360}, caption);
    c.label[27] = makeLabel(new QLabel(canvas), 27, {1260, 120, 480, 390}, level);
    // The topic stands where the level does: only one of the two is shown at a time.
    c.label[29] = makeLabel(new QLabel(canvas), 29, {240, 150, 960, 360}, caption);
    c.label[21] = makeLabel(new QLabel(canvas), 21, {1260, 120, 5700, 390}, title);
    c.label[30] = makeLabel(new QLabel(canvas), 30, {7320, 120, 780, 390}, position);
    c.label[32] = makeLabel(new QLabel(canvas), 32, {8100, 120, 300, 390}, slash, QStringLiteral("/"));
    c.label[31] = makeLabel(new QLabel(canvas), 31, {8400, 120, 780, 390}, count);

    // Running number, dot and sentence across the window.
    c.label[22] = makeLabel(new QLabel(canvas), 22, {240, 720, 660, 450}, number);
    c.label[11] = makeLabel(new QLabel(canvas), 11, {930, 720, 180, 450}, dot, QStringLiteral("."));
    c.label[13] = makeLabel(new QLabel(canvas), 13, {1140, 720, 8220, 900}, text);

    // The answers in two columns: a above b on the left, c above d on the right.
    const char* letters = "ABCD";
    const int letterLabels[] = {1, 2, 3, 4};
    const int textLabels[] = {14, 12, 15, 16};
    for (int i = 0; i < 4; ++i) {
        const int left = i < 2 ? 240 : 4860;
        const int top = i % 2 == 0 ? 1800 : 2460;
        c.label[letterLabels[i]] =
            makeLabel(new QLabel(canvas), letterLabels[i], {left, top, 420, 540}, letter, QString(QChar(letters[i])));
        c.label[textLabels[i]] = makeLabel(new QLabel(canvas), textLabels[i], {left + 480, top, 4020, 540}, text);
    }
}

void buildAnswerArea(PracticeControls& c, QWidget* canvas) {
    const LabelLook hidden{uiFont(FontFace::Sans, 9.75)};
    const LabelLook solutionLetter{uiFont(FontFace::Sans, 13.5), kTeal, kWhite, Qt::AlignCenter};
    const LabelLook solutionText{uiFont(FontFace::Serif, 12), kCream, {}, Qt::AlignLeft | Qt::AlignVCenter, true};

    // The green and the red box share one place; neither carries a text.
    c.label[19] = makeLabel(new QLabel(canvas), 19, {240, 3240, 1500, 720}, LabelLook{QFont(), kGreen});
    c.label[20] = makeLabel(new QLabel(canvas), 20, {240, 3240, 1500, 720}, LabelLook{QFont(), kRed});
    c.label[18] = makeLabel(new QLabel(canvas), 18, {240, 4740, 600, 450}, solutionLetter);
    c.label[17] = makeLabel(new QLabel(canvas), 17, {240, 5280, 6360, 720}, solutionText);
    c.label[17]->setIndent(twips(60));
    // The chosen letter and the right letter are kept in labels that are never shown.
    c.label[9] = makeLabel(new QLabel(canvas), 9, {8880, 3240, 300, 300}, hidden);
    c.label[10] = makeLabel(new QLabel(canvas), 10, {8880, 3600, 300, 300}, hidden);

    // The answer panel: A above B on the left, C above D on the right; Option3D1 stands
    // for no answer and is never shown.
    c.frame3D1 = new QFrame(canvas);
    c.frame3D1->setObjectName(QStringLiteral("Frame3D1"));
    c.frame3D1->setFrameStyle(QFrame::Panel | QFrame::Raised);
    c.frame3D1->setLineWidth(2);
    placeTwips(c.frame3D1, 3000, 3780, 3600, 1140);
    fillBackground(c.frame3D1, kPanel);
    c.frame3D1->hide();
    const LabelLook panelLetter{uiFont(FontFace::Sans, 13.5), {}, {}, Qt::AlignCenter};
    const char* letters = "ABCD";
    for (int i = 0; i < 5; ++i) {
        auto* option = new QRadioButton(c.frame3D1);
        option->setObjectName(QStringLiteral("Option3D%1").arg(i + 1));
        option->setFont(uiFont(FontFace::Sans, 8.25));
        c.option[size_t(i + 1)] = option;
        if (i == 0) {
            placeTwips(option, 60, 60, 240, 240);
            option->hide();
            continue;
        }
        const int left = i <= 2 ? 480 : 2040;
        const int top = i % 2 == 1 ? 150 : 630;
        const int letterLabel = 4 + i;
        QLabel* panelLabel = makeLabel(new QLabel(c.frame3D1), letterLabel, {left, top, 420, 360}, panelLetter,
                                       QString(QChar(letters[i - 1])));
        panelLabel->show(); // shown with the panel
        c.label[size_t(letterLabel)] = panelLabel;
        placeTwips(option, left + 480, top + 30, 300, 300);
    }
    c.option[1]->setChecked(true);
    OptionPanel::attach(
        c.frame3D1,
        {{c.option[2], c.label[5]}, {c.option[3], c.label[6]}, {c.option[4], c.label[7]}, {c.option[5], c.label[8]}})
        ->letArrowsMoveFocus();
}

// What the controls without a caption stand for, as screen readers name them.
void markForScreenReaders(PracticeControls& c) {
    markSpoken(c.label[13], Spoken::Sentence);
    const int textLabels[] = {14, 12, 15, 16};
    for (int i = 0; i < 4; ++i) {
        const QChar letter('A' + i);
        markSpoken(c.label[size_t(textLabels[i])], Spoken::Answer, letter);
    }
    // The chosen letter and the right letter are the screen's state, never on show.
    markSecret(c.label[9]);
    markSecret(c.label[10]);
    markSpoken(c.label[19], Spoken::Right);
    markSpoken(c.label[20], Spoken::Wrong);
    markSpoken(c.label[17], Spoken::Solution);
    markSpoken(c.label[18], Spoken::RightLetter);
    markSpoken(c.label[22], Spoken::ItemNumber);
}

void buildButtons(PracticeControls& c, QWidget* canvas) {
    const QFont big = uiFont(FontFace::Sans, 13.5);
    const QFont normal = uiFont(FontFace::Sans, 9.75);
    c.command[3] = makeButton(canvas, 3, {3300, 2640, 3000, 1080}, big);
    c.command[6] = makeButton(canvas, 6, {7920, 6330, 1440, 450}, normal);
    c.command[1] = makeButton(canvas, 1, {240, 4080, 1500, 450}, normal);
    c.command[2] = makeButton(canvas, 2, {3660, 3180, 2280, 450}, normal);
    c.command[10] = makeButton(canvas, 10, {3675, 3195, 2280, 450}, normal);
    c.command[4] = makeButton(canvas, 4, {7920, 5640, 1440, 450}, normal);
    c.command[5] = makeButton(canvas, 5, {2040, 6330, 1380, 450}, uiFont(FontFace::Arial, 11.25));
    c.command[7] = makeButton(canvas, 7, {3480, 6330, 1380, 450}, normal);
    c.command[8] = makeButton(canvas, 8, {4920, 6330, 1380, 450}, normal);
    c.command[9] = makeButton(canvas, 9, {6360, 6330, 1380, 450}, normal);
    c.command[3]->show();
    c.command[6]->show();
    c.label[23] = makeLabel(new QLabel(canvas), 23, {240, 6375, 1740, 360}, LabelLook{normal});
}

void buildMenus(PracticeMenus& m, QMainWindow* window) {
    QMenuBar* bar = window->menuBar();
    m.tasks = makeMenu(window, QStringLiteral("mnuTasks"));
    m.lexora = addEntry(m.tasks, QStringLiteral("mnuLexora"), QStringLiteral("&Lexora"));
    m.database = addEntry(m.tasks, QStringLiteral("mnuDatabase"));
    m.database->setVisible(false);
    m.database->setEnabled(false);
    m.practice = addEntry(m.tasks, QStringLiteral("mnuPractice"));
    m.practice->setEnabled(false);
    m.test = addEntry(m.tasks, QStringLiteral("mnuTest"));
    bar->addMenu(m.tasks);

    m.settings = makeMenu(window, QStringLiteral("mnuSettings"));
    m.parameters = makeMenu(m.settings, QStringLiteral("mnuParameters"));
    m.number = makeMenu(m.parameters, QStringLiteral("mnuNumber"));
    const char* numbers[] = {"20", "30", "40", "50"};
    for (int i = 0; i < 4; ++i)
        m.numero[size_t(i)] =
            addEntry(m.number, QStringLiteral("mnuNúmeroItem_%1").arg(i), QString::fromLatin1(numbers[i]), true);
    m.numero[0]->setChecked(true);
    m.delay = makeMenu(m.parameters, QStringLiteral("mnuDelay"));
    const char* delays[] = {"&10sec", "&20sec", "&30sec"};
    for (int i = 0; i < 3; ++i)
        m.tiempo[size_t(i)] =
            addEntry(m.delay, QStringLiteral("mnuTiempoItem_%1").arg(i), QString::fromLatin1(delays[i]), true);
    m.tiempo[0]->setChecked(true);
    m.parameters->addMenu(m.number);
    m.parameters->addMenu(m.delay);
    m.settings->addMenu(m.parameters);
    m.parameters->menuAction()->setEnabled(false);

    m.level = makeMenu(m.settings, QStringLiteral("mnuLevel"));
    const char* levels[] = {"&1", "&2", "&3", "&1-3"};
    for (int i = 0; i < 4; ++i)
        m.nivel[size_t(i)] =
            addEntry(m.level, QStringLiteral("mnuNivelItem_%1").arg(i), QString::fromLatin1(levels[i]), true);
    m.nivel[0]->setChecked(true);
    m.nivel[3]->setVisible(false);
    m.nivel[3]->setEnabled(false);
    m.settings->addMenu(m.level);

    m.topic = makeMenu(m.settings, QStringLiteral("mnuTopic"));
    for (int i = 0; i < int(m.topicItem.size()); ++i)
        m.topicItem[size_t(i)] = addEntry(m.topic, QStringLiteral("mnuTopicItem_%1").arg(i), QString(), true);
    m.topicItem[0]->setChecked(true);
    m.settings->addMenu(m.topic);

    // The starting points rise by 50 in their captions and by 250 in their criteria;
    // both are fixed texts, the same in every language.
    m.start = makeMenu(m.settings, QStringLiteral("mnuStart"));
    const char* starts[] = {"&1", "51", "1&01", "151", "&201", "251", "&301", "351", "&401", "451", "&501"};
    for (int i = 0; i < 11; ++i)
        m.beg[size_t(i)] = addEntry(m.start, QStringLiteral("beg_%1").arg(i), QString::fromLatin1(starts[i]), true);
    m.beg[0]->setChecked(true);
    m.settings->addMenu(m.start);
    m.due = addEntry(m.settings, QStringLiteral("mnudue"));
    bar->addMenu(m.settings);
}

} // namespace

PracticeControls PracticeControls::build(QMainWindow* window, QWidget* canvas) {
    PracticeControls c;
    fillBackground(canvas, kWindow);
    buildItemArea(c, canvas);
    buildAnswerArea(c, canvas);
    buildButtons(c, canvas);
    buildMenus(c.menus, window);
    markForScreenReaders(c);
    return c;
}

} // namespace lexora
