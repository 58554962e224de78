#pragma once

#include <string>

// The values each Properties page edits, as the pages hold them between the
// document and their controls.
struct EmitterPageFields {
    float m_fLife = 0;
    float m_fSpeed = 0;
    int m_nNumParticles = 10;
    float m_fSpawnTime = 0;
    float m_fSpawnTimeSpread = 0;
    float m_fSpeedSpread = 0;
    float m_fLifeSpread = 0;
    float m_fAxisBase[3] = {0, 0, 0};    // X, Y, Z
    float m_fAxisSpread[3] = {0, 0, 0};
};

struct GraphicPageFields {
    std::string m_strBlend;
    float m_fRotation = 0;
    std::string m_strTexture;
    float m_fRotationSpread = 0;
    float m_fTweenEnd[3] = {0, 0, 0};  // by tween index
    float m_fTweenEndSpread[3] = {0, 0, 0};
    float m_fTweenStart[3] = {0, 0, 0};
    float m_fTweenStartSpread[3] = {0, 0, 0};
};

struct ShaderPageFields {
    std::string m_strEditorImage;
    std::string m_strEffectName;
    std::string m_strReference;  // composed by the page, never transferred
    std::string m_strMapDir;
};
