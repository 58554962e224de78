#include "preview/camera.h"

#include <algorithm>
#include <cmath>

void CCamera::OnMouseMove(bool leftButton, bool rightButton, int x, int y) {
    if (!m_bHasLast) {
        m_ptLastX = x;
        m_ptLastY = y;
        m_bHasLast = true;
    }
    const int dx = x - m_ptLastX;
    const int dy = y - m_ptLastY;
    if (leftButton) {
        float yaw = static_cast<float>(std::fmod(double{m_fYaw} + dx, 360.0));
        if (yaw < -180.0f)
            yaw = 180.0f;
        else if (yaw > 180.0f)
            yaw = -180.0f;
        m_fYaw = yaw;
        m_fPitch = std::clamp(static_cast<float>(double{m_fPitch} - dy), -90.0f, 90.0f);
    } else if (rightButton) {
        m_fFov = std::clamp(static_cast<float>(double{m_fFov} + dy), 10.0f, 160.0f);
    }
    m_ptLastX = x;
    m_ptLastY = y;
}

void CCamera::Reset() {
    m_fPitch = -40.0f;
    m_fFov = 90.0f;
    m_fYaw = 0.0f;
}
