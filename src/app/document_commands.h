#pragma once

#include <QObject>
#include <QString>
#include <QStringList>
#include <string>

class CParticleDoc;
class QWidget;
class RecentFileList;

// File > New, Open, Save, Save As, the recent files and dropped files: the
// document commands with the prompt to save a modified document first.
// Failures are shown in warning boxes.
class DocumentCommands : public QObject {
    Q_OBJECT
public:
    DocumentCommands(CParticleDoc& doc, RecentFileList& recentFiles, QWidget* window);

    void OnFileNew();
    void OnFileOpen();
    bool OnFileSave();
    bool OnFileSaveAs();
    void OnOpenRecentFile(int index);
    // Opens a file after the prompt to save; false when cancelled or failed.
    bool OpenDocumentFile(const QString& path);
    // Asks to save a modified document: true to go on (saved or discarded),
    // false when the user cancelled or the save failed.
    bool SaveModified();

signals:
    // The document was replaced or renamed: title, recent files, view.
    void DocumentChanged();

private:
    bool OpenWithoutPrompt(const std::string& path);
    bool DoSave(const QString& path);
    void AddToRecentFiles(const std::string& path);

    CParticleDoc& m_doc;
    RecentFileList& m_recentFiles;
    QWidget* m_window;
};

// The filters of the effect file dialogs.
QStringList EffectFileFilters();
