#include "model/matrix4.h"

#include <cmath>

float DegreesToRadians(float degrees) {
    return static_cast<float>(double{degrees} * double{0.0055555557f} * double{3.1415927f});
}

void CMatrix4::Identity() {
    for (float& element : m_fMatrix) element = 0.0f;
    m_fMatrix[0] = m_fMatrix[5] = m_fMatrix[10] = m_fMatrix[15] = 1.0f;
}

void CMatrix4::RotateX(float angle) {
    const float s = static_cast<float>(std::sin(double{angle}));
    const float c = static_cast<float>(std::cos(double{angle}));
    CMatrix4 r;
    r.m_fMatrix[5] = c;
    r.m_fMatrix[6] = -s;
    r.m_fMatrix[9] = s;
    r.m_fMatrix[10] = c;
    Multiply(r);
}

void CMatrix4::RotateY(float angle) {
    const float s = static_cast<float>(std::sin(double{angle}));
    const float c = static_cast<float>(std::cos(double{angle}));
    CMatrix4 r;
    r.m_fMatrix[0] = c;
    r.m_fMatrix[2] = -s;
    r.m_fMatrix[8] = s;
    r.m_fMatrix[10] = c;
    Multiply(r);
}

void CMatrix4::RotateZ(float angle) {
    const float s = static_cast<float>(std::sin(double{angle}));
    const float c = static_cast<float>(std::cos(double{angle}));
    CMatrix4 r;
    r.m_fMatrix[0] = c;
    r.m_fMatrix[1] = s;
    r.m_fMatrix[4] = -s;
    r.m_fMatrix[5] = c;
    Multiply(r);
}

void CMatrix4::Multiply(const CMatrix4& left) {
    const CMatrix4 l = left;
    const CMatrix4 m = *this;
    for (int r = 0; r < 4; ++r) {
        for (int k = 0; k < 4; ++k) {
            float sum = 0.0f;
            for (int j = 0; j < 4; ++j)
                sum = static_cast<float>(double{sum} +
                                         double{l.m_fMatrix[4 * r + j]} * m.m_fMatrix[4 * j + k]);
            m_fMatrix[4 * r + k] = sum;
        }
    }
}

void CMatrix4::Transform(CVector3& v) const {
    const double x = v.x, y = v.y, z = v.z;
    const float* m = m_fMatrix;
    v.x = static_cast<float>(m[0] * x + m[1] * y + m[2] * z + m[3]);
    v.y = static_cast<float>(m[4] * x + m[5] * y + m[6] * z + m[7]);
    v.z = static_cast<float>(m[8] * x + m[9] * y + m[10] * z + m[11]);
}
