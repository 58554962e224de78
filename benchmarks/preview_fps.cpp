// The frame rate the real preview reaches: an 800 by 600 window showing a
// thousand particles for three seconds. Needs a display (run under xvfb-run).
#include <QApplication>
#include <QElapsedTimer>
#include <QSurfaceFormat>
#include <QTest>
#include <cstdio>

#include "model/particle_doc.h"
#include "model/random_generator.h"
#include "preview/particle_view_frame.h"

int main(int argc, char** argv) {
    QSurfaceFormat format;
    format.setVersion(2, 1);
    format.setProfile(QSurfaceFormat::CompatibilityProfile);
    QSurfaceFormat::setDefaultFormat(format);
    QApplication app(argc, argv);

    RandomGenerator::Seed(1);
    CParticleDoc doc;
    doc.DeleteContents();
    doc.m_nParticles = 1000;
    doc.GenerateParticles();
    CParticleViewFrame view(doc, false);
    view.resize(800, 600);
    view.show();
    if (!QTest::qWaitForWindowExposed(&view)) return 1;
    QTest::qWait(500);

    const long long startFrames = view.FramesDrawn();
    QElapsedTimer clock;
    clock.start();
    QTest::qWait(3000);
    const double seconds = clock.elapsed() / 1000.0;
    const double fps = (view.FramesDrawn() - startFrames) / seconds;
    std::printf("preview_fps/1000 particles/800x600  %.1f frames per second\n", fps);
    return fps >= 50.0 * 0.95 ? 0 : 1;
}
