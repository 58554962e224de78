#pragma once

// The orbiting camera of the preview: one pixel of mouse motion is one
// degree. Dragging with the left button orbits (yaw wraps, pitch is limited
// to straight down or up); with the right button it zooms by widening or
// narrowing the field of view.
class CCamera {
public:
    void OnMouseMove(bool leftButton, bool rightButton, int x, int y);
    void Reset();

    float m_fFov = 90.0f;
    float m_fPitch = -40.0f;
    float m_fYaw = 0.0f;
    int m_ptLastX = 0;
    int m_ptLastY = 0;
    bool m_bHasLast = false;  // no motion seen yet: the first one only sets the point
};
