#include "export/export_commands.h"

#include <QFile>
#include <new>

#include "app/ui_services.h"
#include "export/export_shader_dlg.h"
#include "model/particle_doc.h"
#include "platform/file_exception.h"

namespace {

std::function<bool(CExportShaderDlg&)>& OptionsRunner() {
    static std::function<bool(CExportShaderDlg&)> runner;
    return runner;
}

std::string ToPath(const QString& path) { return QFile::encodeName(path).toStdString(); }

}  // namespace

void ExportCommands::SetOptionsRunner(std::function<bool(CExportShaderDlg&)> runner) {
    OptionsRunner() = std::move(runner);
}

template <typename Write>
void ExportCommands::WriteReportingFailures(Write write) {
    try {
        write();
    } catch (const CFileException& e) {
        UiServices::Instance().Message(m_window, QFile::decodeName(QByteArray::fromStdString(e.GetErrorMessage())),
                                       UiServices::Icon::Stop);
    } catch (const std::bad_alloc&) {
        UiServices::Instance().Message(m_window, "Out of memory.", UiServices::Icon::Warning);
    }
}

void ExportCommands::OnExportShader() {
    // A new dialog every time: the choice is not remembered.
    CExportShaderDlg dialog(m_window);
    const bool accepted = OptionsRunner() ? OptionsRunner()(dialog) : dialog.exec() == QDialog::Accepted;
    if (!accepted) return;
    const QString path = UiServices::Instance().GetSaveFileName(
        m_window, {"Shader Files (*.shader)", "All files (*.*)"}, "shader", QString());
    if (path.isEmpty()) return;
    const bool workaround = dialog.m_bWorkaround;
    WriteReportingFailures([&] { m_doc.ExportShader(ToPath(path), workaround); });
}

void ExportCommands::OnExportPrefab() {
    const QString path = UiServices::Instance().GetSaveFileName(
        m_window, {"Prefab Files (*.pfb)", "All files (*.*)"}, "pfb", QString());
    if (path.isEmpty()) return;
    WriteReportingFailures([&] { m_doc.ExportPrefab(ToPath(path)); });
}
