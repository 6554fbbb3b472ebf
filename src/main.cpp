#include "app/application.h"
#include "app/platform.h"
#include "app/program.h"
#include "app/programfolder.h"
#include "text/captions.h"

int main(int argc, char** argv) {
    lexora::Application app(argc, argv);
    const lexora::ProgramFolder folder =
        lexora::ProgramFolder::prepare(lexora::ProgramFolder::placesFor(QCoreApplication::applicationDirPath()));
    lexora::Program program(folder);
    app.setFailureReporter([&program](const QString& text) {
        program.platform().message(nullptr, text, QCoreApplication::applicationName(), lexora::MessageIcon::Stop);
    });
    app.setWorkingLanguage(
        [&program] { return int(program.globals().langcode.value_or(lexora::LangCode::English)); });
    program.start();
    return app.exec();
}
