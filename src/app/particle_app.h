#pragma once

#include <memory>

#include "app/recent_file_list.h"
#include "export/effect_command_line_info.h"
#include "model/particle_doc.h"

// The application: the settings store with its recent-file list, the one
// effect document, and the start-up command from the command line.
class CParticleApp {
public:
    CParticleApp();
    ~CParticleApp();

    static CParticleApp* Instance() { return s_instance; }

    // Runs the program for a parsed command line and returns its exit status.
    int Run(int argc, char** argv, const CEffectCommandLineInfo& cmdInfo);

    // Set while a command-line export runs: the preview then does no OpenGL
    // work at all. Never cleared.
    bool m_bBatchMode = false;

    CParticleDoc& Document() { return *m_pDocument; }
    RecentFileList& RecentFiles() { return m_recentFiles; }

private:
    int ProcessShellCommandExport(const CEffectCommandLineInfo& cmdInfo);

    static CParticleApp* s_instance;
    RecentFileList m_recentFiles;
    std::unique_ptr<CParticleDoc> m_pDocument;
};
