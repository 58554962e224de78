// The shader script: one shader per particle whose sawtooth waves replay the
// particle's timing in the game.
#include "export/export_texts.h"
#include "model/particle_doc.h"
#include "platform/full_path.h"
#include "platform/number_format.h"
#include "platform/text_file_writer.h"

using vexlume::AppendFixed6;

namespace {

// " <phase> <frequency>": the end of every wave of a particle. The frequency
// is one cycle per life, in double precision.
void AppendTiming(std::string& out, const CParticle& p) {
    out.push_back(' ');
    AppendFixed6(out, p.m_fValue[EMIT_SPAWNTIME]);
    out.push_back(' ');
    AppendFixed6(out, 1.0 / double{p.m_fValue[EMIT_LIFE]});
}

void AppendMove(std::string& out, const CParticle& p, std::string_view timing) {
    AppendFixed6(out, p.m_vMove.x);
    out.push_back(' ');
    AppendFixed6(out, p.m_vMove.y);
    out.push_back(' ');
    AppendFixed6(out, p.m_vMove.z);
    out.append(" sawtooth 0 1");
    out.append(timing);
}

void AppendWave(std::string& out, const CParticle& p, int nTween, std::string_view timing) {
    static const char* const kPrefixes[3] = {"AlphaGen wave sawtooth ", "rgbGen wave sawtooth ",
                                             "tcMod stretch sawtooth "};
    const float base = p.GetTween(nTween, 0.0f);
    // The amplitude is not rounded to float.
    const double amplitude = double{p.GetTween(nTween, 1.0f)} - base;
    out.append(kPrefixes[nTween]);
    AppendFixed6(out, base);
    out.push_back(' ');
    AppendFixed6(out, amplitude);
    out.append(timing);
}

void AppendStage(std::string& out, const CParticle& p, std::string_view timing) {
    out.append("{\nclampmap ");
    out.append(p.m_pDoc->m_strTexture);
    out.append("\ntcMod rotate ");
    AppendFixed6(out, p.m_fValue[EMIT_ROTATION]);
    out.push_back('\n');
    for (int k = TWEEN_OPACITY; k <= TWEEN_STRETCH; ++k) {
        AppendWave(out, p, k, timing);
        out.push_back('\n');
    }
    out.append("blendfunc ");
    out.append(p.m_pDoc->m_strBlend);
    out.append("\n}\n");
}

std::string TimingOf(const CParticle& p) {
    std::string timing;
    AppendTiming(timing, p);
    return timing;
}

}  // namespace

std::string CParticle::GetMoveString() const {
    std::string s;
    AppendMove(s, *this, TimingOf(*this));
    return s;
}

std::string CParticle::GetWaveString(int nTween) const {
    std::string s;
    AppendWave(s, *this, nTween, TimingOf(*this));
    return s;
}

std::string CParticle::GetStageString() const {
    std::string s;
    AppendStage(s, *this, TimingOf(*this));
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
    std::string timing;
    for (std::size_t i = 0; i < m_particles.size(); ++i) {
        const CParticle& particle = *m_particles[i];
        timing.clear();
        AppendTiming(timing, particle);
        text.assign("textures/");
        text.append(m_strMapDir);
        text.push_back('/');
        text.append(m_strEffectName);
        text.push_back('_');
        vexlume::AppendInt(text, static_cast<long long>(i + 1));
        text.push_back('\n');
        text.append(head);
        AppendMove(text, particle, timing);
        text.push_back('\n');
        AppendStage(text, particle, timing);
        text.append("}\n\n");
        file.Write(text);
    }
    file.Close();
}
