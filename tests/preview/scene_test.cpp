#include "preview/scene.h"

#include <gtest/gtest.h>

#include <cmath>

#include "model/particle_doc.h"
#include "model/random_generator.h"
#include "preview/camera.h"
#include "recording_sink.h"

namespace {

using vexlume::test::RecordingSink;

constexpr float kTolerance = 0.01f;

class SceneTest : public ::testing::Test {
protected:
    void SetUp() override {
        RandomGenerator::Seed(1);
        doc.OnNewDocument();
        doc.m_particles.clear();
        doc.m_nParticles = 0;
    }

    // A particle standing still at displacement d, with the given stretch,
    // brightness and opacity: phase 0.5 of a move of 2d.
    void AddParticle(float dx, float dy, float dz, float s = 1, float brightness = 1, float opacity = 1) {
        auto p = std::make_unique<CParticle>(&doc);
        p->m_vMove = CVector3(2 * dx, 2 * dy, 2 * dz);
        p->m_fValue[EMIT_LIFE] = 2;
        p->m_fValue[EMIT_SPAWNTIME] = 0.5f;
        p->m_fTweenStart[TWEEN_STRETCH] = p->m_fTweenEnd[TWEEN_STRETCH] = s;
        p->m_fTweenStart[TWEEN_BRIGHTNESS] = p->m_fTweenEnd[TWEEN_BRIGHTNESS] = brightness;
        p->m_fTweenStart[TWEEN_OPACITY] = p->m_fTweenEnd[TWEEN_OPACITY] = opacity;
        doc.m_particles.push_back(std::move(p));
        doc.m_nParticles = static_cast<int>(doc.m_particles.size());
    }

    RecordingSink Draw(float yaw, float pitch, int cx = 800, int cy = 600) {
        camera.m_fYaw = yaw;
        camera.m_fPitch = pitch;
        RecordingSink sink;
        DrawScene(camera, cx, cy, doc, sink);
        return sink;
    }

    static void ExpectEye(const RecordingSink::Point& v, float x, float y, float z) {
        EXPECT_NEAR(v.x, x, kTolerance);
        EXPECT_NEAR(v.y, y, kTolerance);
        EXPECT_NEAR(v.z, z, kTolerance);
    }

    CParticleDoc doc;
    CCamera camera;
};

TEST_F(SceneTest, FrameSetUp) {
    RecordingSink sink = Draw(0, -40, 800, 600);
    EXPECT_EQ(sink.clears, 1);
    EXPECT_FLOAT_EQ(sink.clear.r, 0.4f);
    EXPECT_FLOAT_EQ(sink.clear.a, 0.0f);
    EXPECT_EQ(sink.fovY, 90.0);
    EXPECT_DOUBLE_EQ(sink.aspect, 800.0 / 600.0);
    EXPECT_EQ(sink.zNear, 1.0);
    EXPECT_EQ(sink.zFar, 10000.0);
    EXPECT_EQ(sink.depth, 0);  // every push is popped
}

TEST_F(SceneTest, GridOnlyWithoutParticles) {
    for (int count : {0, -3}) {
        doc.m_nParticles = count;
        RecordingSink sink = Draw(0, -40);
        ASSERT_EQ(sink.batches.size(), 1u);
        EXPECT_EQ(sink.batches[0].primitive, SceneSink::Primitive::Lines);
        EXPECT_EQ(sink.batches[0].vertices.size(), 68u);
        EXPECT_FLOAT_EQ(sink.batches[0].r, 0.5f);
        EXPECT_FLOAT_EQ(sink.batches[0].a, 1.0f);
    }
}

TEST_F(SceneTest, ParticleAtTheEmitterFacingTheEye) {
    AddParticle(0, 0, 0, 1);
    RecordingSink sink = Draw(0, 0);
    ASSERT_EQ(sink.batches.size(), 2u);
    const auto& strip = sink.batches[1];
    EXPECT_EQ(strip.primitive, SceneSink::Primitive::LineStrip);
    ASSERT_EQ(strip.vertices.size(), 5u);
    ExpectEye(strip.vertices[0], 0, 0, -240);
    ExpectEye(strip.vertices[1], -1, 1, -240);
    ExpectEye(strip.vertices[2], 0, 2, -240);
    ExpectEye(strip.vertices[3], 1, 1, -240);
    ExpectEye(strip.vertices[4], 0, 0, -240);
}

struct CornerCase {
    float yaw, pitch;
    float dx, dy, dz;
    float x, y, z;  // eye coordinates of the lowest corner
};

class SceneCornerTest : public SceneTest, public ::testing::WithParamInterface<CornerCase> {};

TEST_P(SceneCornerTest, LowestCornerInEyeSpace) {
    const CornerCase& c = GetParam();
    AddParticle(c.dx, c.dy, c.dz);
    RecordingSink sink = Draw(c.yaw, c.pitch);
    ExpectEye(sink.batches[1].vertices[0], c.x, c.y, c.z);
}

INSTANTIATE_TEST_SUITE_P(Cameras, SceneCornerTest,
                         ::testing::Values(CornerCase{0, -40, 0, 0, 100, 0, 76.60f, -175.72f},
                                           CornerCase{0, -40, 0, 100, 0, 0, 64.28f, -316.60f},
                                           CornerCase{0, -40, 100, 0, 0, 100, 0, -240},
                                           CornerCase{90, 0, 100, 0, 0, 0, 0, -340},
                                           CornerCase{90, 0, 0, 100, 0, -100, 0, -240}));

TEST_F(SceneTest, GridEdgesUnderTheDefaultCamera) {
    RecordingSink sink = Draw(0, -40);
    const auto& grid = sink.batches[0].vertices;
    // The ninth segment of the first family runs along x = 0 from y = -800 to 800.
    EXPECT_NEAR(grid[16].z, -852.84f, kTolerance);
    EXPECT_NEAR(grid[17].z, 372.84f, kTolerance);
}

TEST_F(SceneTest, GridEndUnderYaw90) {
    RecordingSink sink = Draw(90, 0);
    // The ninth segment of the second family runs along y = 0; its second end is (800, 0, 0).
    ExpectEye(sink.batches[0].vertices[34 + 17], 0, 0, -1040);
}

TEST_F(SceneTest, ColoursAndSizesFromTheTweens) {
    AddParticle(0, 0, 0, -2, 1.5f, 0.25f);
    RecordingSink sink = Draw(0, 0);
    const auto& strip = sink.batches[1];
    EXPECT_FLOAT_EQ(strip.r, 1.5f);
    EXPECT_FLOAT_EQ(strip.g, 1.5f);
    EXPECT_FLOAT_EQ(strip.a, 0.25f);
    // A negative stretch hangs the diamond below the particle.
    ExpectEye(strip.vertices[2], 0, -4, -240);
}

TEST_F(SceneTest, ZeroHeightCompletes) {
    AddParticle(10, 0, 0);
    RecordingSink sink = Draw(0, -40, 800, 0);
    EXPECT_TRUE(std::isinf(sink.aspect));
    EXPECT_EQ(sink.batches.size(), 2u);
}

TEST_F(SceneTest, NeverReadsPastTheParticles) {
    AddParticle(1, 0, 0);
    doc.m_nParticles = 50;
    EXPECT_EQ(Draw(0, 0).batches.size(), 2u);
}

}  // namespace
