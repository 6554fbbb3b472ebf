// SPDX-FileCopyrightText: 2026 The Lexora English developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "screens/info/helpscreen.h"

#include "app/appcontext.h"
#include "app/window.h"

#include <QLabel>
#include <QPushButton>

namespace lexora {

namespace {

const char* const practiceAndTest =
    u8"A tanuló két gyakorlási forma közül választhat: Gyakorlás és Teszt. A válasz megadása"
    u8" mindkét esetben a megfelelő billentyűk (a, b, c, d) leütésével, vagy a betűk előtt levő"
    u8" kis karikára való kattintással, majd az \"Enter\" billentyű leütésével vagy a \"Következő\""
    u8" gombra való kattintással történik.";

const char* const practiceSettings =
    u8"Ha a \"Gyakorlás\" formát választjuk, a helyes és a  helytelen választ egy zöld, illetve"
    u8" egy piros mező megjelenése mutatja. \"Teszt\" üzemmódban a helytelen válaszokat csak"
    u8" utólag nézhetjük meg. \"Gyakorlás\" üzemmódban a tanuló beállíthatja a nehézségi szintet"
    u8" (Szint: 1, 2, 3), a gyakorlandó nyelvtani témakört (Téma), valamint -ha kívánja- a"
    u8" gyakorlás kezdetét az adatbázison belül. (Az anyag 11  ötven mondatos blokkra van"
    u8" osztva, ezek kezdetére lehet beállítani a programot.)";

const char* const randomOrder =
    u8"Ha kezdetet  vagy témát nem választunk, a mondatok véletlenszerű sorrendben jelennek"
    u8" meg. (Ugyanaz a mondat többször is sorra kerülhet.)  Az adatbázisban való szabad"
    u8" mozgásra (előre, illetve hátra)  nincs lehetőség: az \"Első\", \"Előző\", \"Következő\","
    u8" \"Utolsó\" gombok nem működnek.";

const char* const testSettings =
    u8"\"Teszt\" üzemmód választása esetén a tanuló beállíthatja a kért mondatok számát"
    u8" (Mondatszám), illetve tesztpontonként a várakozási időt másodpercben (Várakozás),"
    u8" valamint a gyakorlás kezdetét (Kezdőpont). Ha ez utóbbit nem állítjuk be, itt is"
    u8" véletlenszerű sorrendben jelennek meg a mondatok. Ha a mondatok számát nem állítottuk"
    u8" be, az \"Értékelés\" gombra való kattintással bármikor leállíthatjuk a feladatot, és"
    u8" kérhetjük az értékelést. Ellenkező esetben az értékelés csak akkor jelenik meg, ha a"
    u8" beállított számú mondaton végigmentünk. Ha a tesztben hibát követtünk el, a megfelelő"
    u8" mezőre rákattintva megnézhetjük az elhibázott mondatokat és megoldásukat, majd"
    u8" visszatérhetünk a tesztfeladathoz.";

// Each panel starts its paragraphs with a short indent, one paragraph to a line.
QString panel(const char* first, const char* second) {
    const QString indent = QStringLiteral("    ");
    return indent + QString::fromUtf8(first) + QLatin1Char('\n') + indent + QString::fromUtf8(second);
}

QLabel* textPanel(QWidget* parent, const char* name, const QString& text) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(QLatin1String(name));
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    label->setMargin(8);
    label->setFont(uiFont(FontFace::Serif, 11));
    setColors(label, QColor(255, 255, 192), Qt::black);
    return label;
}

constexpr int windowWidth = 640;
constexpr int gap = 12;

} // namespace

QString HelpScreen::upperText() {
    return panel(practiceAndTest, practiceSettings);
}

QString HelpScreen::lowerText() {
    return panel(randomOrder, testSettings);
}

HelpScreen::HelpScreen(AppContext& context) : Screen(context, ScreenId::Help, QStringLiteral("Form3")) {
    setWindowTitle(QStringLiteral("How to ..."));
    setFont(uiFont(FontFace::Sans, 9));
    m_label1 = textPanel(canvas(), "Label1", upperText());
    m_label2 = textPanel(canvas(), "Label2", lowerText());
    m_command1 = new QPushButton(QStringLiteral("OK"), canvas());
    m_command1->setObjectName(QStringLiteral("Command1"));
    setDefaultButton(m_command1);
    connect(m_command1, &QPushButton::clicked, this, &HelpScreen::Command1_Click);

    // The panels are as tall as their texts need in the fonts at hand, so nothing is cut off.
    const int inner = windowWidth - 2 * gap;
    const int upper = m_label1->heightForWidth(inner);
    const int lower = m_label2->heightForWidth(inner);
    m_label1->setGeometry(gap, gap, inner, upper);
    m_label2->setGeometry(gap, 2 * gap + upper, inner, lower);
    const int buttonTop = 3 * gap + upper + lower;
    m_command1->setGeometry((windowWidth - 100) / 2, buttonTop, 100, 30);
    const int height = buttonTop + 30 + gap;
    setClientSizeTwips(windowWidth * 15, height * 15);
}

void HelpScreen::formLoad() {
    center(this);
    keepOnTop(this);
}

void HelpScreen::Command1_Click() {
    handler([this] { ctx().screens.unload(ScreenId::Help); });
}

void HelpScreen::closeBoxPressed() {
    Command1_Click();
}

} // namespace lexora
