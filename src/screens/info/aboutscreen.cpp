// SPDX-FileCopyrightText: 2026 The Lexora English developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "screens/info/aboutscreen.h"

#include "app/appcontext.h"
#include "app/clickablelabel.h"
#include "app/window.h"
#include "screens/info/aboutpictures.h"
#include "text/captions.h"
#include "text/commandline.h"
#include "text/translated.h"

#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QTimer>

namespace lexora {

namespace {

// Each picture carries a number, so that "the same picture" is a plain comparison.
const char* const pictureProperty = "picture";

void givePicture(QLabel* to, const QLabel* from) {
    to->setPixmap(from->pixmap());
    to->setProperty(pictureProperty, from->property(pictureProperty));
}

int pictureOf(const QLabel* label) {
    return label->property(pictureProperty).toInt();
}

QLabel* frameLabel(QWidget* parent, const char* name, int number, int frame) {
    auto* label = new QLabel(parent);
    label->setObjectName(QLatin1String(name));
    label->setPixmap(mosaicFrame(frame, 76));
    label->setProperty(pictureProperty, number);
    label->hide();
    return label;
}

QLabel* textLine(QWidget* parent, const char* name, const QString& text, int top) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(QLatin1String(name));
    placeTwips(label, 1620, top, 4140, 300);
    return label;
}

const char* const infoText =
    "A Lexora English hagyom\u00e1nyos asztali program, amely a sz\u00e1m\u00edt\u00f3g\u00e9p b\u00e1rmelyik "
    "mapp\u00e1j\u00e1ban elhelyezhet\u0151 \u00e9s onnan ind\u00edthat\u00f3. Egy dologra kell "
    "figyelni: az adatb\u00e1zisf\u00e1jlnak (kiterjeszt\u00e9se \".mdb\") mindig ugyanabban a mapp\u00e1ban kell "
    "lennie, mint mag\u00e1nak a programnak. A programmal \u00e9s a nyelvi anyaggal kapcsolatos "
    "\u00e9szrev\u00e9teleket, javaslatokat \u00e9s hibajelz\u00e9seket \u00f6r\u00f6mmel fogadjuk.\r\n"
    "\r\n"
    "Lexora English fejleszt\u0151csapat\r\n"
    "E-mail: visszajelzes@lexora-english.example";

} // namespace

AboutScreen::AboutScreen(AppContext& context) : Screen(context, ScreenId::About, QStringLiteral("sobre")) {
    setWindowTitle(QStringLiteral("A b o u t"));
    setFont(uiFont(FontFace::Sans, 9));
    buildControls();
    // The splash has no OK button, so it leaves out the button's row.
    setClientSizeTwips(6300, ctx().globals.aboutfrommenu == 0 ? 3600 : 4290);

    m_timer1 = new QTimer(this);
    m_timer1->setObjectName(QStringLiteral("Timer1"));
    m_timer1->setInterval(30);
    m_timer2 = new QTimer(this);
    m_timer2->setObjectName(QStringLiteral("Timer2"));
    m_timer2->setInterval(300);
    connect(m_timer1, &QTimer::timeout, this, &AboutScreen::Timer1_Timer);
    connect(m_timer2, &QTimer::timeout, this, &AboutScreen::Timer2_Timer);
    connect(m_image2, &ClickableLabel::clicked, this, &AboutScreen::Image2_Click);
    connect(m_command1, &QPushButton::clicked, this, &AboutScreen::Command1_Click);
    // Both timers run from the moment the window exists.
    m_timer1->start();
    m_timer2->start();
}

void AboutScreen::buildControls() {
    m_panel = new QFrame(canvas());
    m_panel->setObjectName(QStringLiteral("Panel3D1"));
    m_panel->setFrameStyle(QFrame::Panel | QFrame::Raised);
    m_panel->setLineWidth(2);
    placeTwips(m_panel, 180, 180, 5940, 3240);

    m_label1 = new QLabel(QStringLiteral("Lexora English"), m_panel);
    m_label1->setObjectName(QStringLiteral("Label1"));
    m_label1->setAlignment(Qt::AlignCenter);
    m_label1->setFont(uiFont(FontFace::Sans, 16));
    setColors(m_label1, QColor(), QColor(1, 33, 105));
    placeTwips(m_label1, 180, 150, 5580, 480);

    m_image1 = new QLabel(m_panel);
    m_image1->setObjectName(QStringLiteral("Image1"));
    placeTwips(m_image1, 240, 780, 1140, 1140);
    m_image3 = frameLabel(m_panel, "Image3", 3, 0);
    m_image4 = frameLabel(m_panel, "Image4", 4, 1);
    m_image5 = frameLabel(m_panel, "Image5", 5, 2);

    textLine(m_panel, "Label2", QStringLiteral("Grammar drills for learners of English"), 840);
    textLine(m_panel, "Label4", QStringLiteral("Program and exercises:"), 1230);
    textLine(m_panel, "Label5", QStringLiteral("the Lexora English team"), 1530);
    m_version = textLine(m_panel, "version", QString(), 1830);

    m_label3 = new QLabel(m_panel);
    m_label3->setObjectName(QStringLiteral("Label3"));
    m_label3->setWordWrap(true);
    placeTwips(m_label3, 240, 2160, 4500, 870);

    m_image2 = new ClickableLabel(m_panel);
    m_image2->setObjectName(QStringLiteral("Image2"));
    m_image2->setPixmap(compactDiscPicture(56));
    placeTwips(m_image2, 4920, 2130, 840, 840);

    m_command1 = new QPushButton(QStringLiteral("&OK"), canvas());
    m_command1->setObjectName(QStringLiteral("Command1"));
    placeTwips(m_command1, 2400, 3600, 1500, 450);
    m_command1->hide();
}

void AboutScreen::formLoad() {
    center(this);
    keepOnTop(this);
    setBusyPointer(this, ctx().globals.aboutfrommenu == 0);
    language();
    givePicture(m_image1, m_image3);
}

void AboutScreen::language() {
    setCaption(this, ctx().caption(89));
    setCaption(m_command1, ctx().caption(0));
    setCaption(m_label1, ctx().caption(65));
    setCaption(m_label3, ctx().caption(88));
    // The disc answers a click with a word on the program; screen readers name it by that.
    static const Translated discName = {"What is this?", "Mi ez?", "¿Qué es esto?", "Qu'est-ce que c'est\u00a0?"};
    const int lang = ctx().globals.langcode.value_or(LangCode::English);
    m_image2->setAccessibleName(discName.in(lang));
    static const Translated version = {"Version %1", u8"Verzió: %1", u8"Versión %1", u8"Version %1"};
    m_version->setText(version.in(lang).arg(CommandLine::version()));
}

void AboutScreen::formUnload() {
    m_timer1->stop();
}

void AboutScreen::becomeDialog() {
    m_command1->show();
    m_timer1->stop();
    setDefaultButton(m_command1);
}

void AboutScreen::Timer1_Timer() {
    handler([this] {
        // Stopped first: while the hub loads, a message box may keep timer ticks coming,
        // and a second hand-over must not start inside the first.
        m_timer1->stop();
        ctx().screens.show(ScreenId::Hub);
        ctx().screens.unload(ScreenId::About);
        ctx().globals.aboutfrommenu = 1;
    });
}

void AboutScreen::Timer2_Timer() {
    const int now = pictureOf(m_image1);
    if (now == pictureOf(m_image3))
        givePicture(m_image1, m_image4);
    else if (now == pictureOf(m_image4))
        givePicture(m_image1, m_image5);
    else if (now == pictureOf(m_image5))
        givePicture(m_image1, m_image3);
}

void AboutScreen::Image2_Click() {
    handler([this] {
        ctx().platform.message(this, QString::fromUtf8(infoText), QStringLiteral("Mi ez?"), MessageIcon::Information);
    });
}

void AboutScreen::Command1_Click() {
    handler([this] {
        ctx().screens.show(ScreenId::Hub);
        ctx().screens.unload(ScreenId::About);
    });
}

void AboutScreen::closeBoxPressed() {
    // During the splash the close box hands over to the hub at once; afterwards it is OK.
    if (m_timer1->isActive())
        Timer1_Timer();
    else
        Command1_Click();
}

} // namespace lexora
