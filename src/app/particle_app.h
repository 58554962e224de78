#pragma once

#include <functional>
#include <memory>

#include "app/recent_file_list.h"
#include "export/effect_command_line_info.h"
#include "model/particle_doc.h"

class CMainFrame;
class ExportCommands;

// The application: the settings store with its recent-file list, the one
// effect document, the main window, and the start-up command from the
// command line.
class CParticleApp {
public:
    CParticleApp();
    ~CParticleApp();

    // Runs the program for a parsed command line and returns its exit status.
    int Run(int argc, char** argv, const CEffectCommandLineInfo& cmdInfo);

    // The desktop start-up, once a QApplication exists: document, window,
    // the command line's document, then the window is shown, accepts dropped
    // files, and the generator is seeded. Returns 0 to enter the event loop,
    // or the exit status when the program must end.
    int InitInstance(const CEffectCommandLineInfo& cmdInfo);

    // Set while a command-line export runs: the preview then does no OpenGL
    // work at all. Never cleared.
    bool m_bBatchMode = false;

    CParticleDoc& Document() { return *m_pDocument; }
    RecentFileList& RecentFiles() { return m_recentFiles; }
    CMainFrame* MainFrame() { return m_pMainFrame.get(); }

    // Whether an OpenGL context for the preview can be made; tests replace it.
    static void SetContextCheck(std::function<bool()> check);

    // Help > About.
    void OnAppAbout();

private:
    int ProcessShellCommandExport(const CEffectCommandLineInfo& cmdInfo);
    void ConnectCommands();

    RecentFileList m_recentFiles;
    std::unique_ptr<CParticleDoc> m_pDocument;
    std::unique_ptr<CMainFrame> m_pMainFrame;
    std::unique_ptr<ExportCommands> m_pExportCommands;
};
