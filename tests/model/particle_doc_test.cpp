#include "model/particle_doc.h"

#include <gtest/gtest.h>

#include <cmath>

#include "model/random_generator.h"
#include "platform/tick_count.h"

namespace {

class ParticleDocTest : public ::testing::Test {
protected:
    void SetUp() override { RandomGenerator::Seed(1); }
    void TearDown() override { vexlume::SetTickCountSource({}); }
};

TEST_F(ParticleDocTest, FirstDrawFromTheStartStateIs41) { EXPECT_EQ(RandomGenerator::Next(), 41); }

TEST_F(ParticleDocTest, RandomSpreadSpansLowToHigh) {
    RandomGenerator::Seed(1);
    // r = 41: low + 41 * (high - low) / 32767.
    EXPECT_FLOAT_EQ(RandomSpread(0, 10), static_cast<float>(-10 + 41 * 20.0 * double{RANDOM_SCALE}));
    RandomGenerator::Seed(1);
    EXPECT_EQ(RandomSpread(5, 0), 5.0f);  // a zero spread still draws
    EXPECT_NE(RandomGenerator::Next(), 41);
}

TEST_F(ParticleDocTest, DefaultsUseExactly130Draws) {
    CParticleDoc doc;
    doc.DeleteContents();
    const int afterDefaults = RandomGenerator::Next();
    RandomGenerator::Seed(1);
    for (int i = 0; i < 130; ++i) RandomGenerator::Next();
    EXPECT_EQ(afterDefaults, RandomGenerator::Next());
}

TEST_F(ParticleDocTest, DefaultParticlesFollowTheEmitter) {
    CParticleDoc doc;
    doc.DeleteContents();
    ASSERT_EQ(doc.m_particles.size(), 10u);
    for (const auto& p : doc.m_particles) {
        EXPECT_EQ(p->m_pDoc, &doc);
        EXPECT_EQ(p->m_fValue[EMIT_SPEED], 40.0f);
        EXPECT_EQ(p->m_fValue[EMIT_LIFE], 2.0f);
        EXPECT_EQ(p->m_fValue[EMIT_ROTATION], 0.0f);
        EXPECT_GE(p->m_fValue[EMIT_SPAWNTIME], 0.0f);
        EXPECT_LE(p->m_fValue[EMIT_SPAWNTIME], 1.0f);
        for (int k = 0; k < 3; ++k) {
            EXPECT_EQ(p->m_fTweenStart[k], 1.0f);
            EXPECT_EQ(p->m_fTweenEnd[k], 1.0f);
        }
        const CVector3& m = p->m_vMove;
        const double length = std::sqrt(double{m.x} * m.x + double{m.y} * m.y + double{m.z} * m.z);
        EXPECT_NEAR(length, 80.0, 1e-3);
        EXPECT_GE(m.z / length, std::cos(10.0 * M_PI / 180.0) - 1e-6);
    }
}

TEST_F(ParticleDocTest, ZeroSpreadsGiveEqualParticlesButStillDraw) {
    CParticleDoc doc;
    doc.DeleteContents();
    doc.m_vRotationSpread = CVector3(0, 0, 0);
    doc.m_fSpread[EMIT_SPAWNTIME] = 0;
    RandomGenerator::Seed(7);
    doc.GenerateParticles();
    for (const auto& p : doc.m_particles) {
        EXPECT_EQ(p->m_vMove.z, doc.m_particles[0]->m_vMove.z);
        EXPECT_EQ(p->m_fValue[EMIT_SPAWNTIME], 0.5f);
    }
    const int next = RandomGenerator::Next();
    RandomGenerator::Seed(7);
    for (int i = 0; i < 130; ++i) RandomGenerator::Next();
    EXPECT_EQ(next, RandomGenerator::Next());
}

TEST_F(ParticleDocTest, CountOfZeroOrLessGivesNoParticles) {
    CParticleDoc doc;
    doc.DeleteContents();
    for (int count : {0, -1}) {
        doc.m_nParticles = count;
        doc.GenerateParticles();
        EXPECT_TRUE(doc.m_particles.empty()) << count;
    }
}

TEST_F(ParticleDocTest, NonPositiveLifeIsRepairedAfterTheMove) {
    CParticleDoc doc;
    doc.DeleteContents();
    doc.m_fBase[EMIT_LIFE] = 0;
    doc.GenerateParticles();
    for (const auto& p : doc.m_particles) {
        EXPECT_EQ(p->m_fValue[EMIT_LIFE], 0.001f);
        EXPECT_EQ(std::fabs(p->m_vMove.x) + std::fabs(p->m_vMove.y) + std::fabs(p->m_vMove.z), 0.0f);
    }
    doc.m_fBase[EMIT_LIFE] = 1;
    doc.m_fSpread[EMIT_LIFE] = 2;
    doc.m_nParticles = 200;
    doc.GenerateParticles();
    int reversed = 0;
    for (const auto& p : doc.m_particles) {
        EXPECT_GT(p->m_fValue[EMIT_LIFE], 0.0f);
        if (p->m_fValue[EMIT_LIFE] == 0.001f && p->m_vMove.z < 0) ++reversed;
    }
    EXPECT_GT(reversed, 0);
    doc.m_fBase[EMIT_LIFE] = std::nanf("");
    doc.m_fSpread[EMIT_LIFE] = 0;
    doc.GenerateParticles();
    EXPECT_EQ(doc.m_particles[0]->m_fValue[EMIT_LIFE], 0.001f);
}

TEST_F(ParticleDocTest, ClockFollowsTheTickCounter) {
    std::uint32_t now = 0xFFFFFF00u;  // 256 ms before the counter wraps
    vexlume::SetTickCountSource([&] { return now; });
    CParticleDoc doc;
    EXPECT_EQ(doc.m_fTime, 0.0f);
    now += 500;  // across the wrap
    doc.UpdateTime();
    EXPECT_FLOAT_EQ(doc.m_fTime, 0.5f);
    EXPECT_EQ(doc.m_dwLastTick, now);
    now -= 100;  // backwards: no change of the clock, the tick is taken
    doc.UpdateTime();
    EXPECT_FLOAT_EQ(doc.m_fTime, 0.5f);
    EXPECT_EQ(doc.m_dwLastTick, now);
    const float before = doc.m_fTime;
    now += 20;
    doc.UpdateTime();
    EXPECT_EQ(doc.m_fTime, static_cast<float>(double{before} + 20 * double{0.001f}));
}

TEST_F(ParticleDocTest, ClockStandsStillWhenTicksAreBelowItsPrecision) {
    std::uint32_t now = 1000;
    vexlume::SetTickCountSource([&] { return now; });
    CParticleDoc doc;
    doc.m_fTime = 524288.0f;  // 2^19 s: spacing 1/16 s
    now += 20;
    doc.UpdateTime();
    EXPECT_EQ(doc.m_fTime, 524288.0f);
    now += 40;
    doc.UpdateTime();
    EXPECT_EQ(doc.m_fTime, 524288.0625f);
}

TEST_F(ParticleDocTest, GenerationKeepsTheClock) {
    CParticleDoc doc;
    doc.DeleteContents();
    doc.m_fTime = 3.5f;
    doc.GenerateParticles();
    doc.DeleteContents();
    EXPECT_EQ(doc.m_fTime, 3.5f);
}

}  // namespace
