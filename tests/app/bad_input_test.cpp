// The bad-input table, end to end: through the real program's command-line
// export and through the document life cycle.
#include <gtest/gtest.h>

#include <filesystem>

#include "../bad_inputs.h"
#include "../process_runner.h"
#include "../test_support.h"
#include "model/particle_doc.h"

namespace {

using namespace vexlume::test;

class BadInputTest : public ::testing::TestWithParam<BadInput> {
protected:
    ProcessResult Run(const std::vector<std::string>& args, rlim_t fileSizeLimit = 0) {
        std::filesystem::create_directories(dir / "config");
        return RunProcess(VEXLUME_EXECUTABLE, args, dir.path().string(),
                          {{"XDG_CONFIG_HOME", dir / "config"}, {"DISPLAY", ""}, {"WAYLAND_DISPLAY", ""}},
                          fileSizeLimit);
    }
    TempDir dir;
};

TEST_P(BadInputTest, CommandLineExport) {
    const BadInput& row = GetParam();
    WriteBytes(dir / "input.vxl", row.bytes);
    // A million particles make a shader of nearly a gigabyte: that one goes
    // to /dev/null.
    const bool huge = row.name == "CountAMillion";
    const std::string output = huge ? "/dev/null" : "out.shader";
    ProcessResult r = Run({"input.vxl", "-shader", output});
    EXPECT_EQ(ReadBytes(dir / "input.vxl"), row.bytes) << "the input file was changed";
    if (!row.opens) {
        EXPECT_EQ(r.status, 1);
        EXPECT_EQ(r.err, "vexlume: " + row.message + "\n");
        EXPECT_FALSE(std::filesystem::exists(dir / output));
        return;
    }
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.err, "");
    if (!huge) {
        const std::string shader = ReadBytes(dir / output);
        EXPECT_NE(shader.find(row.inShader), std::string::npos) << shader.substr(0, 2000);
    }
    ProcessResult prefab = Run({"input.vxl", "-prefab", "/dev/null"});
    EXPECT_EQ(prefab.status, 0) << prefab.err;
}

TEST_P(BadInputTest, DocumentLifeCycle) {
    const BadInput& row = GetParam();
    WriteBytes(dir / "input.vxl", row.bytes);
    CParticleDoc doc;
    doc.OnNewDocument();
    doc.m_strEffectName = "before";
    CDocument::Result r = doc.OpenDocumentFile(dir / "input.vxl");
    EXPECT_EQ(r.ok, row.opens) << r.message;
    if (!row.opens) {
        EXPECT_EQ(r.message, row.message);
        EXPECT_EQ(doc.GetTitle(), "Untitled");
        EXPECT_EQ(doc.m_strEffectName, "myeffect");
        return;
    }
    EXPECT_EQ(doc.GetTitle(), "input.vxl");
    // What opened saves back to the same bytes (wide strings become UTF-8).
    ASSERT_TRUE(doc.SaveDocument(dir / "again.vxl").ok);
    CParticleDoc reread;
    reread.OnNewDocument();
    ASSERT_TRUE(reread.OpenDocumentFile(dir / "again.vxl").ok);
    EXPECT_EQ(reread.m_nParticles, doc.m_nParticles);
    EXPECT_EQ(reread.m_strBlend, doc.m_strBlend);
    EXPECT_EQ(reread.m_strTexture.size(), doc.m_strTexture.size());
}

INSTANTIATE_TEST_SUITE_P(Table, BadInputTest, ::testing::ValuesIn(BadInputTable()),
                         [](const auto& info) { return info.param.name; });

TEST(BadOutput, AFullDiskLeavesTheExistingTargetAsItWas) {
    TempDir dir;
    std::filesystem::create_directories(dir / "config");
    WriteBytes(dir / "input.vxl", DefaultEffectBytes());
    WriteBytes(dir / "kept.shader", "the old export\r\n");
    // A file size limit of 4 KiB stands in for a disk that fills up.
    ProcessResult r = RunProcess(VEXLUME_EXECUTABLE, {"input.vxl", "-shader", "kept.shader"},
                                 dir.path().string(), {{"XDG_CONFIG_HOME", dir / "config"}}, 4096);
    EXPECT_EQ(r.status, 2);
    EXPECT_EQ(r.err, "vexlume: File writing failed. Disk full while accessing " + (dir / "kept.shader") + ".\n");
    EXPECT_EQ(ReadBytes(dir / "kept.shader"), "the old export\r\n");
    EXPECT_EQ(ListFolder(dir.path()), (std::vector<std::string>{"config", "input.vxl", "kept.shader"}));
}

}  // namespace
