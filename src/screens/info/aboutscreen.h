#pragma once

#include "app/screen.h"

namespace lexora {

class AboutScreen : public Screen {
    Q_OBJECT

public:
    explicit AboutScreen(AppContext& context);
};

} // namespace lexora
