#pragma once

// Three single-precision components; a product is rounded to float as it is
// stored.
class CVector3 {
public:
    CVector3() = default;  // components left unset; users assign all three
    CVector3(float fx, float fy, float fz) : x(fx), y(fy), z(fz) {}
    virtual ~CVector3() = default;
    CVector3(const CVector3&) = default;
    CVector3& operator=(const CVector3&) = default;

    CVector3 operator*(float s) const {
        return CVector3(static_cast<float>(double{x} * s), static_cast<float>(double{y} * s),
                        static_cast<float>(double{z} * s));
    }

    float x;
    float y;
    float z;
};
