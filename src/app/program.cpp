// SPDX-FileCopyrightText: 2026 The Lexora English developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/program.h"

#include "app/realplatform.h"
#include "screens/database/databasescreen.h"
#include "screens/grammar/grammarscreen.h"
#include "screens/hub/hubscreen.h"
#include "screens/info/aboutscreen.h"
#include "screens/info/helpscreen.h"
#include "screens/practice/practicescreen.h"
#include "screens/progress/progressscreen.h"
#include "screens/start/backgroundscreen.h"
#include "screens/start/languagescreen.h"
#include "screens/test/faileditemsscreen.h"
#include "screens/test/testscreen.h"

namespace lexora {

namespace {

template <typename T> ScreenRegistry::Factory make() {
    return [](AppContext& context) -> Screen* { return new T(context); };
}

} // namespace

Program::Program(const QString& programDir, std::unique_ptr<Platform> platform)
    : m_platform(platform ? std::move(platform) : std::make_unique<RealPlatform>()),
      m_context(std::make_unique<AppContext>(programDir, *m_platform)) {
    registerScreens();
}

Program::Program(const ProgramFolder& folder, std::unique_ptr<Platform> platform)
    : Program(folder.dir, std::move(platform)) {
    m_context->copyFailures = folder.failures;
    if (folder.layout == ProgramFolder::Layout::Installed)
        m_context->explanations.setShippedDir(folder.shippedDir);
}

Program::~Program() {
    m_context->screens.discardAll();
}

void Program::registerScreens() {
    ScreenRegistry& screens = m_context->screens;
    screens.registerScreen(ScreenId::Lang, make<LanguageScreen>());
    screens.registerScreen(ScreenId::Hatter, make<BackgroundScreen>());
    screens.registerScreen(ScreenId::Hub, make<HubScreen>());
    screens.registerScreen(ScreenId::Practice, make<PracticeScreen>());
    screens.registerScreen(ScreenId::Test, make<TestScreen>());
    screens.registerScreen(ScreenId::FailedItems, make<FailedItemsScreen>());
    screens.registerScreen(ScreenId::Database, make<DatabaseScreen>());
    screens.registerScreen(ScreenId::Help, make<HelpScreen>());
    screens.registerScreen(ScreenId::About, make<AboutScreen>());
    screens.registerScreen(ScreenId::Progress, make<ProgressScreen>());
    screens.registerScreen(ScreenId::Grammar, make<GrammarScreen>());
}

void Program::start() {
    m_context->screens.show(ScreenId::Lang);
}

} // namespace lexora
