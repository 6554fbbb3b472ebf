#include "screens/test/faileditemsscreen.h"

namespace lexora {

FailedItemsScreen::FailedItemsScreen(AppContext& context) : Screen(context, ScreenId::FailedItems, QStringLiteral("Hibatst")) {}

} // namespace lexora
