// SPDX-FileCopyrightText: 2026 The Lexora English developers
// SPDX-License-Identifier: GPL-3.0-or-later

// lexora-screenshots: drives the program through its screens and saves pictures of them.

#include "scenario.h"

#include "app/realplatform.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QScreen>
#include <QTemporaryDir>
#include <QTextStream>
#include <QThread>
#include <QTimer>

namespace lexora::shots {

ToldMessage& toldMessage() {
    static ToldMessage told;
    return told;
}

const ToldMessage& lastMessage() {
    return toldMessage();
}

QDateTime& shotClock() {
    static QDateTime clock;
    return clock;
}

// Like the real platform, but boxes are recorded instead of waiting for a person.
class ShotPlatform : public RealPlatform {
public:
    void message(QWidget*, const QString& text, const QString& title, MessageIcon icon) override {
        QTextStream(stdout) << "  message [" << title << "]: " << text << '\n';
        toldMessage() = {text, title, icon};
    }
    QString input(QWidget*, const QString&, const QString& prompt, const QString& defaultText) override {
        QTextStream(stdout) << "  input: " << prompt.left(40) << "... -> " << defaultText << '\n';
        return defaultText;
    }
    std::optional<FontChoice> chooseFont(QWidget*, const FontChoice&) override { return std::nullopt; }
    void endProcess() override {}
    QDateTime now() override { return shotClock().isValid() ? shotClock() : RealPlatform::now(); }
};

std::vector<Scenario>& scenarios() {
    static std::vector<Scenario> all;
    return all;
}

Camera::Camera(Program& program, const QString& outDir, const QString& scenario)
    : m_program(program), m_outDir(outDir), m_scenario(scenario) {}

void Camera::wait(int ms) {
    QTimer::singleShot(ms, [] {});
    const auto until = QDateTime::currentMSecsSinceEpoch() + ms;
    while (QDateTime::currentMSecsSinceEpoch() < until) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        QThread::msleep(5);
    }
}

void Camera::shoot(QWidget* window, const QString& name) {
    wait();
    const QString file = QDir(m_outDir).filePath(m_scenario + "-" + name + ".png");
    // The whole screen shows the window as it stands among the others, frame included.
    QScreen* screen = window->screen();
    const QRect frame = window->frameGeometry().adjusted(-4, -4, 4, 4);
    const QPixmap picture = screen ? screen->grabWindow(0, frame.x(), frame.y(), frame.width(), frame.height())
                                   : window->grab();
    picture.save(file);
    QTextStream(stdout) << "  saved " << file << '\n';
}

} // namespace lexora::shots

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() < 2) {
        QTextStream(stderr) << "usage: lexora-screenshots OUTDIR [SCENARIO...]\n";
        return 2;
    }
    QDir().mkpath(args[1]);
    using namespace lexora::shots;
    for (const Scenario& scenario : scenarios()) {
        if (args.size() > 2 && !args.mid(2).contains(scenario.name))
            continue;
        QTextStream(stdout) << scenario.name << '\n';
        shotClock() = QDateTime();
        // Each scenario runs on fresh copies of the shipped databases.
        QTemporaryDir dir;
        for (const char* db : {"en_data1.mdb", "enpool1d.mdb", "en_data2.mdb", "en_data3.mdb"})
            QFile::copy(QCoreApplication::applicationDirPath() + "/" + db, dir.filePath(db));
        lexora::Program program(dir.path(), std::make_unique<ShotPlatform>());
        Camera camera(program, args[1], scenario.name);
        scenario.run(camera);
    }
    return 0;
}
