// The shader script: one shader per particle whose sawtooth waves replay the
// particle's timing in the game.
#include "export/export_texts.h"
#include "model/particle_doc.h"
#include "platform/full_path.h"
#include "platform/number_format.h"
#include "platform/text_file_writer.h"

using vexlume::AppendFixed6;

namespace {

// The frequency of every wave: one cycle per life, in double precision.
double Frequency(const CParticle& p) { return 1.0 / double{p.m_fValue[EMIT_LIFE]}; }

}  // namespace

std::string CParticle::GetMoveString() const {
    std::string s;
    AppendFixed6(s, m_vMove.x);
    s.push_back(' ');
    AppendFixed6(s, m_vMove.y);
    s.push_back(' ');
    AppendFixed6(s, m_vMove.z);
    s.append(" sawtooth 0 1 ");
    AppendFixed6(s, m_fValue[EMIT_SPAWNTIME]);
    s.push_back(' ');
    AppendFixed6(s, Frequency(*this));
    return s;
}

std::string CParticle::GetWaveString(int nTween) const {
    static const char* const kPrefixes[3] = {"AlphaGen wave ", "rgbGen wave ", "tcMod stretch "};
    const float base = GetTween(nTween, 0.0f);
    const double amplitude = double{GetTween(nTween, 1.0f)} - base;
    std::string s = kPrefixes[nTween];
    s.append("sawtooth ");
    AppendFixed6(s, base);
    s.push_back(' ');
    AppendFixed6(s, amplitude);
    s.push_back(' ');
    AppendFixed6(s, m_fValue[EMIT_SPAWNTIME]);
    s.push_back(' ');
    AppendFixed6(s, Frequency(*this));
    return s;
}

std::string CParticle::GetStageString() const {
    std::string s = "{\nclampmap ";
    s.append(m_pDoc->m_strTexture);
    s.append("\ntcMod rotate ");
    AppendFixed6(s, m_fValue[EMIT_ROTATION]);
    s.push_back('\n');
    for (int k = TWEEN_OPACITY; k <= TWEEN_STRETCH; ++k) {
        s.append(GetWaveString(k));
        s.push_back('\n');
    }
    s.append("blendfunc ");
    s.append(m_pDoc->m_strBlend);
    s.append("\n}\n");
    return s;
}

void CParticleDoc::ExportShader(const std::string& strPath, bool bWorkaround) const {
    vexlume::TextFileWriter file(vexlume::FullPath(strPath));
    file.Write(GeneratedByHeader());
    file.Write(kWorkaroundNote);
    file.Write("\n\n");

    const std::string head = "{\nqer_editorimage " + m_strEditorImage +
                             "\nsurfaceparm noimpact\nsurfaceparm nolightmap\ncull none\n"
                             "surfaceparm trans\nsurfaceparm nonsolid\nsurfaceparm nodlight\n" +
                             (bWorkaround ? "//-UNCMT4RELEASE-//deformvertexes autosprite\n"
                                          : "deformvertexes autosprite\n") +
                             "deformvertexes move ";
    std::string text;
    for (std::size_t i = 0; i < m_particles.size(); ++i) {
        const CParticle& particle = *m_particles[i];
        text.assign("textures/");
        text.append(m_strMapDir);
        text.push_back('/');
        text.append(m_strEffectName);
        text.push_back('_');
        vexlume::AppendInt(text, static_cast<long long>(i + 1));
        text.push_back('\n');
        text.append(head);
        text.append(particle.GetMoveString());
        text.push_back('\n');
        text.append(particle.GetStageString());
        text.append("}\n\n");
        file.Write(text);
    }
    file.Close();
}
