#pragma once

#include "app/screen.h"

namespace lexora {

class LanguageScreen : public Screen {
    Q_OBJECT

public:
    explicit LanguageScreen(AppContext& context);
};

} // namespace lexora
