#include "app/desktop_main.h"

#include <iostream>

int RunDesktop(int, char**, const CEffectCommandLineInfo&, CParticleApp&) {
    std::cerr << "vexlume: the editor window is not available in this build.\n";
    return 1;
}
