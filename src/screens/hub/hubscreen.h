#pragma once

#include "app/screen.h"

namespace lexora {

class HubScreen : public Screen {
    Q_OBJECT

public:
    explicit HubScreen(AppContext& context);
};

} // namespace lexora
