#include <gtest/gtest.h>

#include <cstring>

#include "../effect_fixtures.h"
#include "model/particle_doc.h"
#include "model/random_generator.h"
#include "platform/archive.h"
#include "platform/archive_exception.h"

namespace {

using vexlume::test::DefaultEffectBytes;

std::string Save(CParticleDoc& doc) {
    std::string bytes;
    CArchive ar(bytes);
    doc.Serialize(ar);
    return bytes;
}

void Load(CParticleDoc& doc, const std::string& bytes) {
    CArchive ar{std::string_view(bytes)};
    doc.Serialize(ar);
}

TEST(Serialize, DefaultDocumentIsThe186BytesOfTheFormat) {
    CParticleDoc doc;
    doc.DeleteContents();
    const std::string bytes = Save(doc);
    ASSERT_EQ(bytes.size(), 186u);
    EXPECT_EQ(bytes, DefaultEffectBytes());
    EXPECT_EQ(bytes.substr(174), std::string("\x00\x00\x20\x41\x00\x00\x00\x00\x00\x00\x34\x43", 12));
}

TEST(Serialize, ReadsBackTheParametersAndMakesNewParticles) {
    RandomGenerator::Seed(1);
    CParticleDoc doc;
    doc.DeleteContents();
    const float firstZ = doc.m_particles[0]->m_vMove.z;
    doc.m_strBlend = "add";
    doc.m_fTweenEndSpread[TWEEN_STRETCH] = 0.25f;
    doc.m_vRotationBase.y = 33;
    doc.m_fBase[EMIT_SPEED] = 12;
    const std::string bytes = Save(doc);

    CParticleDoc copy;
    copy.DeleteContents();
    Load(copy, bytes);
    EXPECT_EQ(copy.m_strBlend, "add");
    EXPECT_EQ(copy.m_fTweenEndSpread[TWEEN_STRETCH], 0.25f);
    EXPECT_EQ(copy.m_vRotationBase.y, 33.0f);
    EXPECT_EQ(copy.m_fBase[EMIT_SPEED], 12.0f);
    EXPECT_EQ(copy.m_particles.size(), 10u);
    EXPECT_NE(copy.m_particles[0]->m_vMove.z, firstZ);
    EXPECT_EQ(Save(copy), bytes);
}

struct PrefixCase {
    std::size_t length;
    std::string prefix;
};

class StringPrefixTest : public ::testing::TestWithParam<PrefixCase> {};

TEST_P(StringPrefixTest, WritesAndReadsEachBoundary) {
    const std::string value(GetParam().length, 'q');
    std::string bytes;
    CArchive out(bytes);
    out << value;
    EXPECT_EQ(bytes.substr(0, GetParam().prefix.size()), GetParam().prefix);
    EXPECT_EQ(bytes.size(), GetParam().prefix.size() + value.size());
    CArchive in{std::string_view(bytes)};
    std::string read;
    in >> read;
    EXPECT_EQ(read, value);
    EXPECT_EQ(in.Remaining(), 0u);
}

INSTANTIATE_TEST_SUITE_P(
    Boundaries, StringPrefixTest,
    ::testing::Values(PrefixCase{0, std::string("\x00", 1)}, PrefixCase{254, "\xFE"},
                      PrefixCase{255, std::string("\xFF\xFF\x00", 3)},
                      PrefixCase{65533, "\xFF\xFD\xFF"},
                      PrefixCase{65534, std::string("\xFF\xFF\xFF\xFE\xFF\x00\x00", 7)},
                      PrefixCase{1000000, std::string("\xFF\xFF\xFF\x40\x42\x0F\x00", 7)}));

TEST(Serialize, WideStringIsReadAndSavedNarrow) {
    std::string bytes = DefaultEffectBytes();
    // Replace "blend" (at offset 12, 6 bytes) with the wide form of "add\u00e9".
    std::string wide("\xFF\xFE\xFF\x04" "a\0d\0d\0\xE9\0", 12);
    bytes.replace(12, 6, wide);
    CParticleDoc doc;
    doc.DeleteContents();
    Load(doc, bytes);
    EXPECT_EQ(doc.m_strBlend, "add\xC3\xA9");
    std::string saved = Save(doc);
    EXPECT_EQ(saved.substr(12, 6), "\x05" "add\xC3\xA9");
}

TEST(Serialize, WideStringWithSurrogatesAndStrayUnits) {
    // U+1F600 as a pair, then a lone high surrogate.
    std::string bytes("\xFF\xFE\xFF\x03" "\x3D\xD8\x00\xDE" "\x3D\xD8", 10);
    CArchive in{std::string_view(bytes)};
    std::string s;
    in >> s;
    EXPECT_EQ(s, "\xF0\x9F\x98\x80\xEF\xBF\xBD");
}

TEST(Serialize, WideStringWithLongLengthPrefix) {
    std::string bytes("\xFF\xFE\xFF\xFF\x02\x00", 6);
    bytes += std::string("x\0y\0", 4);
    CArchive in{std::string_view(bytes)};
    std::string s;
    in >> s;
    EXPECT_EQ(s, "xy");
}

struct BadStringCase {
    const char* name;
    std::string bytes;
};

class BadStringTest : public ::testing::TestWithParam<BadStringCase> {};

TEST_P(BadStringTest, IsRefusedAsTheWrongFormat) {
    CArchive in{std::string_view(GetParam().bytes)};
    std::string s;
    EXPECT_THROW(in >> s, CArchiveException);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, BadStringTest,
    ::testing::Values(
        BadStringCase{"RepeatedWideMarker", std::string("\xFF\xFE\xFF\xFF\xFE\xFF\x01\x00\x00", 9)},
        BadStringCase{"HugeLengthPastTheEnd", std::string("\xFF\xFF\xFF\xFF\xFF\xFF\xFF" "abc", 10)},
        BadStringCase{"WideLengthPastTheEnd", std::string("\xFF\xFE\xFF\x05" "a\0b\0", 8)},
        BadStringCase{"CutInsidePrefix", std::string("\xFF\xFF", 2)},
        BadStringCase{"ShortByOne", std::string("\x04" "abc", 4)}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
