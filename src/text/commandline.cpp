// SPDX-FileCopyrightText: 2026 The Lexora English developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "text/commandline.h"

#include <QCommandLineParser>

#ifndef LEXORA_VERSION
#error "LEXORA_VERSION must be defined by the build"
#endif

namespace lexora {

CommandLine CommandLine::read(const QStringList& arguments, bool commandsFollow) {
    QCommandLineParser parser;
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")}, QString());
    const QCommandLineOption version({QStringLiteral("v"), QStringLiteral("version")}, QString());
    parser.addOption(help);
    parser.addOption(version);
    // "-hv" is two options, as in most commands; "-help" is not.
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsCompactedShortOptions);
    if (commandsFollow)
        parser.setOptionsAfterPositionalArgumentsMode(QCommandLineParser::ParseAsPositionalArguments);

    CommandLine result;
    if (!parser.parse(arguments)) {
        result.m_action = Action::Refuse;
        result.m_problem = parser.errorText();
    } else if (parser.isSet(help)) {
        result.m_action = Action::Help;
    } else if (parser.isSet(version)) {
        result.m_action = Action::Version;
    } else if (!commandsFollow && !parser.positionalArguments().isEmpty()) {
        result.m_action = Action::Refuse;
        result.m_problem = QStringLiteral("Unexpected argument '%1'.").arg(parser.positionalArguments().first());
    }
    return result;
}

QString CommandLine::version() {
    return QStringLiteral(LEXORA_VERSION);
}

QString CommandLine::licence() {
    return QStringLiteral(
        "Copyright 2026 The Lexora English developers\n"
        "The program is free software under the GNU General Public License, version 3 or later\n"
        "(GPL-3.0-or-later): you may share and change it under its terms. The item databases, the\n"
        "grammar notes and the icon are under the Creative Commons Attribution-ShareAlike 4.0\n"
        "International licence (CC-BY-SA-4.0).\n"
        "There is NO WARRANTY, to the extent permitted by law.\n");
}

QStringList argumentList(int argc, char** argv) {
    QStringList list;
    for (int i = 0; i < argc; ++i)
        list << QString::fromLocal8Bit(argv[i]);
    return list;
}

} // namespace lexora
