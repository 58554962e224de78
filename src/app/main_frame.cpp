#include "app/main_frame.h"

#include <QAction>
#include <QCloseEvent>
#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFile>
#include <QLabel>
#include <QMenuBar>
#include <QMimeData>
#include <QStatusBar>
#include <QTimer>
#include <QToolBar>

#include "app/document_commands.h"
#include "app/lock_keys.h"
#include "app/recent_file_list.h"
#include "model/particle_doc.h"
#include "preview/particle_view_frame.h"
#include "resources/command_ids.h"
#include "resources/command_strings.h"
#include "resources/toolbar_images.h"

CMainFrame::CMainFrame(CParticleDoc& doc, RecentFileList& recentFiles, bool batchMode)
    : m_doc(doc), m_recentFiles(recentFiles) {
    setObjectName("mainFrame");
    m_pCommands = new DocumentCommands(doc, recentFiles, this);
    CreateMenus();
    CreateToolBar();
    CreateStatusBar();
    CreateInertAccelerators();

    m_pView = new CParticleViewFrame(doc, batchMode, this);
    setCentralWidget(m_pView);
    resize(800, 600);

    connect(m_pCommands, &DocumentCommands::DocumentChanged, this, &CMainFrame::OnDocumentChanged);
    m_doc.AddView([this] { m_pView->update(); });
    OnDocumentChanged();
}

QAction* CMainFrame::Action(int commandId) const {
    auto it = m_actions.find(commandId);
    return it == m_actions.end() ? nullptr : it->second;
}

QAction* CMainFrame::AddCommand(QMenu* menu, int commandId, const QString& text) {
    auto* action = new QAction(text, this);
    action->setObjectName(QString::number(commandId));
    const CommandPrompt prompt = PromptFor(commandId);
    action->setStatusTip(prompt.prompt);
    if (*prompt.tooltip) action->setToolTip(prompt.tooltip);
    if (menu) menu->addAction(action);
    m_actions[commandId] = action;
    return action;
}

void CMainFrame::CreateMenus() {
    m_pFileMenu = menuBar()->addMenu("&File");
    QAction* newAction = AddCommand(m_pFileMenu, ID_FILE_NEW, "&New\tCtrl+N");
    newAction->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_N));
    QAction* openAction = AddCommand(m_pFileMenu, ID_FILE_OPEN, "&Open...\tCtrl+O");
    openAction->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_O));
    QAction* saveAction = AddCommand(m_pFileMenu, ID_FILE_SAVE, "&Save\tCtrl+S");
    saveAction->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
    QAction* saveAsAction = AddCommand(m_pFileMenu, ID_FILE_SAVE_AS, "Save &As...");
    m_pFileMenu->addSeparator();
    QMenu* exportMenu = m_pFileMenu->addMenu("&Export");
    QAction* shaderAction = AddCommand(exportMenu, ID_EXPORT_SHADER, "Shader...");
    QAction* prefabAction = AddCommand(exportMenu, ID_EXPORT_PREFAB, "Prefab...");
    m_pFileMenu->addSeparator();
    m_pRecentSeparator = m_pFileMenu->addSeparator();
    QAction* exitAction = AddCommand(m_pFileMenu, ID_APP_EXIT, "E&xit");

    QMenu* editMenu = menuBar()->addMenu("&Edit");
    QAction* propertiesAction = AddCommand(editMenu, ID_EDIT_PROPERTIES, "&Properties...");

    QMenu* viewMenu = menuBar()->addMenu("&View");
    QAction* toolbarAction = AddCommand(viewMenu, ID_VIEW_TOOLBAR, "&Toolbar");
    toolbarAction->setCheckable(true);
    toolbarAction->setChecked(true);
    QAction* statusAction = AddCommand(viewMenu, ID_VIEW_STATUS_BAR, "&Status Bar");
    statusAction->setCheckable(true);
    statusAction->setChecked(true);
    QAction* splitAction = AddCommand(viewMenu, ID_WINDOW_SPLIT, "S&plit");
    splitAction->setEnabled(false);  // the view is never split

    QMenu* helpMenu = menuBar()->addMenu("&Help");
    QAction* aboutAction = AddCommand(helpMenu, ID_APP_ABOUT, "&About Vexlume");

    connect(newAction, &QAction::triggered, m_pCommands, &DocumentCommands::OnFileNew);
    connect(openAction, &QAction::triggered, m_pCommands, &DocumentCommands::OnFileOpen);
    connect(saveAction, &QAction::triggered, m_pCommands, [this] { m_pCommands->OnFileSave(); });
    connect(saveAsAction, &QAction::triggered, m_pCommands, [this] { m_pCommands->OnFileSaveAs(); });
    connect(exitAction, &QAction::triggered, this, &QWidget::close);
    connect(shaderAction, &QAction::triggered, this, &CMainFrame::ExportShader);
    connect(prefabAction, &QAction::triggered, this, &CMainFrame::ExportPrefab);
    connect(propertiesAction, &QAction::triggered, this, &CMainFrame::EditProperties);
    connect(aboutAction, &QAction::triggered, this, &CMainFrame::AppAbout);
    connect(toolbarAction, &QAction::toggled, this, [this](bool on) { m_pToolBar->setVisible(on); });
    connect(statusAction, &QAction::toggled, this, [this](bool on) { statusBar()->setVisible(on); });
}

void CMainFrame::CreateToolBar() {
    // One fixed band along the top: it shows its grip but cannot float or
    // dock anywhere else.
    m_pToolBar = new QToolBar("Toolbar", this);
    m_pToolBar->setObjectName("toolbar");
    m_pToolBar->setIconSize(QSize(16, 15));
    m_pToolBar->setMovable(true);
    m_pToolBar->setFloatable(false);
    m_pToolBar->setAllowedAreas(Qt::TopToolBarArea);
    m_pToolBar->toggleViewAction()->setVisible(false);
    setContextMenuPolicy(Qt::NoContextMenu);
    addToolBar(Qt::TopToolBarArea, m_pToolBar);

    const int buttons[] = {ID_FILE_NEW, ID_FILE_OPEN, ID_FILE_SAVE, ID_APP_ABOUT};
    for (int i = 0; i < 4; ++i) {
        if (buttons[i] == ID_APP_ABOUT) m_pToolBar->addSeparator();
        QAction* action = Action(buttons[i]);
        action->setIcon(ToolbarImage(i));
        m_pToolBar->addAction(action);
    }
    connect(m_pToolBar, &QToolBar::visibilityChanged, this,
            [this](bool visible) { Action(ID_VIEW_TOOLBAR)->setChecked(visible); });
}

void CMainFrame::CreateStatusBar() {
    m_pMessagePane = new QLabel(kIdleMessage, this);
    m_pMessagePane->setObjectName("messagePane");
    statusBar()->addWidget(m_pMessagePane, 1);
    const char* const names[3] = {"capsIndicator", "numIndicator", "scrollIndicator"};
    for (int i = 0; i < 3; ++i) {
        auto* label = new QLabel(this);
        label->setObjectName(names[i]);
        label->setMinimumWidth(label->fontMetrics().horizontalAdvance("SCRL") + 8);
        label->setAlignment(Qt::AlignCenter);
        label->setFrameShape(QFrame::Panel);
        label->setFrameShadow(QFrame::Sunken);
        statusBar()->addPermanentWidget(label);
        m_pIndicators[i] = label;
    }
    auto* poll = new QTimer(this);
    connect(poll, &QTimer::timeout, this, &CMainFrame::UpdateLockIndicators);
    poll->start(250);
    UpdateLockIndicators();
}

void CMainFrame::UpdateLockIndicators() {
    const LockKeyState state = QueryLockKeys();
    m_pIndicators[0]->setText(state.known && state.caps ? "CAP" : "");
    m_pIndicators[1]->setText(state.known && state.num ? "NUM" : "");
    m_pIndicators[2]->setText(state.known && state.scroll ? "SCRL" : "");
}

// The edit and pane keys have no command behind them: they are taken and do
// nothing.
void CMainFrame::CreateInertAccelerators() {
    const QKeySequence keys[] = {
        QKeySequence(Qt::CTRL | Qt::Key_Z),       QKeySequence(Qt::CTRL | Qt::Key_X),
        QKeySequence(Qt::CTRL | Qt::Key_C),       QKeySequence(Qt::CTRL | Qt::Key_V),
        QKeySequence(Qt::ALT | Qt::Key_Backspace), QKeySequence(Qt::SHIFT | Qt::Key_Delete),
        QKeySequence(Qt::CTRL | Qt::Key_Insert),  QKeySequence(Qt::SHIFT | Qt::Key_Insert),
        QKeySequence(Qt::Key_F6),                 QKeySequence(Qt::SHIFT | Qt::Key_F6),
    };
    for (const QKeySequence& key : keys) {
        auto* action = new QAction(this);
        action->setShortcut(key);
        addAction(action);
    }
}

void CMainFrame::OnDocumentChanged() {
    setWindowTitle(QFile::decodeName(QByteArray::fromStdString(m_doc.GetTitle())) + " - Vexlume");
    RebuildRecentFiles();
}

void CMainFrame::RebuildRecentFiles() {
    for (QAction* action : m_recentActions) {
        m_pFileMenu->removeAction(action);
        delete action;
    }
    m_recentActions.clear();
    const std::string currentDir = QFile::encodeName(QDir::currentPath()).toStdString();
    const auto& entries = m_recentFiles.Entries();
    if (entries.empty()) {
        auto* placeholder = new QAction("Recent File", this);
        placeholder->setEnabled(false);
        m_pFileMenu->insertAction(m_pRecentSeparator, placeholder);
        m_recentActions.push_back(placeholder);
        return;
    }
    for (std::size_t i = 0; i < entries.size(); ++i) {
        QString name = QFile::decodeName(
            QByteArray::fromStdString(RecentFileList::DisplayName(entries[i], currentDir)));
        name.replace("&", "&&");
        auto* action = new QAction(QString("&%1 %2").arg(i + 1).arg(name), this);
        action->setStatusTip(PromptFor(ID_FILE_MRU_FILE1 + static_cast<int>(i)).prompt);
        action->setObjectName(QString::number(ID_FILE_MRU_FILE1 + static_cast<int>(i)));
        const int index = static_cast<int>(i);
        connect(action, &QAction::triggered, m_pCommands,
                [this, index] { m_pCommands->OnOpenRecentFile(index); });
        m_pFileMenu->insertAction(m_pRecentSeparator, action);
        m_recentActions.push_back(action);
    }
}

void CMainFrame::closeEvent(QCloseEvent* event) {
    if (!m_pCommands->SaveModified()) {
        event->ignore();
        return;
    }
    m_doc.OnCloseDocument();
    event->accept();
}

void CMainFrame::dragEnterEvent(QDragEnterEvent* event) {
    if (event->mimeData()->hasUrls() && !event->mimeData()->urls().isEmpty() &&
        event->mimeData()->urls().first().isLocalFile())
        event->acceptProposedAction();
}

void CMainFrame::dropEvent(QDropEvent* event) {
    const QList<QUrl> urls = event->mimeData()->urls();
    if (urls.isEmpty() || !urls.first().isLocalFile()) return;
    event->acceptProposedAction();
    activateWindow();
    m_pCommands->OpenDocumentFile(urls.first().toLocalFile());
}
