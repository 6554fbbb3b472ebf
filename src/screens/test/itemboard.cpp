// SPDX-FileCopyrightText: 2026 The Lexora English developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "screens/test/itemboard.h"

#include "app/accessibility.h"
#include "app/clickablelabel.h"
#include "app/optionpanel.h"
#include "app/spokentexts.h"
#include "app/window.h"
#include "data/itemview.h"

#include <QApplication>
#include <QButtonGroup>
#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

namespace lexora {

namespace {

const char* const kLetters[] = {"A", "B", "C", "D"};

} // namespace

QLabel* makeLabel(QWidget* parent, const QString& name, const QString& text) {
    auto* label = new QLabel(parent);
    label->setObjectName(name);
    label->setTextFormat(Qt::PlainText);
    label->setText(text);
    label->setFont(uiFont(FontFace::Sans, 9.75));
    return label;
}

QLabel* makeItemLabel(QWidget* parent, const QString& name) {
    QLabel* label = makeLabel(parent, name);
    label->setFont(uiFont(FontFace::Serif, 12));
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    label->setMargin(3);
    setColors(label, Qt::white, Qt::black);
    label->hide();
    return label;
}

QLabel* makeBadge(QWidget* parent, const QString& name, const QString& text, const char* background, double points) {
    QLabel* label = makeLabel(parent, name, text);
    label->setFont(uiFont(FontFace::Sans, points));
    label->setAlignment(Qt::AlignCenter);
    setColors(label, QColor(background), Qt::white);
    return label;
}

ItemBoard ItemBoard::build(QWidget* canvas) {
    ItemBoard board;
    board.counter = makeBadge(canvas, QStringLiteral("Label22"), QString(), "#008080", 13.5);
    board.counter->hide();
    board.dot = makeLabel(canvas, QStringLiteral("Label11"), QStringLiteral("."));
    board.dot->setFont(uiFont(FontFace::Sans, 13.5));
    board.dot->hide();
    board.sentence = makeItemLabel(canvas, QStringLiteral("Label13"));

    const char* const answerNames[] = {"Label14", "Label12", "Label15", "Label16"};
    for (int i = 0; i < 4; ++i) {
        board.answers[size_t(i)] = makeItemLabel(canvas, QLatin1String(answerNames[i]));
        QLabel* letter =
            makeBadge(canvas, QStringLiteral("Label%1").arg(i + 1), QLatin1String(kLetters[i]), "#008080", 12);
        letter->hide();
        board.letters[size_t(i)] = letter;
    }

    board.panel = new QFrame(canvas);
    board.panel->setObjectName(QStringLiteral("Frame3D1"));
    board.panel->setFrameStyle(QFrame::Panel | QFrame::Raised);
    board.panel->setLineWidth(2);
    board.panel->hide();
    board.group = new QButtonGroup(board.panel);
    board.group->setExclusive(true);
    for (int i = 0; i < 5; ++i) {
        auto* option = new QRadioButton(board.panel);
        option->setObjectName(QStringLiteral("Option3D%1").arg(i + 1));
        option->setFont(uiFont(FontFace::Sans, 8.25));
        board.group->addButton(option, i);
        if (i < 4) {
            board.options[size_t(i)] = option;
            // The letter beside an option answers a click as the option itself does.
            auto* letter = new ClickableLabel(board.panel);
            letter->setObjectName(QStringLiteral("Label%1").arg(i + 5));
            letter->setTextFormat(Qt::PlainText);
            letter->setText(QLatin1String(kLetters[i]));
            letter->setFont(uiFont(FontFace::Sans, 13.5));
            letter->unsetCursor();
            QObject::connect(letter, &ClickableLabel::clicked, option, &QRadioButton::click);
            board.optionLetters[size_t(i)] = letter;
        } else {
            board.noAnswer = option;
            option->hide();
        }
    }
    board.clearChoice();
    std::vector<OptionPanel::Option> choices;
    for (size_t i = 0; i < 4; ++i)
        choices.push_back({board.options[i], board.optionLetters[i]});
    OptionPanel::attach(board.panel, std::move(choices))->letArrowsMoveFocus();
    board.markForScreenReaders();
    return board;
}

void ItemBoard::markForScreenReaders() const {
    markSpoken(sentence, Spoken::Sentence);
    markSpoken(counter, Spoken::ItemNumber);
    for (size_t i = 0; i < 4; ++i) {
        const QChar letter(QLatin1Char(kLetters[i][0]));
        markSpoken(answers[i], Spoken::Answer, letter);
    }
}

void ItemBoard::nameForScreenReaders(int langcode) const {
    panel->setAccessibleName(SpokenTexts::answersGroup(langcode));
    panel->setAccessibleDescription(SpokenTexts::answersHelp(langcode));
    panel->setToolTip(SpokenTexts::answersHelp(langcode));
    nameChoices();
}

void ItemBoard::nameChoices() const {
    SpokenTexts::nameChoices({options[0], options[1], options[2], options[3]}, answers);
}

QString ItemBoard::spoken(int langcode) const {
    std::array<QString, 4> texts;
    for (size_t i = 0; i < 4; ++i)
        texts[i] = answers[i]->text();
    return SpokenTexts::item(langcode, counter->text(), sentence->text(), texts);
}

void giveGreyLook(QPushButton* button) {
    // The window's colours would paint the button too; it keeps the colours a button has
    // everywhere else, as on the Practice and Database screens.
    QPalette palette = button->palette();
    const QPalette standard = QApplication::palette(button);
    palette.setColor(QPalette::Button, standard.color(QPalette::Button));
    palette.setColor(QPalette::ButtonText, standard.color(QPalette::ButtonText));
    button->setPalette(palette);
}

void ItemBoard::setItemShown(bool shown) const {
    sentence->setVisible(shown);
    dot->setVisible(shown);
    for (QLabel* label : answers)
        label->setVisible(shown);
    for (QLabel* label : letters)
        label->setVisible(shown);
}

void ItemBoard::clearChoice() const {
    noAnswer->setChecked(true);
}

void ItemBoard::placeOption(int index, int left, int top) const {
    placeTwips(options[size_t(index)], left, top, 330, 330);
    placeTwips(optionLetters[size_t(index)], left + 345, top - 15, 300, 360);
}

QString boundText(const LiveView& view, const char* field) {
    return view.hasCurrent() ? view.text(QLatin1String(field)) : QString();
}

} // namespace lexora
