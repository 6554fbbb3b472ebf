// SPDX-FileCopyrightText: 2026 The Lexora English developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "screens/start/languagescreen.h"

#include "app/appcontext.h"
#include "app/qttranslations.h"
#include "app/window.h"
#include "screens/start/flagpictures.h"
#include "text/captions.h"

#include <QLabel>
#include <QPushButton>

namespace lexora {

namespace {

struct LanguageButton {
    const char* name;
    const char* caption;
    Flag flag;
    bool enabled;
    int column; // 0 left, 1 right
    int row;
};

// In button order; German and Italian are shown but are not working languages.
const LanguageButton languageButtons[6] = {
    {"Command1", "&English", Flag::UnitedKingdom, true, 0, 0}, {"Command2", "&Fran\u00e7ais", Flag::France, true, 0, 1},
    {"Command3", "&Deutsch", Flag::Germany, false, 0, 2},      {"Command4", "&Italiano", Flag::Italy, false, 1, 1},
    {"Command5", "E&spa\u00f1ol", Flag::Spain, true, 1, 0},    {"Command6", "&Magyar", Flag::Hungary, true, 1, 2},
};

const QColor grey(128, 128, 128);

QLabel* whiteLabel(QWidget* parent, const char* name, const QString& text, double pointSize) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(QLatin1String(name));
    label->setAlignment(Qt::AlignCenter);
    label->setFont(uiFont(FontFace::Arial, pointSize));
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, Qt::white);
    label->setPalette(palette);
    return label;
}

QLabel* picture(QWidget* parent, const QString& name, const QPixmap& pixmap) {
    auto* label = new QLabel(parent);
    label->setObjectName(name);
    label->setPixmap(pixmap);
    return label;
}

} // namespace

LanguageScreen::LanguageScreen(AppContext& context) : Screen(context, ScreenId::Lang, QStringLiteral("lang")) {
    setWindowTitle(QStringLiteral("Lexora English"));
    // Only the ground is grey: the buttons keep the usual button colours.
    QPalette palette = canvas()->palette();
    palette.setColor(QPalette::Window, grey);
    canvas()->setPalette(palette);
    canvas()->setAutoFillBackground(true);
    buildControls();
    setClientSizeTwips(7200, 5250);
}

void LanguageScreen::buildControls() {
    QWidget* c = canvas();
    placeTwips(whiteLabel(c, "Label3", QStringLiteral("Welcome to"), 14), 1350, 300, 4500, 420);
    placeTwips(whiteLabel(c, "Label1", QStringLiteral("LEXORA ENGLISH"), 22), 1200, 720, 4800, 690);
    placeTwips(whiteLabel(c, "Label2", QStringLiteral("Please select the working language:"), 12), 300, 2010, 6600,
               390);
    placeTwips(picture(c, "Image1", outlinePicture(Outline::GreatBritain, QSize(70, 110))), 240, 210, 1050, 1650);
    placeTwips(picture(c, "Image2", outlinePicture(Outline::UnitedStates, QSize(86, 56))), 5760, 540, 1290, 840);

    for (int i = 0; i < 6; ++i) {
        const LanguageButton& entry = languageButtons[i];
        const int top = 2700 + entry.row * 840;
        const int left = entry.column == 0 ? 450 : 3750;
        placeTwips(picture(c, QStringLiteral("Image_%1").arg(i), flagPicture(entry.flag, QSize(40, 26))), left, top + 90,
                   600, 390);
        auto* button = new QPushButton(QString::fromUtf8(entry.caption), c);
        button->setObjectName(QLatin1String(entry.name));
        button->setFont(uiFont(FontFace::Arial, 10));
        button->setEnabled(entry.enabled);
        placeTwips(button, left + 780, top, 2220, 570);
        m_buttons[size_t(i)] = button;
    }
    connect(m_buttons[0], &QPushButton::clicked, this, &LanguageScreen::Command1_Click);
    connect(m_buttons[1], &QPushButton::clicked, this, &LanguageScreen::Command2_Click);
    connect(m_buttons[4], &QPushButton::clicked, this, &LanguageScreen::Command5_Click);
    connect(m_buttons[5], &QPushButton::clicked, this, &LanguageScreen::Command6_Click);
}

void LanguageScreen::formLoad() {
    center(this);
    keepOnTop(this);
    ctx().screens.show(ScreenId::Hatter);
}

void LanguageScreen::Command1_Click() {
    choose(LangCode::English);
}

void LanguageScreen::Command2_Click() {
    choose(LangCode::French);
}

void LanguageScreen::Command5_Click() {
    choose(LangCode::Spanish);
}

void LanguageScreen::Command6_Click() {
    choose(LangCode::Hungarian);
}

void LanguageScreen::choose(qint16 langcode) {
    handler([this, langcode] {
        ctx().globals.langcode = langcode;
        useQtTranslations(langcode);
        ki();
    });
}

// The About window opens as the splash; its timer brings up the hub, whose load
// handler closes this screen.
void LanguageScreen::ki() {
    setBusyPointer(this, true);
    ctx().screens.show(ScreenId::About);
}

void LanguageScreen::closeBoxPressed() {
    // Closing the first window ends the program, as the hub's EXIT does.
    ctx().platform.endProcess();
}

} // namespace lexora
