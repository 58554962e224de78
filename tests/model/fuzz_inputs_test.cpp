// Every seed and every input that once failed a fuzz target still goes
// through the reader without fault.
#include <gtest/gtest.h>

#include <filesystem>

#include "../test_support.h"
#include "model/particle_doc.h"
#include "platform/archive.h"
#include "platform/archive_exception.h"

namespace {

TEST(FuzzInputs, ReaderSurvivesEveryKnownInput) {
    const std::filesystem::path root = std::filesystem::path(VEXLUME_TEST_DATA).parent_path() / "fuzz";
    int files = 0;
    for (const char* folder : {"corpus/effect_reader", "regressions"}) {
        ASSERT_TRUE(std::filesystem::is_directory(root / folder)) << root / folder;
        for (const auto& entry : std::filesystem::directory_iterator(root / folder)) {
            if (entry.path().extension() == ".md") continue;
            const std::string bytes = vexlume::test::ReadBytes(entry.path().string());
            CParticleDoc doc;
            doc.DeleteContents();
            CArchive archive{std::string_view(bytes)};
            try {
                doc.Serialize(archive);
                for (const auto& p : doc.m_particles) EXPECT_FALSE(p->GetStageString().empty());
            } catch (const CArchiveException&) {
            }
            ++files;
        }
    }
    EXPECT_GE(files, 10);
}

}  // namespace
