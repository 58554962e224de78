#pragma once

#include <string>

#include "export/product_info.h"
#include "model/particle_doc.h"

namespace vexlume::test {

// Text with LF line ends as the files hold it, with CR LF.
inline std::string Crlf(const std::string& text) {
    std::string out;
    for (char c : text) {
        if (c == '\n') out.push_back('\r');
        out.push_back(c);
    }
    return out;
}

inline std::string ExpectedHeader() {
    return std::string("// This file was automatically created by Vexlume.\n"
                       "// For more information about Vexlume, please\n"
                       "// visit ") +
           kProjectWebAddress + "\n\n";
}

inline std::string ExpectedShaderHeader() {
    return ExpectedHeader() +
           "// If this file was created with work-around code switched on,\n"
           "// you will have to remove all occurences of the string\n"
           "// \"//-UNCMT4RELEASE-//\" after you compile the map.\n"
           "// \n"
           "// If you forget to do this,  your particles will look flat and \n"
           "// will have misaligned textures.\n\n";
}

// The default document holding one particle of known values.
inline void MakeWorkedExample(CParticleDoc& doc) {
    doc.OnNewDocument();
    doc.m_particles.clear();
    auto p = std::make_unique<CParticle>(&doc);
    p->m_vMove = CVector3(12.5f, -3.25f, 79.0f);
    p->m_fValue[EMIT_ROTATION] = 90;
    p->m_fValue[EMIT_SPEED] = 40;
    p->m_fValue[EMIT_LIFE] = 2;
    p->m_fValue[EMIT_SPAWNTIME] = 0.25f;
    p->m_fTweenStart[TWEEN_OPACITY] = 1;
    p->m_fTweenEnd[TWEEN_OPACITY] = 0;
    p->m_fTweenStart[TWEEN_BRIGHTNESS] = 1;
    p->m_fTweenEnd[TWEEN_BRIGHTNESS] = 1;
    p->m_fTweenStart[TWEEN_STRETCH] = 1;
    p->m_fTweenEnd[TWEEN_STRETCH] = 2;
    doc.m_particles.push_back(std::move(p));
}

}  // namespace vexlume::test
