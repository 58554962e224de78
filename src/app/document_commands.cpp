#include "app/document_commands.h"

#include <QFile>
#include <QWidget>

#include "app/recent_file_list.h"
#include "app/ui_services.h"
#include "model/particle_doc.h"

namespace {

QString FromPath(const std::string& path) { return QFile::decodeName(QByteArray::fromStdString(path)); }
std::string ToPath(const QString& path) { return QFile::encodeName(path).toStdString(); }

}  // namespace

QStringList EffectFileFilters() { return {"Vexlume Effects (*.vxl)", "All Files (*.*)"}; }

DocumentCommands::DocumentCommands(CParticleDoc& doc, RecentFileList& recentFiles, QWidget* window)
    : QObject(window), m_doc(doc), m_recentFiles(recentFiles), m_window(window) {}

void DocumentCommands::AddToRecentFiles(const std::string& path) {
    m_recentFiles.Add(path);
    m_recentFiles.WriteList();
}

bool DocumentCommands::SaveModified() {
    if (!m_doc.IsModified()) return true;
    const QString text = QString("Save changes to %1?").arg(FromPath(m_doc.GetTitle()));
    switch (UiServices::Instance().AskYesNoCancel(m_window, text)) {
        case UiServices::Answer::Yes:
            return OnFileSave();
        case UiServices::Answer::No:
            return true;
        default:
            return false;
    }
}

void DocumentCommands::OnFileNew() {
    if (!SaveModified()) return;
    m_doc.OnNewDocument();
    m_doc.UpdateAllViews();
    emit DocumentChanged();
}

void DocumentCommands::OnFileOpen() {
    if (!SaveModified()) return;
    const QString path = UiServices::Instance().GetOpenFileName(m_window, EffectFileFilters());
    if (!path.isEmpty()) OpenWithoutPrompt(ToPath(path));
}

bool DocumentCommands::OpenDocumentFile(const QString& path) {
    return SaveModified() && OpenWithoutPrompt(ToPath(path));
}

void DocumentCommands::OnOpenRecentFile(int index) {
    const auto& entries = m_recentFiles.Entries();
    if (index < 0 || static_cast<std::size_t>(index) >= entries.size()) return;
    if (!SaveModified()) return;
    const std::string path = entries[static_cast<std::size_t>(index)];
    if (!OpenWithoutPrompt(path)) {
        // A recent file that cannot be opened leaves the list.
        m_recentFiles.Remove(static_cast<std::size_t>(index));
        m_recentFiles.WriteList();
        emit DocumentChanged();
    }
}

bool DocumentCommands::OpenWithoutPrompt(const std::string& path) {
    CDocument::Result result = m_doc.OpenDocumentFile(path);
    if (result.ok)
        AddToRecentFiles(m_doc.GetPathName());
    else
        UiServices::Instance().Message(m_window, FromPath(result.message), UiServices::Icon::Warning);
    m_doc.UpdateAllViews();
    emit DocumentChanged();
    return result.ok;
}

bool DocumentCommands::OnFileSave() {
    if (m_doc.GetPathName().empty()) return OnFileSaveAs();
    return DoSave(FromPath(m_doc.GetPathName()));
}

bool DocumentCommands::OnFileSaveAs() {
    const QString initial = m_doc.GetPathName().empty() ? QString() : FromPath(m_doc.GetPathName());
    const QString path =
        UiServices::Instance().GetSaveFileName(m_window, EffectFileFilters(), "vxl", initial);
    if (path.isEmpty()) return false;
    if (!DoSave(path)) return false;
    AddToRecentFiles(m_doc.GetPathName());
    return true;
}

bool DocumentCommands::DoSave(const QString& path) {
    CDocument::Result result = m_doc.SaveDocument(ToPath(path));
    if (!result.ok) {
        UiServices::Instance().Message(m_window, FromPath(result.message), UiServices::Icon::Warning);
        return false;
    }
    emit DocumentChanged();
    return true;
}
