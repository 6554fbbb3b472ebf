#include "scenario.h"

#include "app/screen.h"

#include <QPushButton>

namespace lexora::shots {

static Register startUp("startup", [](Camera& camera) {
    Program& program = camera.program();
    program.start();
    camera.shoot(program.screens().find(ScreenId::Lang), "language");
});

} // namespace lexora::shots
