#include "model/particle_doc.h"
#include "platform/archive.h"
#include "platform/archive_exception.h"

namespace {
const char kMagic[4] = {'V', 'X', 'L', 'M'};
constexpr std::int32_t kVersion = 2;
}  // namespace

void CParticleDoc::Serialize(CArchive& ar) {
    if (ar.IsStoring()) {
        ar.WriteBytes(kMagic, 4);
        ar << kVersion << m_nParticles;
        ar << m_strBlend << m_strEditorImage << m_strEffectName << m_strTexture << m_strMapDir;
        for (int k = TWEEN_OPACITY; k <= TWEEN_STRETCH; ++k)
            ar << m_fTweenEnd[k] << m_fTweenEndSpread[k] << m_fTweenStart[k] << m_fTweenStartSpread[k];
        for (int j = EMIT_ROTATION; j <= EMIT_SPAWNTIME; ++j) ar << m_fBase[j] << m_fSpread[j];
        ar << m_vRotationBase.x << m_vRotationBase.y << m_vRotationBase.z;
        ar << m_vRotationSpread.x << m_vRotationSpread.y << m_vRotationSpread.z;
        return;
    }

    char magic[4];
    ar.ReadBytes(magic, 4);
    for (int i = 0; i < 4; ++i)
        if (magic[i] != kMagic[i]) throw CArchiveException(CArchiveException::badIndex);
    std::int32_t version;
    ar >> version;
    if (version != kVersion) throw CArchiveException(CArchiveException::badSchema);
    ar >> m_nParticles;
    if (m_nParticles > kMaxStoredParticles) throw CArchiveException(CArchiveException::badIndex);
    ar >> m_strBlend >> m_strEditorImage >> m_strEffectName >> m_strTexture >> m_strMapDir;
    for (int k = TWEEN_OPACITY; k <= TWEEN_STRETCH; ++k)
        ar >> m_fTweenEnd[k] >> m_fTweenEndSpread[k] >> m_fTweenStart[k] >> m_fTweenStartSpread[k];
    for (int j = EMIT_ROTATION; j <= EMIT_SPAWNTIME; ++j) ar >> m_fBase[j] >> m_fSpread[j];
    ar >> m_vRotationBase.x >> m_vRotationBase.y >> m_vRotationBase.z;
    ar >> m_vRotationSpread.x >> m_vRotationSpread.y >> m_vRotationSpread.z;
    GenerateParticles();
}
