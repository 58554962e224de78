#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "model/particle.h"
#include "model/vector3.h"
#include "platform/document.h"

class CPropertySheet;
class CPageEmitter;
class CPageGraphic;
class CPageShaderFile;

// Indices of m_fBase, m_fSpread and a particle's m_fValue.
enum { EMIT_ROTATION = 0, EMIT_SPEED = 1, EMIT_LIFE = 2, EMIT_SPAWNTIME = 3 };
// Indices of the tween arrays.
enum { TWEEN_OPACITY = 0, TWEEN_BRIGHTNESS = 1, TWEEN_STRETCH = 2 };

using CParticleArray = std::vector<std::unique_ptr<CParticle>>;

// An effect file never holds more particles than this; a larger stored count
// is a corrupt file, not an effect.
inline constexpr std::int32_t kMaxStoredParticles = 1000000;

// The effect: the emitter's parameters, the particles drawn from them and
// the clock of the preview.
class CParticleDoc : public CDocument {
public:
    CParticleDoc();
    ~CParticleDoc() override = default;

    void DeleteContents() override;
    void Serialize(CArchive& archive) override;

    // Replaces all particles by a new set drawn from the parameters.
    void GenerateParticles();
    // Advances the clock by the real time passed since the last call.
    void UpdateTime();

    // Edit > Properties: runs the Properties sheet over the main window and
    // applies its values on OK. ApplyProperties copies the three pages'
    // values back, draws new particles, updates the views and marks the
    // document modified. Both belong to the desktop layer, which defines them.
    void OnEditProperties();
    bool ApplyProperties();

    // The two exports; both throw CFileException on failure.
    void ExportShader(const std::string& strPath, bool bWorkaround) const;
    void ExportPrefab(const std::string& strPath) const;

    float m_fTime = 0.0f;
    CParticleArray m_particles;
    CVector3 m_vRotationBase{0.0f, 0.0f, 0.0f};
    CVector3 m_vRotationSpread{0.0f, 0.0f, 0.0f};
    std::int32_t m_nParticles = 0;
    CPropertySheet* m_pSheet = nullptr;
    CPageEmitter* m_pPageEmitter = nullptr;
    CPageGraphic* m_pPageGraphic = nullptr;
    CPageShaderFile* m_pPageShaderFile = nullptr;
    std::uint32_t m_dwLastTick;
    float m_fBase[4] = {};
    float m_fSpread[4] = {};
    float m_fTweenStart[3] = {};
    float m_fTweenStartSpread[3] = {};
    float m_fTweenEnd[3] = {};
    float m_fTweenEndSpread[3] = {};
    std::string m_strMapDir;
    std::string m_strBlend;
    std::string m_strTexture;
    std::string m_strEffectName;
    std::string m_strEditorImage;
};
