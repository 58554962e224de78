#include "preview/camera.h"

#include <gtest/gtest.h>

namespace {

struct DragCase {
    const char* name;
    float yaw, pitch, fov;
    bool left, right;
    int dx, dy;
    float expectYaw, expectPitch, expectFov;
};

class CameraDragTest : public ::testing::TestWithParam<DragCase> {};

TEST_P(CameraDragTest, OneMove) {
    const DragCase& c = GetParam();
    CCamera camera;
    camera.m_fYaw = c.yaw;
    camera.m_fPitch = c.pitch;
    camera.m_fFov = c.fov;
    camera.OnMouseMove(false, false, 1000, 1000);
    camera.OnMouseMove(c.left, c.right, 1000 + c.dx, 1000 + c.dy);
    EXPECT_EQ(camera.m_fYaw, c.expectYaw);
    EXPECT_EQ(camera.m_fPitch, c.expectPitch);
    EXPECT_EQ(camera.m_fFov, c.expectFov);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, CameraDragTest,
    ::testing::Values(DragCase{"WrapRight", 179, -40, 90, true, false, 5, 0, -180, -40, 90},
                      DragCase{"WrapLeft", -179, -40, 90, true, false, -5, 0, 180, -40, 90},
                      DragCase{"Full360", 0, -40, 90, true, false, 360, 0, 0, -40, 90},
                      DragCase{"Right540", 0, -40, 90, true, false, 540, 0, 180, -40, 90},
                      DragCase{"Left200", 0, -40, 90, true, false, -200, 0, 180, -40, 90},
                      DragCase{"PitchDown", 0, -40, 90, true, false, 0, 60, 0, -90, 90},
                      DragCase{"PitchUp", 0, -40, 90, true, false, 0, -200, 0, 90, 90},
                      DragCase{"ZoomOut", 0, -40, 90, false, true, 0, 100, 0, -40, 160},
                      DragCase{"ZoomIn", 0, -40, 90, false, true, 0, -100, 0, -40, 10},
                      DragCase{"BothButtonsOrbit", 0, -40, 90, true, true, 10, 10, 10, -50, 90},
                      DragCase{"NoButton", 0, -40, 90, false, false, 30, 30, 0, -40, 90}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(CCamera, ResetRestoresTheStart) {
    CCamera camera;
    camera.OnMouseMove(false, false, 0, 0);
    camera.OnMouseMove(true, false, 33, 12);
    camera.OnMouseMove(false, true, 33, 50);
    camera.Reset();
    EXPECT_EQ(camera.m_fYaw, 0.0f);
    EXPECT_EQ(camera.m_fPitch, -40.0f);
    EXPECT_EQ(camera.m_fFov, 90.0f);
}

}  // namespace
