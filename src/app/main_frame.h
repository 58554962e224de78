#pragma once

#include <QMainWindow>
#include <map>

class CParticleDoc;
class CParticleViewFrame;
class DocumentCommands;
class QLabel;
class QMenu;
class QToolBar;
class RecentFileList;

// The main window: menu, toolbar along the top, the preview, and the status
// bar with its prompt pane and lock-key indicators.
class CMainFrame : public QMainWindow {
    Q_OBJECT
public:
    CMainFrame(CParticleDoc& doc, RecentFileList& recentFiles, bool batchMode);

    QAction* Action(int commandId) const;
    CParticleViewFrame* View() const { return m_pView; }
    DocumentCommands& Commands() const { return *m_pCommands; }
    QToolBar* ToolBar() const { return m_pToolBar; }

    // Brings the title and the recent-file entries up to date.
    void OnDocumentChanged();
    void UpdateLockIndicators();

signals:
    void EditProperties();
    void ExportShader();
    void ExportPrefab();
    void AppAbout();

protected:
    void closeEvent(QCloseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    QAction* AddCommand(QMenu* menu, int commandId, const QString& text);
    void CreateMenus();
    void CreateToolBar();
    void CreateStatusBar();
    void CreateInertAccelerators();
    void RebuildRecentFiles();

    CParticleDoc& m_doc;
    RecentFileList& m_recentFiles;
    DocumentCommands* m_pCommands = nullptr;
    CParticleViewFrame* m_pView = nullptr;
    QToolBar* m_pToolBar = nullptr;
    QMenu* m_pFileMenu = nullptr;
    QAction* m_pRecentSeparator = nullptr;  // the separator before Exit
    QList<QAction*> m_recentActions;
    QLabel* m_pMessagePane = nullptr;
    QLabel* m_pIndicators[3] = {};
    std::map<int, QAction*> m_actions;
};
