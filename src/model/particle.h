#pragma once

#include <string>

#include "model/vector3.h"

class CParticleDoc;

// One generated particle: values drawn once, and pure functions of the clock
// that say where it is and how it looks.
class CParticle {
public:
    explicit CParticle(CParticleDoc* doc) : m_vMove(0.0f, 0.0f, 1.0f), m_pDoc(doc) {}
    virtual ~CParticle() = default;

    // The position within the current cycle at a clock time, in [0, 1).
    float GetPhase(float time) const;
    // The value of a tween at a phase; phases outside [0, 1] extrapolate.
    float GetTween(int index, float phase) const;
    // The offset from the emitter at a phase.
    CVector3 GetPosition(float phase) const;

    // The texts of this particle's shader.
    std::string GetMoveString() const;
    std::string GetStageString() const;
    std::string GetWaveString(int nTween) const;

    CVector3 m_vMove;  // displacement over one life: direction x speed x life
    float m_fTweenStart[3] = {};
    float m_fTweenEnd[3] = {};
    float m_fValue[4] = {};
    CParticleDoc* m_pDoc;
};
