// SPDX-FileCopyrightText: 2026 The Lexora English developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "app/screenid.h"

#include <QPointer>

#include <functional>
#include <map>
#include <memory>
#include <typeindex>

namespace lexora {

class Screen;
struct AppContext;

// Creates, shows, hides and unloads the screens. Show creates a screen that does not
// exist (running its load handler) and then shows it or brings it to the front; Unload
// runs the close handler and destroys the window. A screen's own variables are kept here
// for the whole run, so a screen shown again finds them as it left them.
class ScreenRegistry {
public:
    using Factory = std::function<Screen*(AppContext&)>;

    explicit ScreenRegistry(AppContext& context) : m_ctx(context) {}
    ~ScreenRegistry();

    void registerScreen(ScreenId id, Factory factory);

    Screen* show(ScreenId id);
    Screen* load(ScreenId id); // creates the screen if needed, without showing it
    void hide(ScreenId id);    // loads the screen if needed, then hides it
    void unload(ScreenId id);  // harmless when the screen is not loaded
    bool isLoaded(ScreenId id) const;
    Screen* find(ScreenId id) const;
    template <typename T> T* find(ScreenId id) const { return qobject_cast<T*>(find(id)); }

    // The state struct of a screen (its variables that survive Unload), made on first use.
    template <typename S> S& state() {
        auto& slot = m_states[std::type_index(typeid(S))];
        if (!slot)
            slot = std::make_shared<S>();
        return *std::static_pointer_cast<S>(slot);
    }

    // Destroys every window at once without running close handlers (the end of the program).
    void discardAll();

private:
    AppContext& m_ctx;
    std::map<ScreenId, Factory> m_factories;
    std::map<ScreenId, QPointer<Screen>> m_screens;
    std::map<std::type_index, std::shared_ptr<void>> m_states;
};

} // namespace lexora
