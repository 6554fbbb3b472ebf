#include "app/application.h"
#include "app/platform.h"
#include "app/program.h"
#include "text/captions.h"

int main(int argc, char** argv) {
    lexora::Application app(argc, argv);
    lexora::Program program(QCoreApplication::applicationDirPath());
    app.setFailureReporter([&program](const QString& text) {
        program.platform().message(nullptr, text, QCoreApplication::applicationName(), lexora::MessageIcon::Stop);
    });
    app.setWorkingLanguage(
        [&program] { return int(program.globals().langcode.value_or(lexora::LangCode::English)); });
    program.start();
    return app.exec();
}
