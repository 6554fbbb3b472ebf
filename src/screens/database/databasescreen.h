#pragma once

#include "app/screen.h"

namespace lexora {

class DatabaseScreen : public Screen {
    Q_OBJECT

public:
    explicit DatabaseScreen(AppContext& context);
};

} // namespace lexora
