#include "preview/particle_view_frame.h"

#include <GL/gl.h>

#include <QMouseEvent>
#include <QTimerEvent>

#include "model/particle_doc.h"
#include "preview/gl_scene_sink.h"
#include "preview/scene.h"

CParticleViewFrame::CParticleViewFrame(CParticleDoc& doc, bool batchMode, QWidget* parent)
    : QOpenGLWidget(parent), m_doc(doc), m_bBatchMode(batchMode) {
    setMouseTracking(true);  // motion without a button only moves the last point
    setObjectName("preview");
}

CParticleViewFrame::~CParticleViewFrame() {
    if (m_nTimer != 0) killTimer(m_nTimer);
}

void CParticleViewFrame::initializeGL() {
    if (m_bBatchMode) return;
    // The only state set outside the frame; it holds for the context's life.
    glEnable(GL_BLEND);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    if (m_nTimer == 0) m_nTimer = startTimer(20, Qt::PreciseTimer);
}

void CParticleViewFrame::resizeGL(int w, int h) {
    if (m_bBatchMode) return;
    m_cx = w;
    m_cy = h;
}

void CParticleViewFrame::paintGL() {
    if (m_bBatchMode) return;
    GLSceneSink sink;
    DrawScene(m_camera, m_cx, m_cy, m_doc, sink);
    ++m_frames;
}

void CParticleViewFrame::timerEvent(QTimerEvent* event) {
    if (event->timerId() != m_nTimer) {
        QOpenGLWidget::timerEvent(event);
        return;
    }
    m_doc.UpdateTime();
    repaint();
}

void CParticleViewFrame::mouseMoveEvent(QMouseEvent* event) {
    const QPoint p = event->position().toPoint();
    m_camera.OnMouseMove(event->buttons() & Qt::LeftButton, event->buttons() & Qt::RightButton,
                         p.x(), p.y());
    QOpenGLWidget::mouseMoveEvent(event);
}

void CParticleViewFrame::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) m_camera.Reset();
    QOpenGLWidget::mouseDoubleClickEvent(event);
}
