#include "app/particle_app.h"

#include <QApplication>
#include <QFile>
#include <QOffscreenSurface>
#include <QOpenGLContext>
#include <QSurfaceFormat>
#include <ctime>
#include <iostream>

#include "app/about_dlg.h"
#include "app/document_commands.h"
#include "app/main_frame.h"
#include "app/ui_services.h"
#include "export/batch_export.h"
#include "export/export_commands.h"
#include "resources/app_icon.h"
#include "model/random_generator.h"

namespace {

std::function<bool()>& ContextCheck() {
    static std::function<bool()> check;
    return check;
}

bool CanCreateRenderingContext() {
    if (ContextCheck()) return ContextCheck()();
    QOffscreenSurface surface;
    surface.create();
    QOpenGLContext context;
    context.setFormat(QSurfaceFormat::defaultFormat());
    return context.create() && context.makeCurrent(&surface);
}

// A double-buffered RGBA context with the fixed-function pipeline.
void RequestPreviewFormat() {
    QSurfaceFormat format;
    format.setRenderableType(QSurfaceFormat::OpenGL);
    format.setVersion(2, 1);
    format.setProfile(QSurfaceFormat::CompatibilityProfile);
    format.setSwapBehavior(QSurfaceFormat::DoubleBuffer);
    format.setRedBufferSize(8);
    format.setGreenBufferSize(8);
    format.setBlueBufferSize(8);
    format.setDepthBufferSize(24);
    QSurfaceFormat::setDefaultFormat(format);
}

}  // namespace

CParticleApp::CParticleApp() = default;

CParticleApp::~CParticleApp() {
    m_pExportCommands.reset();
    m_pMainFrame.reset();
}

void CParticleApp::SetContextCheck(std::function<bool()> check) { ContextCheck() = std::move(check); }

int CParticleApp::Run(int argc, char** argv, const CEffectCommandLineInfo& cmdInfo) {
    m_recentFiles.ReadList();
    m_pDocument = std::make_unique<CParticleDoc>();
    if (cmdInfo.IsExport()) return ProcessShellCommandExport(cmdInfo);

    RequestPreviewFormat();
    QApplication application(argc, argv);
    QApplication::setApplicationName("Vexlume");
    QApplication::setOrganizationName("Tandrel");
    int status = InitInstance(cmdInfo);
    if (status != 0) return status;
    status = application.exec();
    m_recentFiles.WriteList();
    m_pMainFrame.reset();
    return status;
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

int CParticleApp::InitInstance(const CEffectCommandLineInfo& cmdInfo) {
    if (!m_pDocument) {
        m_recentFiles.ReadList();
        m_pDocument = std::make_unique<CParticleDoc>();
    }
    if (!CanCreateRenderingContext()) {
        UiServices::Instance().Message(nullptr, "Failed to create empty document.",
                                       UiServices::Icon::Warning);
        return 3;
    }
    m_pMainFrame = std::make_unique<CMainFrame>(*m_pDocument, m_recentFiles, m_bBatchMode);
    ConnectCommands();

    if (cmdInfo.m_nShellCommand == CEffectCommandLineInfo::FileOpen) {
        const QString path = QFile::decodeName(QByteArray::fromStdString(cmdInfo.m_strFileName));
        if (!m_pMainFrame->Commands().OpenDocumentFile(path)) {
            m_pExportCommands.reset();
            m_pMainFrame.reset();
            return 1;
        }
    } else {
        m_pDocument->OnNewDocument();
        m_pMainFrame->OnDocumentChanged();
    }

    m_pMainFrame->show();
    m_pMainFrame->setAcceptDrops(true);
    // Only now: the start-up effect comes from the generator's start state.
    RandomGenerator::Seed(static_cast<std::uint32_t>(std::time(nullptr)));
    return 0;
}

void CParticleApp::ConnectCommands() {
    CMainFrame* frame = m_pMainFrame.get();
    frame->setWindowIcon(AppIcon());
    m_pExportCommands = std::make_unique<ExportCommands>(*m_pDocument, frame);
    QObject::connect(frame, &CMainFrame::ExportShader, frame,
                     [this] { m_pExportCommands->OnExportShader(); });
    QObject::connect(frame, &CMainFrame::ExportPrefab, frame,
                     [this] { m_pExportCommands->OnExportPrefab(); });
    QObject::connect(frame, &CMainFrame::AppAbout, frame, [this] { OnAppAbout(); });
    QObject::connect(frame, &CMainFrame::EditProperties, frame,
                     [this] { m_pDocument->OnEditProperties(); });
}

void CParticleApp::OnAppAbout() {
    CAboutDlg dialog(m_pMainFrame.get());
    dialog.exec();
}
