#include "screens/start/backgroundscreen.h"

namespace lexora {

BackgroundScreen::BackgroundScreen(AppContext& context) : Screen(context, ScreenId::Hatter, QStringLiteral("hatter")) {}

} // namespace lexora
