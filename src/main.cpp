#include "app/application.h"
#include "app/program.h"

int main(int argc, char** argv) {
    lexora::Application app(argc, argv);
    lexora::Program program(QCoreApplication::applicationDirPath());
    program.start();
    return app.exec();
}
