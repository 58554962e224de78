#include "export/effect_command_line_info.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

using Info = CEffectCommandLineInfo;

Info Parse(std::vector<const char*> args) {
    args.insert(args.begin(), "vexlume");
    Info info;
    info.ParseCommandLine(static_cast<int>(args.size()), args.data());
    return info;
}

struct ParseCase {
    const char* name;
    std::vector<const char*> args;
    Info::ShellCommand command;
    std::string file, shader, prefab;
    bool workaround;
};

class ParseTest : public ::testing::TestWithParam<ParseCase> {};

TEST_P(ParseTest, ReadsTheLine) {
    const ParseCase& c = GetParam();
    Info info = Parse(c.args);
    EXPECT_EQ(info.m_nShellCommand, c.command);
    EXPECT_EQ(info.m_strFileName, c.file);
    EXPECT_EQ(info.m_strShaderFile, c.shader);
    EXPECT_EQ(info.m_strPrefabFile, c.prefab);
    EXPECT_EQ(info.m_bWorkaround, c.workaround);
}

INSTANTIATE_TEST_SUITE_P(
    Lines, ParseTest,
    ::testing::Values(
        ParseCase{"Nothing", {}, Info::FileNew, "", "", "", false},
        ParseCase{"DocumentOnly", {"effect.vxl"}, Info::FileOpen, "effect.vxl", "", "", false},
        ParseCase{"ShaderAfter", {"effect.vxl", "/shader", "out.shader"}, Info::ShellExportShader,
                  "effect.vxl", "out.shader", "", false},
        ParseCase{"ShaderBefore", {"/shader", "out.shader", "effect.vxl"}, Info::ShellExportShader,
                  "effect.vxl", "out.shader", "", false},
        ParseCase{"Workaround", {"effect.vxl", "/shader", "out.shader", "/workaround"},
                  Info::ShellExportShader, "effect.vxl", "out.shader", "", true},
        ParseCase{"UpperPrefab", {"effect.vxl", "-PREFAB", "out.pfb"}, Info::ShellExportPrefab,
                  "effect.vxl", "", "out.pfb", false},
        ParseCase{"LastWins", {"effect.vxl", "/shader", "a.shader", "/prefab", "b.pfb"},
                  Info::ShellExportPrefab, "effect.vxl", "a.shader", "b.pfb", false},
        ParseCase{"AnyCaseAnyPrefix", {"e.vxl", "--Shader", "o", "/WorkAround"},
                  Info::ShellExportShader, "e.vxl", "o", "", true},
        ParseCase{"AbsoluteOutput", {"e.vxl", "/shader", "/tmp/out/x.shader"},
                  Info::ShellExportShader, "e.vxl", "/tmp/out/x.shader", "", false},
        ParseCase{"AbsoluteDocument", {"/maps/e.vxl", "-shader", "o"}, Info::ShellExportShader,
                  "/maps/e.vxl", "o", "", false},
        ParseCase{"DashedOutputLosesItsDash", {"e.vxl", "-shader", "-x.shader"},
                  Info::ShellExportShader, "e.vxl", "x.shader", "", false},
        ParseCase{"SecondShaderPathIsTheDocument", {"/shader", "out.shader", "/shader", "other.shader"},
                  Info::ShellExportShader, "other.shader", "out.shader", "", false},
        ParseCase{"MissingOutput", {"e.vxl", "-shader"}, Info::ShellExportShader, "e.vxl", "", "", false},
        ParseCase{"UnknownSwitchIgnored", {"-nologo", "e.vxl"}, Info::FileOpen, "e.vxl", "", "", false},
        ParseCase{"DocumentThenWorkaroundStillOpens", {"e.vxl", "-workaround"}, Info::FileOpen,
                  "e.vxl", "", "", true}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(CommandLine, HelpAndVersion) {
    EXPECT_TRUE(Parse({"--help"}).m_bShowHelp);
    EXPECT_TRUE(Parse({"-h"}).m_bShowHelp);
    EXPECT_TRUE(Parse({"--version"}).m_bShowVersion);
    EXPECT_FALSE(Parse({"e.vxl"}).m_bShowHelp);
    EXPECT_NE(std::string(kCommandLineUsage).find("-shader"), std::string::npos);
}

}  // namespace
