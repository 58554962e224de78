// Feeds arbitrary bytes to the effect-file reader, then builds the shader
// texts of the first particles, as an export would.
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>

#include "model/particle_doc.h"
#include "platform/archive.h"
#include "platform/archive_exception.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string bytes(reinterpret_cast<const char*>(data), size);
    // Valid counts up to a million are generated as stored, which takes a
    // second each under the sanitizers: keep them small so the reader gets
    // its share of runs. Refused counts (above a million) stay as they are;
    // the largest valid ones are tested end to end elsewhere.
    if (bytes.size() >= 12) {
        std::int32_t count;
        std::memcpy(&count, bytes.data() + 8, 4);
        if (count > 1024 && count <= kMaxStoredParticles) {
            count %= 1024;
            std::memcpy(bytes.data() + 8, &count, 4);
        }
    }
    static CParticleDoc doc;
    doc.DeleteContents();
    CArchive archive{std::string_view(bytes)};
    try {
        doc.Serialize(archive);
    } catch (const CArchiveException&) {
        doc.DeleteContents();
        return 0;
    }
    std::size_t length = 0;
    for (std::size_t i = 0; i < doc.m_particles.size() && i < 8; ++i)
        length += doc.m_particles[i]->GetMoveString().size() + doc.m_particles[i]->GetStageString().size();
    return length == 0 && !doc.m_particles.empty() ? 1 : 0;
}
