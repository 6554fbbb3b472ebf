// SPDX-FileCopyrightText: 2026 The Lexora English developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/screenregistry.h"

#include "app/screen.h"

#include <QGuiApplication>

#include <stdexcept>

namespace lexora {

ScreenRegistry::~ScreenRegistry() {
    discardAll();
}

void ScreenRegistry::registerScreen(ScreenId id, Factory factory) {
    m_factories[id] = std::move(factory);
}

Screen* ScreenRegistry::find(ScreenId id) const {
    const auto it = m_screens.find(id);
    return it == m_screens.end() ? nullptr : it->second.data();
}

bool ScreenRegistry::isLoaded(ScreenId id) const {
    return find(id) != nullptr;
}

Screen* ScreenRegistry::load(ScreenId id) {
    if (Screen* existing = find(id))
        return existing;
    const auto factory = m_factories.find(id);
    if (factory == m_factories.end())
        throw std::logic_error("a screen was used before it was registered");
    Screen* screen = factory->second(m_ctx);
    m_screens[id] = screen;
    screen->formLoad();
    return screen;
}

Screen* ScreenRegistry::show(ScreenId id) {
    Screen* screen = load(id);
    // The load handler may have unloaded the screen itself; then there is nothing to show.
    if (find(id) != screen)
        return nullptr;
    screen->show();
    if (QGuiApplication::platformName() != QLatin1String("offscreen"))
        screen->raise();
    screen->activateWindow();
    return screen;
}

void ScreenRegistry::hide(ScreenId id) {
    if (Screen* screen = load(id))
        screen->hide();
}

void ScreenRegistry::unload(ScreenId id) {
    Screen* screen = find(id);
    if (!screen)
        return;
    // The screen is gone for everyone at once; the window itself goes when the running
    // handler (which may belong to it) has returned.
    m_screens.erase(id);
    screen->formUnload();
    screen->hide();
    screen->deleteLater();
}

void ScreenRegistry::discardAll() {
    for (auto& [id, screen] : m_screens) {
        if (screen)
            delete screen.data();
    }
    m_screens.clear();
}

} // namespace lexora
