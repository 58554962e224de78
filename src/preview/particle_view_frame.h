#pragma once

#include <QOpenGLWidget>

#include "preview/camera.h"

class CParticleDoc;

// The live preview: a 20 ms timer advances the effect's clock and repaints
// at once; the left button orbits the camera, the right button zooms, a
// double-click resets it. In batch mode it does no OpenGL work at all.
class CParticleViewFrame : public QOpenGLWidget {
    Q_OBJECT
public:
    CParticleViewFrame(CParticleDoc& doc, bool batchMode, QWidget* parent = nullptr);
    ~CParticleViewFrame() override;

    const CCamera& Camera() const { return m_camera; }
    int m_cx = 0;
    int m_cy = 0;
    int m_nTimer = 0;  // 0 while no animation timer runs

    // Frames drawn so far, for measuring the frame rate.
    long long FramesDrawn() const { return m_frames; }

protected:
    void initializeGL() override;
    void resizeGL(int w, int h) override;
    void paintGL() override;
    void timerEvent(QTimerEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    CParticleDoc& m_doc;
    bool m_bBatchMode;
    CCamera m_camera;
    long long m_frames = 0;
};
