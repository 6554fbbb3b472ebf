// SPDX-FileCopyrightText: 2026 The Lexora English developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <QStringList>

namespace lexora {

// The options both programs answer before doing anything else: --help and --version. They are
// read from the plain argument list, so `lexora --help` works where no display can be opened,
// before any application object exists.
class CommandLine {
public:
    enum class Action { Run, Help, Version, Refuse };

    // Reads `arguments` as main received them, the program's name first. With `commandsFollow`
    // (lexora-items), everything from the first word that is not an option belongs to a command
    // and is left alone; without it (lexora), any such word is refused.
    static CommandLine read(const QStringList& arguments, bool commandsFollow);

    Action action() const { return m_action; }
    // Why the arguments were refused, for Refuse.
    QString problem() const { return m_problem; }

    // "1.0.0", the project's version.
    static QString version();
    // The copyright and licence lines that follow the version line of --version.
    static QString licence();

    // The exit status of a refused command line, as for every command of the programs.
    static constexpr int refusedStatus = 2;

private:
    Action m_action = Action::Run;
    QString m_problem;
};

// The arguments of main as a list, without an application object (local 8-bit encoding).
QStringList argumentList(int argc, char** argv);

} // namespace lexora
