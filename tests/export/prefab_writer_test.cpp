#include <gtest/gtest.h>

#include "../test_support.h"
#include "writer_fixtures.h"
#include "model/particle_doc.h"
#include "model/random_generator.h"

namespace {

using namespace vexlume::test;

const char* const kEntityStart = "{\n\"classname\" \"func_group\"\n";

const char* const kFirstBrush = R"(// Particle 1
{
brushDef
{
( 128 16 0 ) ( 0 16 0 ) ( 0 0 0 ) ( ( 0.031250 0 0 ) ( 0 0.031250 -0.000000 ) ) common/nodraw 0 0 0
( 0 0 128 ) ( 0 16 128 ) ( 128 16 128 ) ( ( 0.031250 0 0 ) ( 0 0.031250 -0.000000 ) ) common/nodraw 0 0 0
( 0 0 64 ) ( 128 0 64 ) ( 128 0 0 ) ( ( 0.031250 0 0 ) ( 0 0.031250 0 ) ) common/nodraw 0 0 0
( 128 0 64 ) ( 128 16 64 ) ( 128 16 0 ) ( ( 0.031250 0 0 ) ( 0 0.031250 0 ) ) common/nodraw 0 0 0
( 0 16 64 ) ( 0 0 64 ) ( 0 0 0 ) ( ( 0.031250 -0.000000 -0.000000 ) ( 0 0.031250 0 ) ) common/nodraw 0 0 0
( 128 16 64 ) ( 0 16 64 ) ( 0 16 0 ) ( ( 0.007813 0 -0.000000 ) ( 0 0.007813 -0.000000 ) ) mymap/myeffect_1 0 0 0
}
}
)";

class PrefabWriterTest : public ::testing::Test {
protected:
    void SetUp() override { RandomGenerator::Seed(1); }
    std::string Export() {
        const std::string path = dir / "out.pfb";
        doc.ExportPrefab(path);
        return ReadBytes(path);
    }
    TempDir dir;
    CParticleDoc doc;
};

std::string PrefabHead() {
    return ExpectedHeader() + "// Import this prefab into Radiant using Edit->Load Prefab\n\n" + kEntityStart;
}

TEST_F(PrefabWriterTest, OneParticleByteForByte) {
    MakeWorkedExample(doc);
    EXPECT_EQ(Export(), Crlf(PrefabHead() + kFirstBrush + "}\n") + "// EOF");
}

TEST_F(PrefabWriterTest, NoParticlesGiveAnEmptyEntity) {
    doc.OnNewDocument();
    doc.m_nParticles = 0;
    doc.GenerateParticles();
    EXPECT_EQ(Export(), Crlf(PrefabHead() + "}\n") + "// EOF");
}

TEST_F(PrefabWriterTest, BrushesDifferOnlyInTheirNumber) {
    doc.OnNewDocument();
    const std::string text = Export();
    std::string expected = PrefabHead();
    for (int i = 1; i <= 10; ++i) {
        std::string brush = kFirstBrush;
        brush.replace(brush.find("Particle 1"), 10, "Particle " + std::to_string(i));
        brush.replace(brush.find("myeffect_1"), 10, "myeffect_" + std::to_string(i));
        expected += brush;
    }
    EXPECT_EQ(text, Crlf(expected + "}\n") + "// EOF");
}

TEST_F(PrefabWriterTest, EmptyMapFolderIsWrittenAsItIs) {
    MakeWorkedExample(doc);
    doc.m_strMapDir = "";
    EXPECT_NE(Export().find(") ) /myeffect_1 0 0 0\r\n"), std::string::npos);
}

}  // namespace
