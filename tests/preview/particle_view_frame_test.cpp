// The real preview widget on a real X display (Xvfb, Mesa's software
// renderer): mouse input and the pixels it draws.
#include "preview/particle_view_frame.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QMouseEvent>
#include <QTest>
#include <cmath>

#include "model/particle_doc.h"
#include "model/random_generator.h"
#include "preview/scene.h"
#include "recording_sink.h"

namespace {

using vexlume::test::RecordingSink;

class PreviewTest : public ::testing::Test {
protected:
    void SetUp() override {
        RandomGenerator::Seed(1);
        doc.OnNewDocument();
        view = std::make_unique<CParticleViewFrame>(doc, false);
        view->resize(400, 300);
        view->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(view.get()));
    }

    void Move(int x, int y, Qt::MouseButtons buttons) {
        QMouseEvent event(QEvent::MouseMove, QPointF(x, y), view->mapToGlobal(QPointF(x, y)),
                          Qt::NoButton, buttons, Qt::NoModifier);
        QApplication::sendEvent(view.get(), &event);
    }

    CParticleDoc doc;
    std::unique_ptr<CParticleViewFrame> view;
};

TEST_F(PreviewTest, NewViewStartsAtTheDefaultCamera) {
    EXPECT_EQ(view->Camera().m_fYaw, 0.0f);
    EXPECT_EQ(view->Camera().m_fPitch, -40.0f);
    EXPECT_EQ(view->Camera().m_fFov, 90.0f);
    EXPECT_NE(view->m_nTimer, 0);
}

TEST_F(PreviewTest, MouseOrbitsZoomsAndResets) {
    struct Step {
        int x, y;
        Qt::MouseButtons buttons;
        float yaw, pitch, fov;
    } steps[] = {
        {100, 100, Qt::NoButton, 0, -40, 90},         // only the point moves
        {279, 100, Qt::LeftButton, 179, -40, 90},
        {284, 100, Qt::LeftButton, -180, -40, 90},    // wraps, not -176
        {284, 160, Qt::LeftButton, -180, -90, 90},    // pitch stops straight down
        {284, -40, Qt::LeftButton, -180, 90, 90},
        {284, 60, Qt::RightButton, -180, 90, 160},    // zoom out to the limit
        {284, -140, Qt::RightButton, -180, 90, 10},
        {290, -130, Qt::LeftButton | Qt::RightButton, -174, 80, 10},  // both: orbit only
        {500, 500, Qt::NoButton, -174, 80, 10},
    };
    for (const Step& s : steps) {
        Move(s.x, s.y, s.buttons);
        EXPECT_EQ(view->Camera().m_fYaw, s.yaw) << s.x << "," << s.y;
        EXPECT_EQ(view->Camera().m_fPitch, s.pitch) << s.x << "," << s.y;
        EXPECT_EQ(view->Camera().m_fFov, s.fov) << s.x << "," << s.y;
    }
    QTest::mouseDClick(view.get(), Qt::LeftButton, Qt::NoModifier, QPoint(10, 10));
    EXPECT_EQ(view->Camera().m_fYaw, 0.0f);
    EXPECT_EQ(view->Camera().m_fPitch, -40.0f);
    EXPECT_EQ(view->Camera().m_fFov, 90.0f);
}

TEST_F(PreviewTest, WrapsFromTheOtherSideAndFullTurns) {
    Move(0, 0, Qt::NoButton);
    Move(-179, 0, Qt::LeftButton);
    Move(-184, 0, Qt::LeftButton);
    EXPECT_EQ(view->Camera().m_fYaw, 180.0f);
    QTest::mouseDClick(view.get(), Qt::LeftButton);
    Move(0, 0, Qt::NoButton);
    Move(360, 0, Qt::LeftButton);
    EXPECT_EQ(view->Camera().m_fYaw, 0.0f);
    Move(900, 0, Qt::LeftButton);
    EXPECT_EQ(view->Camera().m_fYaw, 180.0f);
    QTest::mouseDClick(view.get(), Qt::LeftButton);
    Move(0, 0, Qt::NoButton);
    Move(-200, 0, Qt::LeftButton);
    EXPECT_EQ(view->Camera().m_fYaw, 180.0f);
}

// Where an eye-space point lands in the window, by the projection the
// preview sets up.
QPoint Project(float x, float y, float z, double fovDeg, int w, int h) {
    const double f = 1.0 / std::tan(fovDeg * M_PI / 360.0);
    const double aspect = static_cast<double>(w) / h;
    const double ndcX = f / aspect * x / -z;
    const double ndcY = f * y / -z;
    return QPoint(static_cast<int>(std::floor((ndcX + 1) / 2 * w)),
                  static_cast<int>(std::floor((1 - (ndcY + 1) / 2) * h)));
}

// The brightest grey within a pixel of p.
int BrightestNear(const QImage& image, QPoint p) {
    int best = -1;
    for (int dy = -1; dy <= 1; ++dy)
        for (int dx = -1; dx <= 1; ++dx) {
            QPoint q = p + QPoint(dx, dy);
            if (image.rect().contains(q)) best = std::max(best, qRed(image.pixel(q)));
        }
    return best;
}

TEST_F(PreviewTest, PixelsShowTheGridAndTheParticles) {
    // One particle standing still in front of the camera, off the grid lines.
    doc.m_particles.clear();
    auto p = std::make_unique<CParticle>(&doc);
    p->m_vMove = CVector3(300, 0, 100);
    p->m_fValue[EMIT_LIFE] = 1e7f;  // the phase stays at 0.5 for the test's length
    p->m_fValue[EMIT_SPAWNTIME] = 0.5f;
    for (int k = 0; k < 3; ++k) p->m_fTweenStart[k] = p->m_fTweenEnd[k] = 1;
    p->m_fTweenStart[TWEEN_BRIGHTNESS] = p->m_fTweenEnd[TWEEN_BRIGHTNESS] = 0.8f;
    p->m_fTweenStart[TWEEN_STRETCH] = p->m_fTweenEnd[TWEEN_STRETCH] = 20;
    doc.m_particles.push_back(std::move(p));
    doc.m_nParticles = 1;
    view->update();
    QTest::qWait(100);
    const QImage image = view->grabFramebuffer();
    const int w = image.width(), h = image.height();

    EXPECT_EQ(image.pixel(2, 2) & 0xFFFFFF, 0x666666u);  // the background, (102, 102, 102)

    RecordingSink sink;
    DrawScene(view->Camera(), w, h, doc, sink);
    // The grid's centre line, half-way between its near end and the origin.
    const auto& grid = sink.batches[0].vertices;
    const auto a = grid[16], b = grid[17];
    const float t = 0.3f;
    QPoint onGrid = Project(a.x + t * (b.x - a.x), a.y + t * (b.y - a.y), a.z + t * (b.z - a.z),
                            90, w, h);
    EXPECT_NEAR(BrightestNear(image, onGrid), 128, 2);

    // The midpoint of the diamond's lower left edge, in the particle's brightness.
    const auto& strip = sink.batches[1].vertices;
    QPoint onOutline = Project((strip[0].x + strip[1].x) / 2, (strip[0].y + strip[1].y) / 2,
                               strip[0].z, 90, w, h);
    EXPECT_NEAR(BrightestNear(image, onOutline), 204, 2);
    // Inside the outline only the background shows.
    QPoint inside = Project(strip[0].x, strip[0].y + 20, strip[0].z, 90, w, h);
    EXPECT_EQ(qRed(image.pixel(inside)), 102);
}

TEST_F(PreviewTest, FramesChangeWhileParticlesMove) {
    doc.m_fSpread[EMIT_LIFE] = 0;
    doc.GenerateParticles();
    QTest::qWait(60);
    const QImage first = view->grabFramebuffer();
    QTest::qWait(100);
    const QImage second = view->grabFramebuffer();
    EXPECT_NE(first, second);
    EXPECT_GT(doc.m_fTime, 0.0f);
}

TEST_F(PreviewTest, ZeroHeightKeepsDrawingWithoutFault) {
    view->resize(400, 0);
    QTest::qWait(60);
    const long long frames = view->FramesDrawn();
    view->resize(400, 300);
    QTest::qWait(100);
    EXPECT_GT(view->FramesDrawn(), frames);
}

TEST(PreviewBatchMode, DoesNoOpenGLWork) {
    CParticleDoc doc;
    doc.OnNewDocument();
    CParticleViewFrame view(doc, true);
    view.resize(200, 100);
    view.show();
    QTest::qWait(80);
    EXPECT_EQ(view.m_nTimer, 0);
    EXPECT_EQ(view.FramesDrawn(), 0);
    EXPECT_EQ(view.m_cx, 0);
}

}  // namespace
