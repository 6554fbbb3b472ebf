#include "app/application.h"
#include "app/platform.h"
#include "app/program.h"

int main(int argc, char** argv) {
    lexora::Application app(argc, argv);
    lexora::Program program(QCoreApplication::applicationDirPath());
    app.setFailureReporter([&program](const QString& text) {
        program.platform().message(nullptr, text, QCoreApplication::applicationName(), lexora::MessageIcon::Stop);
    });
    program.start();
    return app.exec();
}
