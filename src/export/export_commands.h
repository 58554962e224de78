#pragma once

#include <functional>

class CParticleDoc;
class CExportShaderDlg;
class QWidget;

// File > Export > Shader... and Prefab...: ask for the options and the file,
// then write the document as it is in memory. A failure is shown in a stop
// box; the document is never changed.
class ExportCommands {
public:
    ExportCommands(const CParticleDoc& doc, QWidget* window) : m_doc(doc), m_window(window) {}

    void OnExportShader();
    void OnExportPrefab();

    // Runs the options dialog; tests replace it to answer without blocking.
    // Returns whether it was accepted, with the dialog's choice filled in.
    static void SetOptionsRunner(std::function<bool(CExportShaderDlg&)> runner);

private:
    template <typename Write>
    void WriteReportingFailures(Write write);

    const CParticleDoc& m_doc;
    QWidget* m_window;
};
