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

// ---------------------------------------------------------------- controls

QLineEdit* DatabaseScreen::makeLineBox(const QString& name, const QString& field, int left, int top, int width,
                                       int height) {
    auto* box = new QLineEdit(canvas());
    box->setObjectName(name);
    placeTwips(box, left, top, width, height);
    box->setFont(uiFont(FontFace::Serif, 12));
    box->hide();
    m_binder->bind(box, field);
    return box;
}

void DatabaseScreen::buildFields() {
    auto* text1 = makeLineBox("Text1", "Sorszam", 120, 960, 735, 420);
    m_text2 = makeLineBox("Text2", "szint", 1560, 240, 615, 480);
    auto* text10 = makeLineBox("Text10", "felelet2", 3000, 3000, 495, 420);
    for (QLineEdit* box : {text1, m_text2, text10}) {
        setColors(box, kFieldColour, Qt::white);
        box->setFont(uiFont(FontFace::Sans, 12));
        box->setAlignment(Qt::AlignCenter);
    }
    text1->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    m_text2->setFont(uiFont(FontFace::Sans, 13.5));

    m_text3 = new QPlainTextEdit(canvas());
    m_text3->setObjectName("Text3");
    placeTwips(m_text3, 1080, 960, 8415, 735);
    m_text3->setFont(uiFont(FontFace::Serif, 12));
    m_text3->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    m_text3->setTabChangesFocus(true);
    m_text3->hide();
    m_binder->bind(m_text3, "mondat");

    auto* text4 = makeLineBox("Text4", "a", 600, 1920, 4095, 420);
    auto* text5 = makeLineBox("Text5", "b", 600, 2400, 4095, 420);
    auto* text6 = makeLineBox("Text6", "c", 5280, 1920, 4215, 420);
    auto* text7 = makeLineBox("Text7", "d", 5280, 2400, 4215, 420);
    auto* text8 = makeLineBox("Text8", "felelet1", 3600, 3000, 4455, 420);
    m_boxes = {text1, m_text2, m_text3, text4, text5, text6, text7, text10, text8};
    // The boxes have no captions of their own: screen readers name them by the field they edit.
    markSpoken(text1, Spoken::RecordNumber);
    markSpoken(m_text2, Spoken::Level);
    markSpoken(m_text3, Spoken::Sentence);
    markSpoken(text4, Spoken::Answer, 'A');
    markSpoken(text5, Spoken::Answer, 'B');
    markSpoken(text6, Spoken::Answer, 'C');
    markSpoken(text7, Spoken::Answer, 'D');
    markSpoken(text10, Spoken::RightLetter);
    markSpoken(text8, Spoken::Solution);
    // An item without a number can never be drawn, one without a level never chosen by level.
    m_binder->requireValue("Sorszam");
    m_binder->requireValue("szint");
}

QLabel* DatabaseScreen::makeLabel(const QString& name, int left, int top, int width, int height) {
    auto* label = new QLabel(canvas());
    label->setObjectName(name);
    placeTwips(label, left, top, width, height);
    label->hide();
    return label;
}

void DatabaseScreen::buildLabels() {
    m_label6 = makeLabel("Label6", 810, 240, 645, 240);
    m_label11 = makeLabel("Label11", 2820, 240, 675, 240);
    m_label5 = makeLabel("Label5", 1980, 3120, 915, 240);
    for (QLabel* label : {m_label6, m_label11, m_label5}) {
        setColors(label, kWindowColour, Qt::white);
        label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        label->setFont(uiFont(FontFace::Sans, 9.75));
    }

    m_label10 = makeLabel("Label10", 3600, 240, 5655, 495);
    setColors(m_label10, kFieldColour, Qt::white);
    m_label10->setFrameStyle(QFrame::Box | QFrame::Plain);
    m_label10->setAlignment(Qt::AlignCenter);
    m_label10->setFont(uiFont(FontFace::Sans, 13.5));

    m_label7 = makeLabel("Label7", 840, 1080, 255, 255);
    setColors(m_label7, kWindowColour, Qt::black);
    m_label7->setAlignment(Qt::AlignCenter);
    m_label7->setFont(uiFont(FontFace::Sans, 12));
    m_label7->setText(QStringLiteral("."));

    const int lefts[] = {120, 120, 4800, 4800};
    const int tops[] = {1920, 2400, 1920, 2400};
    for (int i = 0; i < 4; ++i) {
        QLabel* label = makeLabel(QStringLiteral("Label%1").arg(i + 1), lefts[i], tops[i], 375, 375);
        setColors(label, kFieldColour, Qt::white);
        label->setFrameStyle(QFrame::Box | QFrame::Plain);
        label->setAlignment(Qt::AlignCenter);
        label->setFont(uiFont(FontFace::Sans, 12));
        label->setText(QString(QChar('A' + i)));
        m_letterLabels[size_t(i)] = label;
    }
}

QPushButton* DatabaseScreen::makeButton(const QString& name, int left, int top, int width, int height) {
    auto* button = new QPushButton(canvas());
    button->setObjectName(name);
    placeTwips(button, left, top, width, height);
    button->setFont(uiFont(FontFace::Sans, 9.75));
    button->hide();
    return button;
}

void DatabaseScreen::buildButtons() {
    m_command10 = makeButton("Command10", 3600, 1320, 2175, 855);
    m_command10->setFont(uiFont(FontFace::Sans, 13.5));
    m_command10->show();
    m_command6 = makeButton("Command6", 480, 3600, 2175, 495);
    m_command3 = makeButton("Command3", 480, 4080, 2175, 495);
    m_command7 = makeButton("Command7", 480, 4560, 2175, 495);
    m_command8 = makeButton("Command8", 480, 5040, 2175, 495);
    m_command1 = makeButton("Command1", 3840, 3720, 2175, 495);
    m_command5 = makeButton("Command5", 7080, 3720, 2175, 495);
    m_command11 = makeButton("Command11", 7080, 4200, 2175, 495);
    m_command4 = makeButton("Command4", 7080, 4680, 2175, 495);
    m_command2 = makeButton("Command2", 7080, 5160, 2175, 495);

    const auto on = [this](QPushButton* button, void (DatabaseScreen::*slot)()) {
        connect(button, &QPushButton::clicked, this, [this, slot] { (this->*slot)(); });
    };
    on(m_command10, &DatabaseScreen::Command10_Click);
    on(m_command6, &DatabaseScreen::Command6_Click);
    on(m_command3, &DatabaseScreen::Command3_Click);
    on(m_command7, &DatabaseScreen::Command7_Click);
    on(m_command8, &DatabaseScreen::Command8_Click);
    on(m_command1, &DatabaseScreen::Command1_Click);
    on(m_command5, &DatabaseScreen::Command5_Click);
    on(m_command11, &DatabaseScreen::Command11_Click);
    on(m_command4, &DatabaseScreen::Command4_Click);
    on(m_command2, &DatabaseScreen::Command2_Click);
}

void DatabaseScreen::buildMenus() {
    const auto menu = [this](QMenu* parent, const QString& name) {
        return nameMenu(parent ? parent->addMenu(QString()) : menuBar()->addMenu(QString()), name);
    };
    const auto entry = [](QMenu* parent, const QString& name) { return addEntry(parent, name); };

    m_mnuTasks = menu(nullptr, "mnuTasks");
    m_mnuLexora = entry(m_mnuTasks, "mnuLexora");
    setCaption(m_mnuLexora, QStringLiteral("&Lexora"));
    m_mnuDatabase = entry(m_mnuTasks, "mnuDatabase");
    m_mnuDatabase->setEnabled(false); // this is the Database screen
    m_mnuPractice = entry(m_mnuTasks, "mnuPractice");
    m_mnuTest = entry(m_mnuTasks, "mnuTest");
    connect(m_mnuLexora, &QAction::triggered, this, &DatabaseScreen::mnuLexora_Click);
    connect(m_mnuPractice, &QAction::triggered, this, &DatabaseScreen::mnuPractice_Click);
    connect(m_mnuTest, &QAction::triggered, this, &DatabaseScreen::mnuTest_Click);

    m_mnuOptions = menu(nullptr, "mnuOptions");
    m_mnuFonts = entry(m_mnuOptions, "mnuFonts");
    connect(m_mnuFonts, &QAction::triggered, this, &DatabaseScreen::mnuFonts_Click);
    m_exchange = std::make_unique<ItemExchangeMenu>(ctx(), this, m_mnuOptions);
    connect(m_exchange->exportEntry(), &QAction::triggered, this, &DatabaseScreen::mnuExportItems_Click);
    connect(m_exchange->importEntry(), &QAction::triggered, this, &DatabaseScreen::mnuImportItems_Click);
    m_mnuWorksheet = entry(m_mnuOptions, "mnuWorksheet");
    connect(m_mnuWorksheet, &QAction::triggered, this, &DatabaseScreen::mnuWorksheet_Click);
    m_mnuReason = entry(m_mnuOptions, "mnuReason");
    connect(m_mnuReason, &QAction::triggered, this, &DatabaseScreen::mnuReason_Click);
    m_mnuFill = entry(m_mnuOptions, "mnufill");
    connect(m_mnuFill, &QAction::triggered, this, &DatabaseScreen::mnuFill_Click);
    m_mnuFindText = entry(m_mnuOptions, "mnufindtext");
    connect(m_mnuFindText, &QAction::triggered, this, &DatabaseScreen::mnuFindText_Click);
    m_mnuUndoDelete = entry(m_mnuOptions, "mnuUndoDelete");
    m_mnuUndoDelete->setShortcut(QKeySequence::Undo);
    connect(m_mnuUndoDelete, &QAction::triggered, this, &DatabaseScreen::mnuUndoDelete_Click);

    m_mnuTopic = menu(nullptr, "mnuTopic");
    for (int n = 0; n < TopicCatalogue::count; ++n) {
        QAction* item = entry(m_mnuTopic, QStringLiteral("mnuTopicItem_%1").arg(n));
        item->setCheckable(true);
        // Only the first entry carries a mark, from the start; tagging never moves it.
        item->setChecked(n == 0);
        connect(item, &QAction::triggered, this, [this, n, item] {
            item->setChecked(n == 0);
            mnuTopicItem_Click(n);
        });
        m_mnuTopicItem[size_t(n)] = item;
    }
}

void DatabaseScreen::setTabOrder() {
    // The boxes in the order of the item's fields, so that answers typed from paper land in A, B,
    // C and D in turn; then the buttons.
    QWidget* const order[] = {m_boxes[0], m_boxes[1], m_boxes[2], m_boxes[3],  m_boxes[4], m_boxes[5], m_boxes[6],
                              m_boxes[7], m_boxes[8], m_command1, m_command4,  m_command5, m_command7, m_command2,
                              m_command3, m_command6, m_command8, m_command10, m_command11};
    for (size_t i = 1; i < std::size(order); ++i)
        QWidget::setTabOrder(order[i - 1], order[i]);
}

} // namespace lexora
