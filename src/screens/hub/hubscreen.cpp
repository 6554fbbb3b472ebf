#include "screens/hub/hubscreen.h"

namespace lexora {

HubScreen::HubScreen(AppContext& context) : Screen(context, ScreenId::Hub, QStringLiteral("Lexorasp")) {}

} // namespace lexora
