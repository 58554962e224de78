#include "model/matrix4.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

constexpr float kTolerance = 1e-6f;

void ExpectNear(const CVector3& v, float x, float y, float z) {
    EXPECT_NEAR(v.x, x, kTolerance);
    EXPECT_NEAR(v.y, y, kTolerance);
    EXPECT_NEAR(v.z, z, kTolerance);
}

TEST(CMatrix4, NewAndIdentityLeaveVectorsUnchanged) {
    CMatrix4 m;
    CVector3 v(1.5f, -2.0f, 3.25f);
    m.Transform(v);
    EXPECT_EQ(v.x, 1.5f);
    EXPECT_EQ(v.y, -2.0f);
    EXPECT_EQ(v.z, 3.25f);
    m.RotateZ(1.0f);
    m.Identity();
    for (int i = 0; i < 16; ++i) EXPECT_EQ(m.m_fMatrix[i], (i % 5 == 0) ? 1.0f : 0.0f) << i;
}

struct RotationCase {
    const char* name;
    float x_deg, z_deg, y_deg;  // applied X, then Y, then Z when non-zero
    CVector3 in;
    CVector3 out;
};

class RotationTest : public ::testing::TestWithParam<RotationCase> {};

TEST_P(RotationTest, TurnsAsTheEffectExpects) {
    const RotationCase& c = GetParam();
    CMatrix4 m;
    if (c.x_deg != 0) m.RotateX(DegreesToRadians(c.x_deg));
    if (c.y_deg != 0) m.RotateY(DegreesToRadians(c.y_deg));
    if (c.z_deg != 0) m.RotateZ(DegreesToRadians(c.z_deg));
    CVector3 v = c.in;
    m.Transform(v);
    ExpectNear(v, c.out.x, c.out.y, c.out.z);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, RotationTest,
    ::testing::Values(
        RotationCase{"X90", 90, 0, 0, {0, 0, 1}, {0, -1, 0}},
        RotationCase{"Y90", 0, 0, 90, {0, 0, 1}, {-1, 0, 0}},
        RotationCase{"Z90", 0, 90, 0, {1, 0, 0}, {0, -1, 0}},
        RotationCase{"X90ThenZ90", 90, 90, 0, {0, 0, 1}, {-1, 0, 0}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(CMatrix4, ThreeAnglesGiveTheClosedForm) {
    const float a = 0.3f, b = -0.7f, g = 2.1f;
    CMatrix4 m;
    m.RotateX(a);
    m.RotateY(b);
    m.RotateZ(g);
    CVector3 v(0, 0, 1);
    m.Transform(v);
    ExpectNear(v, -std::cos(g) * std::sin(b) * std::cos(a) - std::sin(g) * std::sin(a),
               std::sin(g) * std::sin(b) * std::cos(a) - std::cos(g) * std::sin(a),
               std::cos(b) * std::cos(a));
}

TEST(CMatrix4, RowThreeIsNeverRead) {
    CMatrix4 m;
    m.m_fMatrix[12] = 5;
    m.m_fMatrix[13] = 6;
    m.m_fMatrix[14] = 7;
    m.m_fMatrix[15] = 0;
    CVector3 v(1, 2, 3);
    m.Transform(v);
    ExpectNear(v, 1, 2, 3);
}

TEST(CMatrix4, MultiplyPutsTheFactorOnTheLeft) {
    CMatrix4 left, right;
    for (int i = 0; i < 16; ++i) {
        left.m_fMatrix[i] = static_cast<float>(i + 1);
        right.m_fMatrix[i] = static_cast<float>(i % 3 - 1);
    }
    CMatrix4 product = right;
    product.Multiply(left);
    for (int r = 0; r < 4; ++r)
        for (int k = 0; k < 4; ++k) {
            float expected = 0;
            for (int j = 0; j < 4; ++j) expected += left.m_fMatrix[4 * r + j] * right.m_fMatrix[4 * j + k];
            EXPECT_EQ(product.m_fMatrix[4 * r + k], expected);
        }
    // Multiplying by itself reads both copies before writing.
    CMatrix4 square = left;
    square.Multiply(square);
    EXPECT_EQ(square.m_fMatrix[0], 1 * 1 + 2 * 5 + 3 * 9 + 4 * 13);
}

TEST(CMatrix4, EachAdditionIsRoundedToFloat) {
    // 1 + 2^-30 is lost in float before -1 is added; in double it would survive.
    CMatrix4 left, right;
    left.Identity();
    right.Identity();
    left.m_fMatrix[0] = 1.0f;
    left.m_fMatrix[1] = 1.0f;
    left.m_fMatrix[2] = 1.0f;
    right.m_fMatrix[0] = 1.0f;
    right.m_fMatrix[4] = std::ldexp(1.0f, -30);
    right.m_fMatrix[8] = -1.0f;
    right.Multiply(left);
    EXPECT_EQ(right.m_fMatrix[0], 0.0f);
}

TEST(DegreesToRadians, UsesTheFloatConstantsInOrder) {
    EXPECT_EQ(DegreesToRadians(90.0f),
              static_cast<float>(90.0 * double{0.0055555557f} * double{3.1415927f}));
    EXPECT_EQ(DegreesToRadians(0.0f), 0.0f);
}

TEST(CVector3, Scaling) {
    CVector3 v(1.5f, -2.0f, 4.0f);
    CVector3 zero = v * 0.0f;
    EXPECT_EQ(zero.x, 0.0f);
    EXPECT_EQ(zero.y, 0.0f);
    EXPECT_EQ(zero.z, 0.0f);
    CVector3 same = v * 1.0f;
    EXPECT_EQ(same.x, 1.5f);
    EXPECT_EQ(same.y, -2.0f);
    EXPECT_EQ(same.z, 4.0f);
    EXPECT_EQ(v.x, 1.5f);
}

}  // namespace
