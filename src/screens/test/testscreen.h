#pragma once

#include "app/screen.h"

namespace lexora {

class TestScreen : public Screen {
    Q_OBJECT

public:
    explicit TestScreen(AppContext& context);
};

} // namespace lexora
