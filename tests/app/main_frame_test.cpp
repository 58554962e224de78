// The main window with its live preview; runs on a real X display (Xvfb).
#include "app/main_frame.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QStatusBar>
#include <QTest>
#include <QToolBar>
#include <QTimer>
#include <QToolButton>
#include <filesystem>

#include "../effect_fixtures.h"
#include "../test_support.h"
#include "app/document_commands.h"
#include "app/lock_keys.h"
#include "app/particle_app.h"
#include "fake_ui_services.h"
#include "model/random_generator.h"
#include "preview/particle_view_frame.h"
#include "properties/property_sheet.h"
#include "resources/command_ids.h"

namespace {

using namespace vexlume::test;

QString Path(const std::string& p) { return QString::fromStdString(p); }

class MainFrameTest : public ::testing::Test {
protected:
    void SetUp() override {
        RecentFileList().WriteList();  // start with an empty list
        RandomGenerator::Seed(1);
        WriteBytes(dir / "effect.vxl", DefaultEffectBytes());
    }

    CMainFrame& Start(std::vector<const char*> args = {}) {
        args.insert(args.begin(), "vexlume");
        CEffectCommandLineInfo info;
        info.ParseCommandLine(static_cast<int>(args.size()), args.data());
        EXPECT_EQ(app.InitInstance(info), 0);
        EXPECT_TRUE(QTest::qWaitForWindowExposed(app.MainFrame()));
        return *app.MainFrame();
    }

    static QStringList Texts(const QList<QAction*>& actions) {
        QStringList texts;
        for (QAction* a : actions) texts << (a->isSeparator() ? QString("-") : a->text());
        return texts;
    }

    QMenu* Menu(int index) { return app.MainFrame()->menuBar()->actions()[index]->menu(); }

    TempDir dir;
    FakeUiServices ui;
    CParticleApp app;
};

TEST_F(MainFrameTest, MenusCarryTheirTextsAndShortcuts) {
    CMainFrame& frame = Start();
    EXPECT_EQ(Texts(frame.menuBar()->actions()), QStringList({"&File", "&Edit", "&View", "&Help"}));
    EXPECT_EQ(Texts(Menu(0)->actions()),
              QStringList({"&New\tCtrl+N", "&Open...\tCtrl+O", "&Save\tCtrl+S", "Save &As...", "-",
                           "&Export", "-", "Recent File", "-", "E&xit"}));
    EXPECT_EQ(Texts(Menu(0)->actions()[5]->menu()->actions()), QStringList({"Shader...", "Prefab..."}));
    EXPECT_EQ(Texts(Menu(1)->actions()), QStringList({"&Properties..."}));
    EXPECT_EQ(Texts(Menu(2)->actions()), QStringList({"&Toolbar", "&Status Bar", "S&plit"}));
    EXPECT_EQ(Texts(Menu(3)->actions()), QStringList({"&About Vexlume"}));

    EXPECT_FALSE(Menu(0)->actions()[7]->isEnabled());  // the recent-file placeholder
    EXPECT_FALSE(frame.Action(ID_WINDOW_SPLIT)->isEnabled());
    for (int id : {ID_FILE_NEW, ID_FILE_OPEN, ID_FILE_SAVE, ID_FILE_SAVE_AS, ID_EXPORT_SHADER,
                   ID_EXPORT_PREFAB, ID_APP_EXIT, ID_EDIT_PROPERTIES, ID_APP_ABOUT})
        EXPECT_TRUE(frame.Action(id)->isEnabled()) << id;
    EXPECT_EQ(frame.Action(ID_FILE_NEW)->shortcut(), QKeySequence("Ctrl+N"));
    EXPECT_EQ(frame.Action(ID_FILE_OPEN)->shortcut(), QKeySequence("Ctrl+O"));
    EXPECT_EQ(frame.Action(ID_FILE_SAVE)->shortcut(), QKeySequence("Ctrl+S"));
    EXPECT_EQ(frame.Action(ID_EXPORT_SHADER)->toolTip(), "Export Shader");
    EXPECT_EQ(frame.Action(ID_EXPORT_PREFAB)->statusTip(),
              "Export the particle system to a Radiant Prefab");
}

TEST_F(MainFrameTest, TitleOfNewAndOpenedDocuments) {
    CMainFrame& frame = Start();
    EXPECT_EQ(frame.windowTitle(), "Untitled - Vexlume");
    ASSERT_TRUE(frame.Commands().OpenDocumentFile(Path(dir / "effect.vxl")));
    EXPECT_EQ(frame.windowTitle(), "effect.vxl - Vexlume");
}

TEST_F(MainFrameTest, StartingWithADocumentOpensIt) {
    const std::string path = dir / "effect.vxl";
    CMainFrame& frame = Start({path.c_str()});
    EXPECT_EQ(frame.windowTitle(), "effect.vxl - Vexlume");
    EXPECT_EQ(app.RecentFiles().Entries().front(), path);
}

TEST_F(MainFrameTest, StatusBarShowsReadyAndThePromptOfTheButtonUnderThePointer) {
    CMainFrame& frame = Start();
    auto* pane = frame.findChild<QLabel*>("messagePane");
    ASSERT_NE(pane, nullptr);
    EXPECT_EQ(pane->text(), "Ready");
    EXPECT_TRUE(frame.statusBar()->currentMessage().isEmpty());

    QWidget* save = frame.ToolBar()->widgetForAction(frame.Action(ID_FILE_SAVE));
    ASSERT_NE(save, nullptr);
    EXPECT_EQ(save->toolTip(), "Save");
    QTest::mouseMove(save);
    QTRY_COMPARE(frame.statusBar()->currentMessage(), QString("Save the active document"));
    QTest::mouseMove(frame.View(), QPoint(50, 50));
    QTRY_VERIFY(frame.statusBar()->currentMessage().isEmpty());
    EXPECT_TRUE(pane->isVisible());
}

TEST_F(MainFrameTest, LockIndicatorsShowWhileTheLockIsOn) {
    CMainFrame& frame = Start();
    SetLockKeyQuery([] { return LockKeyState{true, true, false, true}; });
    frame.UpdateLockIndicators();
    EXPECT_EQ(frame.findChild<QLabel*>("capsIndicator")->text(), "CAP");
    EXPECT_EQ(frame.findChild<QLabel*>("numIndicator")->text(), "");
    EXPECT_EQ(frame.findChild<QLabel*>("scrollIndicator")->text(), "SCRL");
    SetLockKeyQuery([] { return LockKeyState{}; });  // a platform that cannot tell
    frame.UpdateLockIndicators();
    EXPECT_EQ(frame.findChild<QLabel*>("capsIndicator")->text(), "");
    SetLockKeyQuery({});
}

TEST_F(MainFrameTest, ToolbarAndStatusBarToggle) {
    CMainFrame& frame = Start();
    QAction* toolbar = frame.Action(ID_VIEW_TOOLBAR);
    QAction* status = frame.Action(ID_VIEW_STATUS_BAR);
    EXPECT_TRUE(toolbar->isChecked());
    EXPECT_TRUE(status->isChecked());
    const int height = frame.View()->height();

    toolbar->trigger();
    EXPECT_FALSE(frame.ToolBar()->isVisible());
    EXPECT_FALSE(toolbar->isChecked());
    status->trigger();
    EXPECT_FALSE(frame.statusBar()->isVisible());
    EXPECT_FALSE(status->isChecked());
    QTRY_VERIFY(frame.View()->height() > height);

    toolbar->trigger();
    status->trigger();
    EXPECT_TRUE(frame.ToolBar()->isVisible());
    EXPECT_TRUE(frame.statusBar()->isVisible());
    QTRY_COMPARE(frame.View()->height(), height);
}

TEST_F(MainFrameTest, ToolbarIsAFixedBandAlongTheTop) {
    CMainFrame& frame = Start();
    QToolBar* bar = frame.ToolBar();
    EXPECT_TRUE(bar->isMovable());  // shows its grip
    EXPECT_FALSE(bar->isFloatable());
    EXPECT_EQ(bar->allowedAreas(), Qt::TopToolBarArea);
    EXPECT_EQ(frame.toolBarArea(bar), Qt::TopToolBarArea);
    EXPECT_EQ(bar->iconSize(), QSize(16, 15));
    QStringList tips;
    for (QAction* a : bar->actions()) tips << (a->isSeparator() ? "-" : a->toolTip());
    EXPECT_EQ(tips, QStringList({"New", "Open", "Save", "-", "About"}));
}

TEST_F(MainFrameTest, RecentFilesFillTheFileMenu) {
    CMainFrame& frame = Start();
    for (const char* name : {"a.vxl", "b.vxl"}) {
        WriteBytes(dir / name, DefaultEffectBytes());
        ASSERT_TRUE(frame.Commands().OpenDocumentFile(Path(dir / name)));
    }
    QList<QAction*> actions = Menu(0)->actions();
    ASSERT_EQ(actions[7]->text().left(3), "&1 ");
    EXPECT_TRUE(actions[7]->text().endsWith("b.vxl"));
    EXPECT_LE(actions[7]->text().size() - 3, 30);
    EXPECT_TRUE(actions[8]->text().startsWith("&2 "));
    EXPECT_TRUE(actions[8]->text().endsWith("a.vxl"));
    EXPECT_TRUE(actions[9]->isSeparator());

    actions[8]->trigger();
    EXPECT_EQ(frame.windowTitle(), "a.vxl - Vexlume");
    EXPECT_EQ(app.RecentFiles().Entries().front(), dir / "a.vxl");

    // A recent file that is gone shows its error and leaves the list.
    std::filesystem::remove(dir / "b.vxl");
    Menu(0)->actions()[8]->trigger();
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].text, Path(dir / "b.vxl") + " was not found.");
    EXPECT_EQ(ui.messages[0].icon, UiServices::Icon::Warning);
    EXPECT_EQ(app.RecentFiles().Entries(), std::vector<std::string>{dir / "a.vxl"});
    EXPECT_TRUE(Menu(0)->actions()[8]->isSeparator());
}

TEST_F(MainFrameTest, OpenFailuresShowTheirTexts) {
    CMainFrame& frame = Start();
    app.Document().m_strEffectName = "kept";
    EXPECT_FALSE(frame.Commands().OpenDocumentFile(Path(dir / "none.vxl")));
    WriteBytes(dir / "bad.vxl", "VXLM\x02");
    EXPECT_FALSE(frame.Commands().OpenDocumentFile(Path(dir / "bad.vxl")));
    ASSERT_EQ(ui.messages.size(), 2u);
    EXPECT_EQ(ui.messages[0].text, Path(dir / "none.vxl") + " was not found.");
    EXPECT_EQ(ui.messages[1].text, "Unexpected file format.");
    EXPECT_EQ(ui.messages[1].icon, UiServices::Icon::Warning);
    EXPECT_EQ(frame.windowTitle(), "Untitled - Vexlume");
    EXPECT_EQ(app.Document().m_strEffectName, "myeffect");
}

TEST_F(MainFrameTest, OpenAndSaveAsUseTheEffectDialogs) {
    CMainFrame& frame = Start();
    ui.paths = {Path(dir / "effect.vxl")};
    frame.Action(ID_FILE_OPEN)->trigger();
    EXPECT_EQ(ui.lastFilters, QStringList({"Vexlume Effects (*.vxl)", "All Files (*.*)"}));
    EXPECT_EQ(frame.windowTitle(), "effect.vxl - Vexlume");

    ui.paths = {Path(dir / "copy.vxl")};
    frame.Action(ID_FILE_SAVE_AS)->trigger();
    EXPECT_EQ(ui.lastSuffix, "vxl");
    EXPECT_EQ(ReadBytes(dir / "copy.vxl"), DefaultEffectBytes());
    EXPECT_EQ(frame.windowTitle(), "copy.vxl - Vexlume");
    EXPECT_EQ(app.RecentFiles().Entries().front(), dir / "copy.vxl");
}

TEST_F(MainFrameTest, NewAsksToSaveAModifiedDocument) {
    CMainFrame& frame = Start();
    CParticleDoc& doc = app.Document();
    doc.m_strEffectName = "edited";
    doc.SetModifiedFlag();

    ui.answers = {UiServices::Answer::Cancel};
    frame.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&frame));
    QTest::keyClick(&frame, Qt::Key_N, Qt::ControlModifier);  // through the accelerator
    ASSERT_EQ(ui.questions.size(), 1u);
    EXPECT_EQ(ui.questions[0], "Save changes to Untitled?");
    EXPECT_EQ(doc.m_strEffectName, "edited");
    EXPECT_TRUE(doc.IsModified());

    ui.answers = {UiServices::Answer::Yes};
    ui.paths = {Path(dir / "saved.vxl")};
    frame.Action(ID_FILE_NEW)->trigger();
    EXPECT_TRUE(std::filesystem::exists(dir / "saved.vxl"));
    EXPECT_EQ(doc.m_strEffectName, "myeffect");
    EXPECT_FALSE(doc.IsModified());
    EXPECT_EQ(frame.windowTitle(), "Untitled - Vexlume");

    doc.SetModifiedFlag();
    ui.answers = {UiServices::Answer::No};
    frame.Action(ID_FILE_NEW)->trigger();
    EXPECT_FALSE(doc.IsModified());
    EXPECT_EQ(ui.questions.size(), 3u);
}

TEST_F(MainFrameTest, ClosingAModifiedDocumentCanBeCancelled) {
    CMainFrame& frame = Start();
    app.Document().SetModifiedFlag();
    ui.answers = {UiServices::Answer::Cancel};
    frame.Action(ID_APP_EXIT)->trigger();
    EXPECT_TRUE(frame.isVisible());
    ui.answers = {UiServices::Answer::No};
    frame.close();
    EXPECT_FALSE(frame.isVisible());
}

TEST_F(MainFrameTest, EditAndPaneKeysDoNothing) {
    CMainFrame& frame = Start();
    const float z = app.Document().m_particles[0]->m_vMove.z;
    for (auto key : {Qt::Key_Z, Qt::Key_X, Qt::Key_C, Qt::Key_V})
        QTest::keyClick(&frame, key, Qt::ControlModifier);
    QTest::keyClick(&frame, Qt::Key_F6);
    QTest::keyClick(&frame, Qt::Key_F6, Qt::ShiftModifier);
    EXPECT_TRUE(ui.messages.empty());
    EXPECT_TRUE(ui.questions.empty());
    EXPECT_EQ(app.Document().m_particles[0]->m_vMove.z, z);
    EXPECT_FALSE(app.Document().IsModified());
}

TEST_F(MainFrameTest, DroppedFilesOpen) {
    CMainFrame& frame = Start();
    EXPECT_TRUE(frame.acceptDrops());
    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(Path(dir / "effect.vxl"))});
    QDragEnterEvent enter(QPoint(100, 100), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&frame, &enter);
    EXPECT_TRUE(enter.isAccepted());
    QDropEvent drop(QPointF(100, 100), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&frame, &drop);
    EXPECT_TRUE(drop.isAccepted());
    EXPECT_EQ(frame.windowTitle(), "effect.vxl - Vexlume");
}

TEST_F(MainFrameTest, StartUpParticlesComeFromTheUnseededGenerator) {
    Start();
    const CParticleDoc& started = app.Document();
    RandomGenerator::Seed(1);
    CParticleDoc fresh;
    fresh.DeleteContents();
    ASSERT_EQ(started.m_particles.size(), fresh.m_particles.size());
    for (std::size_t i = 0; i < fresh.m_particles.size(); ++i) {
        EXPECT_EQ(started.m_particles[i]->m_vMove.x, fresh.m_particles[i]->m_vMove.x);
        EXPECT_EQ(started.m_particles[i]->m_fValue[EMIT_SPAWNTIME],
                  fresh.m_particles[i]->m_fValue[EMIT_SPAWNTIME]);
    }
}

TEST_F(MainFrameTest, AboutBoxIsModalAndThePreviewKeepsAnimating) {
    CMainFrame& frame = Start();
    EXPECT_FALSE(frame.windowIcon().isNull());
    QString title;
    long long framesDuring = 0;
    float timeBefore = 0, timeAfter = 0;
    QTimer::singleShot(50, [&] {
        QWidget* modal = QApplication::activeModalWidget();
        ASSERT_NE(modal, nullptr);
        title = modal->windowTitle();
        const long long before = frame.View()->FramesDrawn();
        timeBefore = app.Document().m_fTime;
        QTest::qWait(150);
        framesDuring = frame.View()->FramesDrawn() - before;
        timeAfter = app.Document().m_fTime;
        modal->close();
    });
    frame.ToolBar()->widgetForAction(frame.Action(ID_APP_ABOUT))->setFocus();
    frame.Action(ID_APP_ABOUT)->trigger();
    EXPECT_EQ(title, "About Vexlume");
    EXPECT_GE(framesDuring, 3);
    EXPECT_GT(timeAfter, timeBefore);
}

TEST_F(MainFrameTest, PropertiesApplyShowsTheNewParticlesWhileThePreviewAnimates) {
    CMainFrame& frame = Start();
    long long framesUnderSheet = 0;
    std::size_t particlesAfterApply = 0;
    CPropertySheet::SetModalRunner([&](CPropertySheet& sheet) {
        EXPECT_EQ(sheet.windowTitle(), "Properties");
        const long long before = frame.View()->FramesDrawn();
        QTest::qWait(120);
        framesUnderSheet = frame.View()->FramesDrawn() - before;
        // The Graphic page has a control 1013 too.
        auto* count = sheet.findChild<QWidget*>("pageEmitter")->findChild<QLineEdit*>("1013");
        count->setFocus();
        count->selectAll();
        QTest::keyClicks(count, "25");
        EXPECT_EQ(count->text(), "25");
        EXPECT_TRUE(sheet.ApplyButton()->isEnabled());
        QTest::mouseClick(sheet.ApplyButton(), Qt::LeftButton);
        EXPECT_FALSE(sheet.ApplyButton()->isEnabled());
        EXPECT_EQ(app.Document().m_pSheet, &sheet);
        particlesAfterApply = app.Document().m_particles.size();
        sheet.reject();
        return sheet.result();
    });
    frame.Action(ID_EDIT_PROPERTIES)->trigger();
    CPropertySheet::SetModalRunner({});
    EXPECT_GE(framesUnderSheet, 3);
    EXPECT_EQ(particlesAfterApply, 25u);
    EXPECT_TRUE(app.Document().IsModified());
    EXPECT_EQ(app.Document().m_pSheet, nullptr);
}

TEST_F(MainFrameTest, ExportMenuWritesTheDocument) {
    CMainFrame& frame = Start();
    ui.paths = {Path(dir / "menu.pfb")};
    frame.Action(ID_EXPORT_PREFAB)->trigger();
    EXPECT_TRUE(std::filesystem::exists(dir / "menu.pfb"));
    EXPECT_FALSE(app.Document().IsModified());
}

TEST(StartUp, ANamedDocumentThatFailsEndsTheProgram) {
    RecentFileList().WriteList();
    FakeUiServices ui;
    CParticleApp app;
    const char* args[] = {"vexlume", "/nonexistent/effect.vxl"};
    CEffectCommandLineInfo info;
    info.ParseCommandLine(2, args);
    EXPECT_EQ(app.InitInstance(info), 1);
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].text, "/nonexistent/effect.vxl contains an invalid path.");
    EXPECT_EQ(app.MainFrame(), nullptr);
}

TEST(StartUp, NoRenderingContextEndsTheProgramWithAMessage) {
    FakeUiServices ui;
    CParticleApp::SetContextCheck([] { return false; });
    CParticleApp app;
    EXPECT_NE(app.InitInstance(CEffectCommandLineInfo()), 0);
    CParticleApp::SetContextCheck({});
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].text, "Failed to create empty document.");
    EXPECT_EQ(app.MainFrame(), nullptr);
}

}  // namespace
