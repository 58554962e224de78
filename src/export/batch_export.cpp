#include "export/batch_export.h"

#include <new>

#include "export/effect_command_line_info.h"
#include "model/particle_doc.h"
#include "platform/file_exception.h"

int RunBatchExport(const CEffectCommandLineInfo& info, CParticleDoc& doc, std::ostream& err,
                   const std::function<void(const std::string&)>& onOpened) {
    if (info.m_strFileName.empty()) {
        err << "vexlume: No effect file was named on the command line.\n";
        return kOpenFailed;
    }
    CDocument::Result opened = doc.OpenDocumentFile(info.m_strFileName);
    if (!opened.ok) {
        err << "vexlume: " << opened.message << '\n';
        return kOpenFailed;
    }
    if (onOpened) onOpened(doc.GetPathName());

    const std::string& output = info.m_nShellCommand == CEffectCommandLineInfo::ShellExportShader
                                    ? info.m_strShaderFile
                                    : info.m_strPrefabFile;
    if (output.empty()) {
        err << "vexlume: File writing failed. No output file was named after the export switch.\n";
        return kExportFailed;
    }
    try {
        if (info.m_nShellCommand == CEffectCommandLineInfo::ShellExportShader)
            doc.ExportShader(output, info.m_bWorkaround);
        else
            doc.ExportPrefab(output);
    } catch (const CFileException& e) {
        err << "vexlume: File writing failed. " << e.GetErrorMessage() << '\n';
        return kExportFailed;
    } catch (const std::bad_alloc&) {
        err << "vexlume: File writing failed. Out of memory.\n";
        return kExportFailed;
    }
    return kExportWritten;
}
