#include "properties/transfer.h"

#include "model/particle_doc.h"

void TransferToPages(const CParticleDoc& doc, EmitterPageFields& e, GraphicPageFields& g,
                     ShaderPageFields& s) {
    e.m_fAxisBase[0] = doc.m_vRotationBase.x;
    e.m_fAxisBase[1] = doc.m_vRotationBase.y;
    e.m_fAxisBase[2] = doc.m_vRotationBase.z;
    e.m_fAxisSpread[0] = doc.m_vRotationSpread.x;
    e.m_fAxisSpread[1] = doc.m_vRotationSpread.y;
    e.m_fAxisSpread[2] = doc.m_vRotationSpread.z;
    e.m_fLife = doc.m_fBase[EMIT_LIFE];
    e.m_fSpeed = doc.m_fBase[EMIT_SPEED];
    e.m_fSpawnTime = doc.m_fBase[EMIT_SPAWNTIME];
    e.m_fLifeSpread = doc.m_fSpread[EMIT_LIFE];
    e.m_fSpeedSpread = doc.m_fSpread[EMIT_SPEED];
    e.m_fSpawnTimeSpread = doc.m_fSpread[EMIT_SPAWNTIME];
    e.m_nNumParticles = doc.m_nParticles;

    g.m_fRotation = doc.m_fBase[EMIT_ROTATION];
    g.m_fRotationSpread = doc.m_fSpread[EMIT_ROTATION];
    g.m_strTexture = doc.m_strTexture;
    g.m_strBlend = doc.m_strBlend;
    for (int i = 0; i < 3; ++i) {
        g.m_fTweenStart[i] = doc.m_fTweenStart[i];
        g.m_fTweenStartSpread[i] = doc.m_fTweenStartSpread[i];
        g.m_fTweenEnd[i] = doc.m_fTweenEnd[i];
        g.m_fTweenEndSpread[i] = doc.m_fTweenEndSpread[i];
    }

    s.m_strEditorImage = doc.m_strEditorImage;
    s.m_strEffectName = doc.m_strEffectName;
    s.m_strMapDir = doc.m_strMapDir;
}

void ApplyPageValues(CParticleDoc& doc, const EmitterPageFields& e, const GraphicPageFields& g,
                     const ShaderPageFields& s) {
    doc.m_vRotationBase = CVector3(e.m_fAxisBase[0], e.m_fAxisBase[1], e.m_fAxisBase[2]);
    doc.m_vRotationSpread = CVector3(e.m_fAxisSpread[0], e.m_fAxisSpread[1], e.m_fAxisSpread[2]);
    doc.m_fBase[EMIT_LIFE] = e.m_fLife;
    doc.m_fBase[EMIT_SPEED] = e.m_fSpeed;
    doc.m_fBase[EMIT_SPAWNTIME] = e.m_fSpawnTime;
    doc.m_fSpread[EMIT_LIFE] = e.m_fLifeSpread;
    doc.m_fSpread[EMIT_SPEED] = e.m_fSpeedSpread;
    doc.m_fSpread[EMIT_SPAWNTIME] = e.m_fSpawnTimeSpread;
    doc.m_nParticles = e.m_nNumParticles;

    doc.m_fBase[EMIT_ROTATION] = g.m_fRotation;
    doc.m_fSpread[EMIT_ROTATION] = g.m_fRotationSpread;
    doc.m_strTexture = g.m_strTexture;
    doc.m_strBlend = g.m_strBlend;
    for (int i = 0; i < 3; ++i) {
        doc.m_fTweenStart[i] = g.m_fTweenStart[i];
        doc.m_fTweenStartSpread[i] = g.m_fTweenStartSpread[i];
        doc.m_fTweenEnd[i] = g.m_fTweenEnd[i];
        doc.m_fTweenEndSpread[i] = g.m_fTweenEndSpread[i];
    }

    doc.m_strEditorImage = s.m_strEditorImage;
    doc.m_strEffectName = s.m_strEffectName;
    doc.m_strMapDir = s.m_strMapDir;

    doc.GenerateParticles();
    doc.UpdateAllViews();
    doc.SetModifiedFlag(true);
}
