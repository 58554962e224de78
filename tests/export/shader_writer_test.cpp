#include <gtest/gtest.h>

#include <clocale>
#include <cmath>

#include "../test_support.h"
#include "writer_fixtures.h"
#include "model/particle_doc.h"
#include "model/random_generator.h"

namespace {

using namespace vexlume::test;

const char* const kWorkedShader = R"(textures/mymap/myeffect_1
{
qer_editorimage textures/vexlume/editor.tga
surfaceparm noimpact
surfaceparm nolightmap
cull none
surfaceparm trans
surfaceparm nonsolid
surfaceparm nodlight
deformvertexes autosprite
deformvertexes move 12.500000 -3.250000 79.000000 sawtooth 0 1 0.250000 0.500000
{
clampmap textures/sfx/fan.tga
tcMod rotate 90.000000
AlphaGen wave sawtooth 1.000000 -1.000000 0.250000 0.500000
rgbGen wave sawtooth 1.000000 0.000000 0.250000 0.500000
tcMod stretch sawtooth 1.000000 1.000000 0.250000 0.500000
blendfunc blend
}
}

)";

class ShaderWriterTest : public ::testing::Test {
protected:
    void SetUp() override { RandomGenerator::Seed(1); }
    std::string Export(bool workaround) {
        const std::string path = dir / "out.shader";
        doc.ExportShader(path, workaround);
        return ReadBytes(path);
    }
    TempDir dir;
    CParticleDoc doc;
};

TEST_F(ShaderWriterTest, WorkedExampleByteForByte) {
    MakeWorkedExample(doc);
    EXPECT_EQ(Export(false), Crlf(ExpectedShaderHeader() + kWorkedShader));
}

TEST_F(ShaderWriterTest, WorkaroundChangesOnlyTheAutospriteLine) {
    MakeWorkedExample(doc);
    std::string expected = ExpectedShaderHeader() + kWorkedShader;
    const std::string plain = "\ndeformvertexes autosprite\n";
    expected.replace(expected.find(plain), plain.size(),
                     "\n//-UNCMT4RELEASE-//deformvertexes autosprite\n");
    EXPECT_EQ(Export(true), Crlf(expected));
}

TEST_F(ShaderWriterTest, NoParticlesGiveTheHeaderAlone) {
    doc.OnNewDocument();
    doc.m_nParticles = 0;
    doc.GenerateParticles();
    EXPECT_EQ(Export(false), Crlf(ExpectedShaderHeader()));
    EXPECT_EQ(Export(true), Crlf(ExpectedShaderHeader()));
}

TEST_F(ShaderWriterTest, TenParticlesNumberedFromOne) {
    doc.OnNewDocument();
    const std::string text = Export(false);
    for (int i = 1; i <= 10; ++i)
        EXPECT_NE(text.find("\r\ntextures/mymap/myeffect_" + std::to_string(i) + "\r\n{\r\n"),
                  std::string::npos)
            << i;
    EXPECT_EQ(text.find("myeffect_0"), std::string::npos);
    EXPECT_EQ(text.find("myeffect_11"), std::string::npos);
    // Every line feed is preceded by CR, and the file ends with an empty line.
    for (std::size_t at = text.find('\n'); at != std::string::npos; at = text.find('\n', at + 1))
        ASSERT_EQ(text[at - 1], '\r') << at;
    EXPECT_EQ(text.substr(text.size() - 8), "}\r\n}\r\n\r\n");
}

TEST_F(ShaderWriterTest, StringsAreWrittenAsTheyAre) {
    MakeWorkedExample(doc);
    doc.m_strMapDir = "";
    doc.m_strEditorImage = "";
    doc.m_strBlend = "GL_ONE GL_ONE";
    const std::string text = Export(false);
    EXPECT_NE(text.find("textures//myeffect_1\r\n"), std::string::npos);
    EXPECT_NE(text.find("qer_editorimage \r\n"), std::string::npos);
    EXPECT_NE(text.find("blendfunc GL_ONE GL_ONE\r\n}\r\n"), std::string::npos);
}

TEST(ParticleStrings, WaveValuesKeepDoublePrecision) {
    CParticleDoc doc;
    CParticle p(&doc);
    p.m_vMove = CVector3(-0.0f, 0.0078125f, 1e30f);
    p.m_fValue[EMIT_LIFE] = 0.001f;
    p.m_fValue[EMIT_SPAWNTIME] = 0.0f;
    p.m_fTweenStart[TWEEN_OPACITY] = 0.1f;
    p.m_fTweenEnd[TWEEN_OPACITY] = 0.3f;
    p.m_fTweenStart[TWEEN_STRETCH] = 2.0f;
    p.m_fTweenEnd[TWEEN_STRETCH] = 0.5f;
    EXPECT_EQ(p.GetMoveString(),
              "-0.000000 0.007813 1000000015047466200000000000000.000000 sawtooth 0 1 0.000000 999.999953");
    EXPECT_EQ(p.GetWaveString(TWEEN_OPACITY),
              "AlphaGen wave sawtooth 0.100000 0.200000 0.000000 999.999953");
    EXPECT_EQ(p.GetWaveString(TWEEN_STRETCH),
              "tcMod stretch sawtooth 2.000000 -1.500000 0.000000 999.999953");
}

TEST_F(ShaderWriterTest, TheLocaleNeverReachesTheNumbers) {
    MakeWorkedExample(doc);
    const std::string before = Export(false);
    const char* previous = std::setlocale(LC_ALL, nullptr);
    std::string saved = previous ? previous : "C";
    ASSERT_NE(std::setlocale(LC_ALL, "de_DE.UTF-8"), nullptr)
        << "the test set-up generates de_DE.UTF-8; run scripts/install-deps";
    ASSERT_EQ(std::string(std::localeconv()->decimal_point), ",");
    const std::string during = Export(false);
    std::setlocale(LC_ALL, saved.c_str());
    EXPECT_EQ(during, before);
}

TEST_F(ShaderWriterTest, NotANumberAndInfinityAreSpelledOut) {
    MakeWorkedExample(doc);
    doc.m_particles[0]->m_vMove = CVector3(std::nanf(""), INFINITY, -INFINITY);
    const std::string text = Export(false);
    EXPECT_NE(text.find("deformvertexes move nan inf -inf sawtooth"), std::string::npos);
}

}  // namespace
