#include "app/program.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    lexora::Program program(QCoreApplication::applicationDirPath());
    program.start();
    return app.exec();
}
