// SPDX-FileCopyrightText: 2026 The Lexora English developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/application.h"
#include "app/platform.h"
#include "app/program.h"
#include "app/programfolder.h"
#include "text/captions.h"
#include "text/commandline.h"

#include <cstdio>

namespace {

const char* const kUsage = "Usage: lexora [OPTION]\n";

const char* const kHelp =
    "Starts Lexora English, a drill program for learners of English grammar: gapped sentences\n"
    "with four answers, in Practice and Test, and a Database screen for teachers. The window\n"
    "asks for the working language first (English, Hungarian, Spanish or French).\n"
    "\n"
    "Options:\n"
    "  -h, --help     print this help and exit\n"
    "  -v, --version  print the version and the licence and exit\n";

// Answers --help and --version, or refuses the command line, before any application object
// exists, so this works with no display at all. -1 when the program is to start.
int answerCommandLine(int argc, char** argv) {
    const lexora::CommandLine line = lexora::CommandLine::read(lexora::argumentList(argc, argv), false);
    switch (line.action()) {
    case lexora::CommandLine::Action::Run:
        return -1;
    case lexora::CommandLine::Action::Help:
        std::printf("%s%s", kUsage, kHelp);
        return 0;
    case lexora::CommandLine::Action::Version:
        std::printf("Lexora English %s\n%s", qPrintable(lexora::CommandLine::version()),
                    qPrintable(lexora::CommandLine::licence()));
        return 0;
    case lexora::CommandLine::Action::Refuse:
        break;
    }
    std::fprintf(stderr, "lexora: %s\n%sTry 'lexora --help' for more information.\n", qPrintable(line.problem()),
                 kUsage);
    return lexora::CommandLine::refusedStatus;
}

} // namespace

int main(int argc, char** argv) {
    if (const int status = answerCommandLine(argc, argv); status >= 0)
        return status;
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
