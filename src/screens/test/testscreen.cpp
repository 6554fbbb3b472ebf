#include "screens/test/testscreen.h"

namespace lexora {

TestScreen::TestScreen(AppContext& context) : Screen(context, ScreenId::Test, QStringLiteral("Sptest")) {}

} // namespace lexora
