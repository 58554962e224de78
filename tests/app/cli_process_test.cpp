// The command-line export, run as the real program on real files, with no
// display and the settings store in a temporary folder.
#include <gtest/gtest.h>

#include <filesystem>

#include "../effect_fixtures.h"
#include "../process_runner.h"
#include "../test_support.h"
#include "model/particle_doc.h"
#include "model/random_generator.h"

namespace {

using namespace vexlume::test;

class CommandLineExport : public ::testing::Test {
protected:
    void SetUp() override {
        std::filesystem::create_directory(dir / "config");
        WriteBytes(dir / "effect.vxl", DefaultEffectBytes());
    }

    ProcessResult Run(const std::vector<std::string>& args,
                      std::map<std::string, std::string> env = {}) {
        env.emplace("XDG_CONFIG_HOME", dir / "config");
        env.emplace("DISPLAY", "");
        env.emplace("WAYLAND_DISPLAY", "");
        env.emplace("QT_QPA_PLATFORM", "");
        return RunProcess(VEXLUME_EXECUTABLE, args, dir.path().string(), env);
    }

    // What the program should write: the file's particles, drawn after the
    // 130 draws of the reset that comes before every read.
    std::string ExpectedExport(bool shader, bool workaround, const std::string& input) {
        RandomGenerator::Seed(1);
        CParticleDoc doc;
        EXPECT_TRUE(doc.OpenDocumentFile(input).ok);
        const std::string path = dir / "expected.out";
        if (shader)
            doc.ExportShader(path, workaround);
        else
            doc.ExportPrefab(path);
        std::string bytes = ReadBytes(path);
        std::filesystem::remove(path);
        return bytes;
    }

    std::string RecentFiles() { return ReadBytes(dir / "config/Tandrel/Vexlume.conf"); }

    TempDir dir;
};

TEST_F(CommandLineExport, TheSixTypicalLines) {
    const std::string shader = ExpectedExport(true, false, dir / "effect.vxl");
    const std::string workaround = ExpectedExport(true, true, dir / "effect.vxl");
    const std::string prefab = ExpectedExport(false, false, dir / "effect.vxl");
    ASSERT_NE(shader, workaround);

    struct Row {
        std::vector<std::string> args;
        std::string output;
        const std::string* expected;
        std::string absent;
    } rows[] = {
        {{"effect.vxl", "/shader", "out.shader"}, "out.shader", &shader, ""},
        {{"/shader", "out.shader", "effect.vxl"}, "out.shader", &shader, ""},
        {{"effect.vxl", "/shader", "out.shader", "/workaround"}, "out.shader", &workaround, ""},
        {{"effect.vxl", "-PREFAB", "out.pfb"}, "out.pfb", &prefab, ""},
        {{"effect.vxl", "/shader", "a.shader", "/prefab", "b.pfb"}, "b.pfb", &prefab, "a.shader"},
    };
    for (const Row& row : rows) {
        ProcessResult r = Run(row.args);
        EXPECT_EQ(r.status, 0) << r.err;
        EXPECT_EQ(r.err, "");
        EXPECT_EQ(ReadBytes(dir / row.output), *row.expected) << row.args[1];
        if (!row.absent.empty()) {
            EXPECT_FALSE(std::filesystem::exists(dir / row.absent));
        }
        std::filesystem::remove(dir / row.output);
    }
}

TEST_F(CommandLineExport, TwoRunsWriteTheSameBytes) {
    ASSERT_EQ(Run({"effect.vxl", "-shader", "one.shader"}).status, 0);
    ASSERT_EQ(Run({"effect.vxl", "-shader", "two.shader"}).status, 0);
    EXPECT_EQ(ReadBytes(dir / "one.shader"), ReadBytes(dir / "two.shader"));
}

TEST_F(CommandLineExport, AnEmptyFileExportsTheStartUpParticles) {
    WriteBytes(dir / "empty.vxl", "");
    ASSERT_EQ(Run({"empty.vxl", "-shader", "out.shader"}).status, 0);
    RandomGenerator::Seed(1);
    CParticleDoc doc;
    doc.DeleteContents();
    doc.ExportShader(dir / "expected.shader", false);
    EXPECT_EQ(ReadBytes(dir / "out.shader"), ReadBytes(dir / "expected.shader"));
}

TEST_F(CommandLineExport, AbsoluteOutputAfterASlashSwitch) {
    std::filesystem::create_directory(dir / "out");
    const std::string target = dir / "out/x.shader";
    ProcessResult r = Run({"/shader", target, dir / "effect.vxl"});
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(ReadBytes(target), ExpectedExport(true, false, dir / "effect.vxl"));
}

TEST_F(CommandLineExport, OpenFailuresExitWithOne) {
    WriteBytes(dir / "corrupt.vxl", "VXLM\x03");
    struct Row {
        std::vector<std::string> args;
        std::string err;
    } rows[] = {
        {{"missing.vxl", "-shader", "out.shader"}, "vexlume: " + (dir / "missing.vxl") + " was not found.\n"},
        {{"corrupt.vxl", "-prefab", "out.shader"}, "vexlume: Unexpected file format.\n"},
        {{"-shader", "out.shader"}, "vexlume: No effect file was named on the command line.\n"},
        {{".", "-shader", "out.shader"}, "vexlume: Access to " + dir.path().string() + " was denied.\n"},
    };
    for (const Row& row : rows) {
        ProcessResult r = Run(row.args);
        EXPECT_EQ(r.status, 1);
        EXPECT_EQ(r.err, row.err);
        EXPECT_FALSE(std::filesystem::exists(dir / "out.shader"));
    }
}

TEST_F(CommandLineExport, WriteFailuresExitWithTwoAndLeaveNoFile) {
    WriteBytes(dir / "plain", "x");
    std::filesystem::create_directory(dir / "folder");
    WriteBytes(dir / "kept.shader", "old contents");
    struct Row {
        std::vector<std::string> args;
        std::string err;
    } rows[] = {
        {{"effect.vxl", "-shader", "nofolder/x.shader"},
         "vexlume: File writing failed. " + (dir / "nofolder/x.shader") + " contains an invalid path.\n"},
        {{"effect.vxl", "-prefab", "plain/x.pfb"},
         "vexlume: File writing failed. " + (dir / "plain/x.pfb") + " contains an invalid path.\n"},
        {{"effect.vxl", "-shader", "folder"},
         "vexlume: File writing failed. Access to " + (dir / "folder") + " was denied.\n"},
        {{"effect.vxl", "-shader", "/dev/full"},
         "vexlume: File writing failed. Disk full while accessing /dev/full.\n"},
        {{"effect.vxl", "-shader"},
         "vexlume: File writing failed. No output file was named after the export switch.\n"},
    };
    const auto before = ListFolder(dir.path());
    for (const Row& row : rows) {
        ProcessResult r = Run(row.args);
        EXPECT_EQ(r.status, 2) << row.args[2];
        EXPECT_EQ(r.err, row.err);
    }
    EXPECT_EQ(ListFolder(dir.path()), before);
    EXPECT_EQ(ReadBytes(dir / "kept.shader"), "old contents");
}

TEST_F(CommandLineExport, OpenedEffectTopsTheRecentFiles) {
    WriteBytes(dir / "other.vxl", DefaultEffectBytes());
    for (const char* name : {"a.vxl", "b.vxl", "c.vxl", "d.vxl"}) {
        WriteBytes(dir / name, DefaultEffectBytes());
        ASSERT_EQ(Run({name, "-prefab", "o.pfb"}).status, 0);
    }
    ASSERT_EQ(Run({"b.vxl", "-prefab", "o.pfb"}).status, 0);
    ASSERT_EQ(Run({"other.vxl", "-prefab", "o.pfb"}).status, 0);
    ASSERT_EQ(Run({"missing.vxl", "-prefab", "o.pfb"}).status, 1);
    const std::string conf = RecentFiles();
    EXPECT_NE(conf.find("File1=" + (dir / "other.vxl") + "\n"), std::string::npos) << conf;
    EXPECT_NE(conf.find("File2=" + (dir / "b.vxl") + "\n"), std::string::npos) << conf;
    EXPECT_NE(conf.find("File3=" + (dir / "d.vxl") + "\n"), std::string::npos) << conf;
    EXPECT_NE(conf.find("File4=" + (dir / "c.vxl") + "\n"), std::string::npos) << conf;
    EXPECT_EQ(conf.find("File5"), std::string::npos);
    EXPECT_EQ(conf.find("missing"), std::string::npos);
}

TEST_F(CommandLineExport, TheLocaleChangesNothing) {
    ASSERT_EQ(Run({"effect.vxl", "-shader", "c.shader"}, {{"LC_ALL", "C"}}).status, 0);
    ProcessResult r = Run({"effect.vxl", "-shader", "de.shader"}, {{"LC_ALL", "de_DE.UTF-8"}});
    ASSERT_EQ(r.status, 0);
    EXPECT_EQ(r.err, "") << "de_DE.UTF-8 must exist (scripts/install-deps generates it)";
    EXPECT_EQ(ReadBytes(dir / "c.shader"), ReadBytes(dir / "de.shader"));
}

TEST_F(CommandLineExport, HelpAndVersionOpenNothing) {
    ProcessResult version = Run({"--version"});
    EXPECT_EQ(version.status, 0);
    EXPECT_EQ(version.out, "Vexlume 1.1\n");
    for (const char* flag : {"--help", "-h"}) {
        ProcessResult help = Run({flag});
        EXPECT_EQ(help.status, 0);
        EXPECT_NE(help.out.find("vexlume smoke.vxl -shader"), std::string::npos);
    }
    EXPECT_FALSE(std::filesystem::exists(dir / "config/Tandrel"));
}

}  // namespace
