#pragma once

#include "app/screen.h"

namespace lexora {

class FailedItemsScreen : public Screen {
    Q_OBJECT

public:
    explicit FailedItemsScreen(AppContext& context);
};

} // namespace lexora
