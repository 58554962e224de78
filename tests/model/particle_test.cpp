#include "model/particle.h"

#include <gtest/gtest.h>

#include "model/particle_doc.h"

namespace {

CParticle MakeParticle(float life, float spawn) {
    CParticle p(nullptr);
    p.m_fValue[EMIT_LIFE] = life;
    p.m_fValue[EMIT_SPAWNTIME] = spawn;
    return p;
}

struct PhaseCase {
    float life, spawn, time, phase;
};

class PhaseTest : public ::testing::TestWithParam<PhaseCase> {};

TEST_P(PhaseTest, WrapsIntoOneCycle) {
    const PhaseCase& c = GetParam();
    EXPECT_FLOAT_EQ(MakeParticle(c.life, c.spawn).GetPhase(c.time), c.phase)
        << "life " << c.life << " spawn " << c.spawn << " time " << c.time;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, PhaseTest,
    ::testing::Values(PhaseCase{2, 0.5f, 0, 0.5f}, PhaseCase{2, 0.5f, 1, 0},
                      PhaseCase{2, 0.5f, 1.5f, 0.25f}, PhaseCase{2, 0.5f, 5, 0},
                      PhaseCase{2, -0.25f, 0, 0.75f}, PhaseCase{2, -1.25f, 0, 0.75f},
                      PhaseCase{2, 1.25f, 0, 0.25f}, PhaseCase{2, 1.0f, 0, 0},
                      PhaseCase{2, -1.0f, 0, 0}, PhaseCase{0.001f, 0, 0.0005f, 0.5f},
                      PhaseCase{4, 0, 3, 0.75f}));

TEST(CParticle, PhaseStaysBelowOne) {
    CParticle p = MakeParticle(2, 0.5f);
    for (float t = 0; t < 50; t += 0.37f) {
        float phase = p.GetPhase(t);
        EXPECT_GE(phase, 0.0f);
        EXPECT_LT(phase, 1.0f);
    }
}

TEST(CParticle, TweenRunsFromStartToEnd) {
    CParticle p(nullptr);
    p.m_fTweenStart[TWEEN_STRETCH] = 0.3f;
    p.m_fTweenEnd[TWEEN_STRETCH] = 2.5f;
    EXPECT_EQ(p.GetTween(TWEEN_STRETCH, 0.0f), 0.3f);
    EXPECT_FLOAT_EQ(p.GetTween(TWEEN_STRETCH, 0.5f), (0.3f + 2.5f) / 2);
    EXPECT_FLOAT_EQ(p.GetTween(TWEEN_STRETCH, 1.0f), 2.5f);
    EXPECT_FLOAT_EQ(p.GetTween(TWEEN_STRETCH, 2.0f), 4.7f);  // extrapolates
}

TEST(CParticle, PositionScalesTheMove) {
    CParticle p(nullptr);
    p.m_vMove = CVector3(12.5f, -3.25f, 79.0f);
    CVector3 start = p.GetPosition(0.0f);
    EXPECT_EQ(start.x, 0.0f);
    EXPECT_EQ(start.z, 0.0f);
    CVector3 half = p.GetPosition(0.5f);
    EXPECT_EQ(half.x, 6.25f);
    EXPECT_EQ(half.y, -1.625f);
    EXPECT_EQ(half.z, 39.5f);
    p.m_vMove = CVector3(0, 0, 0);
    CVector3 still = p.GetPosition(0.7f);
    EXPECT_EQ(still.x + still.y + still.z, 0.0f);
}

}  // namespace
