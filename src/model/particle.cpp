#include "model/particle.h"

#include <cmath>

#include "model/particle_doc.h"

float CParticle::GetPhase(float time) const {
    // The spawn time may be any float; wrap it into [0, 1) first. The
    // remainders are exact, their sign follows the dividend.
    float s = m_fValue[EMIT_SPAWNTIME];
    const float life = m_fValue[EMIT_LIFE];
    if (s < -1.0f) s = static_cast<float>(std::fmod(double{s}, -1.0));
    if (s < 0.0f) s = static_cast<float>(double{s} + 1.0);
    if (s >= 1.0f) s = static_cast<float>(std::fmod(double{s}, 1.0));
    float p = static_cast<float>(std::fmod(double{time}, double{life}) / life + s);
    if (p >= 1.0f) p = static_cast<float>(std::fmod(double{p}, 1.0));
    return p;
}

float CParticle::GetTween(int index, float phase) const {
    const double start = m_fTweenStart[index];
    return static_cast<float>(start + (double{m_fTweenEnd[index]} - start) * phase);
}

CVector3 CParticle::GetPosition(float phase) const { return m_vMove * phase; }
