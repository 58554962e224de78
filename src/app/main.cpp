#include <clocale>
#include <iostream>

#include "app/particle_app.h"
#include "export/effect_command_line_info.h"
#include "export/product_info.h"

int main(int argc, char** argv) {
    // Take the user's locale as any desktop program does; our files and
    // numbers never depend on it.
    std::setlocale(LC_ALL, "");

    CEffectCommandLineInfo cmdInfo;
    cmdInfo.ParseCommandLine(argc, argv);
    if (cmdInfo.m_bShowHelp) {
        std::cout << kCommandLineUsage;
        return 0;
    }
    if (cmdInfo.m_bShowVersion) {
        std::cout << kProductVersionText << '\n';
        return 0;
    }
    CParticleApp app;
    return app.Run(argc, argv, cmdInfo);
}
