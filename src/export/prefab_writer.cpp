// The prefab: one brush per particle in a func_group, each with one face
// textured by the particle's own shader.
#include "export/export_texts.h"
#include "model/particle_doc.h"
#include "platform/full_path.h"
#include "platform/number_format.h"
#include "platform/text_file_writer.h"

namespace {

const char* const kBrushStart =
    "{\nbrushDef\n{\n"
    "( 128 16 0 ) ( 0 16 0 ) ( 0 0 0 ) ( ( 0.031250 0 0 ) ( 0 0.031250 -0.000000 ) ) common/nodraw 0 0 0\n"
    "( 0 0 128 ) ( 0 16 128 ) ( 128 16 128 ) ( ( 0.031250 0 0 ) ( 0 0.031250 -0.000000 ) ) common/nodraw 0 0 0\n"
    "( 0 0 64 ) ( 128 0 64 ) ( 128 0 0 ) ( ( 0.031250 0 0 ) ( 0 0.031250 0 ) ) common/nodraw 0 0 0\n"
    "( 128 0 64 ) ( 128 16 64 ) ( 128 16 0 ) ( ( 0.031250 0 0 ) ( 0 0.031250 0 ) ) common/nodraw 0 0 0\n"
    "( 0 16 64 ) ( 0 0 64 ) ( 0 0 0 ) ( ( 0.031250 -0.000000 -0.000000 ) ( 0 0.031250 0 ) ) common/nodraw 0 0 0\n"
    "( 128 16 64 ) ( 0 16 64 ) ( 0 16 0 ) ( ( 0.007813 0 -0.000000 ) ( 0 0.007813 -0.000000 ) ) ";

}  // namespace

void CParticleDoc::ExportPrefab(const std::string& strPath) const {
    vexlume::TextFileWriter file(vexlume::FullPath(strPath));
    file.Write(GeneratedByHeader());
    file.Write(kPrefabNote);
    file.Write("{\n\"classname\" \"func_group\"\n");
    std::string text;
    for (std::size_t i = 1; i <= m_particles.size(); ++i) {
        text.assign("// Particle ");
        vexlume::AppendInt(text, static_cast<long long>(i));
        text.push_back('\n');
        text.append(kBrushStart);
        text.append(m_strMapDir);
        text.push_back('/');
        text.append(m_strEffectName);
        text.push_back('_');
        vexlume::AppendInt(text, static_cast<long long>(i));
        text.append(" 0 0 0\n}\n}\n");
        file.Write(text);
    }
    file.Write("}\n// EOF");
    file.Close();
}
