#pragma once

#include "app/screen.h"

namespace lexora {

class HelpScreen : public Screen {
    Q_OBJECT

public:
    explicit HelpScreen(AppContext& context);
};

} // namespace lexora
