#include "app/particle_app.h"

#include <iostream>

#include "app/desktop_main.h"
#include "export/batch_export.h"

CParticleApp* CParticleApp::s_instance = nullptr;

CParticleApp::CParticleApp() { s_instance = this; }

CParticleApp::~CParticleApp() {
    if (s_instance == this) s_instance = nullptr;
}

int CParticleApp::Run(int argc, char** argv, const CEffectCommandLineInfo& cmdInfo) {
    m_recentFiles.ReadList();
    m_pDocument = std::make_unique<CParticleDoc>();
    if (cmdInfo.IsExport()) return ProcessShellCommandExport(cmdInfo);
    return RunDesktop(argc, argv, cmdInfo, *this);
}

// A command-line export never touches the window system: no window, no
// message box; failures go to standard error.
int CParticleApp::ProcessShellCommandExport(const CEffectCommandLineInfo& cmdInfo) {
    m_bBatchMode = true;
    int status = RunBatchExport(cmdInfo, *m_pDocument, std::cerr,
                                [this](const std::string& path) { m_recentFiles.Add(path); });
    m_recentFiles.WriteList();
    return status;
}
