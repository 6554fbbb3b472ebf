#pragma once

#include "app/screen.h"

namespace lexora {

class BackgroundScreen : public Screen {
    Q_OBJECT

public:
    explicit BackgroundScreen(AppContext& context);
};

} // namespace lexora
