#pragma once

#include "app/screen.h"

namespace lexora {

class PracticeScreen : public Screen {
    Q_OBJECT

public:
    explicit PracticeScreen(AppContext& context);
};

} // namespace lexora
