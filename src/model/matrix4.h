#pragma once

#include "model/vector3.h"

// Converts degrees to radians as the effect expects: by the float nearest to
// 1/180, then by the float nearest to pi, rounded to float once.
float DegreesToRadians(float degrees);

// A row-major 4x4 float matrix (element of row r, column c at 4r + c). Every
// rotation multiplies from the left, so calls apply in the order made. The Y
// and Z rotations turn the opposite way from the textbook right-handed ones;
// the emission cone and the preview camera rely on exactly these signs.
class CMatrix4 {
public:
    CMatrix4() { Identity(); }
    virtual ~CMatrix4() = default;
    CMatrix4(const CMatrix4&) = default;
    CMatrix4& operator=(const CMatrix4&) = default;

    void Identity();
    void RotateX(float angle);
    void RotateY(float angle);
    void RotateZ(float angle);
    // M becomes left * M.
    void Multiply(const CMatrix4& left);
    // The vector becomes M applied to (x, y, z, 1); row 3 is never read.
    void Transform(CVector3& v) const;

    float m_fMatrix[16];
};
