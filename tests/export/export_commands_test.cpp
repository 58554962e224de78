// File > Export with its dialogs answered by the tests (offscreen).
#include "export/export_commands.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QTest>
#include <QWidget>
#include <cerrno>

#include "../app/fake_ui_services.h"
#include "../test_support.h"
#include "export/export_shader_dlg.h"
#include "model/particle_doc.h"
#include "model/random_generator.h"
#include "platform/file_faults.h"

namespace {

using namespace vexlume::test;

class ExportCommandsTest : public ::testing::Test {
protected:
    void SetUp() override {
        RandomGenerator::Seed(1);
        doc.OnNewDocument();
        doc.m_strEffectName = "edited";
        doc.SetModifiedFlag();
    }
    void TearDown() override {
        ExportCommands::SetOptionsRunner({});
        vexlume::SetFileFaultHook({});
    }

    // Answers the options dialog: checks the box by a click when asked,
    // records how it opened, then presses OK or Cancel.
    void AnswerOptions(bool check, bool ok) {
        ExportCommands::SetOptionsRunner([this, check, ok](CExportShaderDlg& dialog) {
            auto* box = dialog.findChild<QCheckBox*>("IDC_WORKAROUND");
            openedChecked.push_back(box->isChecked());
            EXPECT_EQ(dialog.windowTitle(), "Export shader...");
            dialog.show();
            if (check) QTest::mouseClick(box, Qt::LeftButton);
            if (ok)
                dialog.accept();
            else
                dialog.reject();
            return dialog.result() == QDialog::Accepted;
        });
    }

    std::string Expected(bool workaround) {
        doc.ExportShader(dir / "expected", workaround);
        return ReadBytes(dir / "expected");
    }

    TempDir dir;
    FakeUiServices ui;
    CParticleDoc doc;
    QWidget window;
    ExportCommands commands{doc, &window};
    std::vector<bool> openedChecked;
};

TEST_F(ExportCommandsTest, ShaderWithAndWithoutTheWorkaround) {
    AnswerOptions(true, true);
    ui.paths = {QString::fromStdString(dir / "with.shader")};
    commands.OnExportShader();
    EXPECT_EQ(ui.lastFilters, QStringList({"Shader Files (*.shader)", "All files (*.*)"}));
    EXPECT_EQ(ui.lastSuffix, "shader");
    EXPECT_EQ(ReadBytes(dir / "with.shader"), Expected(true));

    AnswerOptions(false, true);
    ui.paths = {QString::fromStdString(dir / "without.shader")};
    commands.OnExportShader();
    EXPECT_EQ(ReadBytes(dir / "without.shader"), Expected(false));
    // Opened unchecked the second time, although checked the first.
    EXPECT_EQ(openedChecked, std::vector<bool>({false, false}));
    EXPECT_TRUE(doc.IsModified());
    EXPECT_EQ(doc.GetTitle(), "Untitled");
    EXPECT_TRUE(ui.messages.empty());
}

TEST_F(ExportCommandsTest, CancelAnywhereWritesNothing) {
    AnswerOptions(false, false);
    ui.paths = {QString::fromStdString(dir / "x.shader")};
    commands.OnExportShader();
    EXPECT_EQ(ui.paths.size(), 1u);  // the save dialog was never shown

    AnswerOptions(false, true);
    ui.paths.clear();  // the save dialog is cancelled
    commands.OnExportShader();
    commands.OnExportPrefab();
    EXPECT_TRUE(ListFolder(dir.path()).empty());
}

TEST_F(ExportCommandsTest, Prefab) {
    ui.paths = {QString::fromStdString(dir / "out.pfb")};
    commands.OnExportPrefab();
    EXPECT_EQ(ui.lastFilters, QStringList({"Prefab Files (*.pfb)", "All files (*.*)"}));
    EXPECT_EQ(ui.lastSuffix, "pfb");
    doc.ExportPrefab(dir / "expected.pfb");
    EXPECT_EQ(ReadBytes(dir / "out.pfb"), ReadBytes(dir / "expected.pfb"));
    EXPECT_TRUE(doc.IsModified());
}

TEST_F(ExportCommandsTest, FailuresShowOneStopBoxNamingThePath) {
    AnswerOptions(false, true);
    vexlume::SetFileFaultHook([](vexlume::FileOperation op) {
        return op == vexlume::FileOperation::Create ? EACCES : 0;
    });
    ui.paths = {QString::fromStdString(dir / "refused.shader")};
    commands.OnExportShader();
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].text, QString::fromStdString("Access to " + (dir / "refused.shader") + " was denied."));
    EXPECT_EQ(ui.messages[0].icon, UiServices::Icon::Stop);

    vexlume::SetFileFaultHook([](vexlume::FileOperation op) {
        return op == vexlume::FileOperation::Write ? EIO : 0;
    });
    ui.paths = {QString::fromStdString(dir / "full.pfb")};
    commands.OnExportPrefab();
    ASSERT_EQ(ui.messages.size(), 2u);
    EXPECT_EQ(ui.messages[1].text, QString::fromStdString("Disk full while accessing " + (dir / "full.pfb") + "."));
    for (const auto& m : ui.messages) EXPECT_FALSE(m.text.contains("File writing failed."));
    EXPECT_TRUE(ListFolder(dir.path()).empty());
}

}  // namespace
