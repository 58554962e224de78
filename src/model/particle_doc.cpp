#include "model/particle_doc.h"

#include "model/matrix4.h"
#include "model/random_generator.h"
#include "platform/tick_count.h"

CParticleDoc::CParticleDoc() : m_dwLastTick(vexlume::GetTickCount32()) {}

void CParticleDoc::DeleteContents() {
    CDocument::DeleteContents();
    m_vRotationBase = CVector3(0.0f, 0.0f, 0.0f);
    m_vRotationSpread = CVector3(10.0f, 0.0f, 180.0f);
    m_nParticles = 10;
    const float base[4] = {0.0f, 40.0f, 2.0f, 0.5f};
    const float spread[4] = {0.0f, 0.0f, 0.0f, 0.5f};
    for (int i = 0; i < 4; ++i) {
        m_fBase[i] = base[i];
        m_fSpread[i] = spread[i];
    }
    for (int k = 0; k < 3; ++k) {
        m_fTweenStart[k] = 1.0f;
        m_fTweenStartSpread[k] = 0.0f;
        m_fTweenEnd[k] = 1.0f;
        m_fTweenEndSpread[k] = 0.0f;
    }
    m_strMapDir = "mymap";
    m_strBlend = "blend";
    m_strTexture = "textures/sfx/fan.tga";
    m_strEffectName = "myeffect";
    m_strEditorImage = "textures/vexlume/editor.tga";
    GenerateParticles();
}

void CParticleDoc::GenerateParticles() {
    m_particles.clear();
    if (m_nParticles <= 0) return;
    m_particles.reserve(static_cast<std::size_t>(m_nParticles));
    for (std::int32_t n = 0; n < m_nParticles; ++n) {
        auto particle = std::make_unique<CParticle>(this);

        const float alpha = RandomSpread(m_vRotationBase.x, m_vRotationSpread.x);
        const float beta = RandomSpread(m_vRotationBase.y, m_vRotationSpread.y);
        const float gamma = RandomSpread(m_vRotationBase.z, m_vRotationSpread.z);
        CMatrix4 rotation;
        rotation.RotateX(DegreesToRadians(alpha));
        rotation.RotateY(DegreesToRadians(beta));
        rotation.RotateZ(DegreesToRadians(gamma));
        rotation.Transform(particle->m_vMove);

        for (int k = TWEEN_OPACITY; k <= TWEEN_STRETCH; ++k) {
            particle->m_fTweenStart[k] = RandomSpread(m_fTweenStart[k], m_fTweenStartSpread[k]);
            particle->m_fTweenEnd[k] = RandomSpread(m_fTweenEnd[k], m_fTweenEndSpread[k]);
        }
        for (int j = EMIT_ROTATION; j <= EMIT_SPAWNTIME; ++j) {
            particle->m_fValue[j] = RandomSpread(m_fBase[j], m_fSpread[j]);
            // The move becomes the displacement over one life.
            if (j == EMIT_SPEED || j == EMIT_LIFE)
                particle->m_vMove = particle->m_vMove * particle->m_fValue[j];
        }
        // A life that is not positive (or not a number) would divide by zero
        // in the timing; the move keeps the factor of the drawn life.
        if (!(particle->m_fValue[EMIT_LIFE] > 0.0f)) particle->m_fValue[EMIT_LIFE] = 0.001f;

        m_particles.push_back(std::move(particle));
    }
}

void CParticleDoc::UpdateTime() {
    const std::uint32_t now = vexlume::GetTickCount32();
    std::int32_t delta = static_cast<std::int32_t>(now - m_dwLastTick);
    if (delta < 0) delta = 0;  // the counter went backwards
    m_dwLastTick = now;
    m_fTime = static_cast<float>(double{m_fTime} + delta * double{0.001f});
}
