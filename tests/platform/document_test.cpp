#include "platform/document.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <filesystem>

#include "../effect_fixtures.h"
#include "../test_support.h"
#include "model/particle_doc.h"
#include "model/random_generator.h"
#include "platform/file_faults.h"

namespace {

using vexlume::test::DefaultEffectBytes;
using vexlume::test::ReadBytes;
using vexlume::test::TempDir;
using vexlume::test::WriteBytes;

class DocumentTest : public ::testing::Test {
protected:
    void SetUp() override {
        RandomGenerator::Seed(1);
        doc.OnNewDocument();
    }
    void TearDown() override { vexlume::SetFileFaultHook({}); }

    // A document that differs from the defaults everywhere that matters here.
    void MakeEdited() {
        doc.m_nParticles = 3;
        doc.m_strEffectName = "smoke";
        doc.GenerateParticles();
        doc.SetModifiedFlag();
    }
    void ExpectDefaults() {
        EXPECT_EQ(doc.m_nParticles, 10);
        EXPECT_EQ(doc.m_strEffectName, "myeffect");
        EXPECT_EQ(doc.m_particles.size(), 10u);
    }

    TempDir dir;
    CParticleDoc doc;
};

TEST_F(DocumentTest, NewDocumentIsUntitledAndUnmodified) {
    EXPECT_EQ(doc.GetTitle(), "Untitled");
    EXPECT_EQ(doc.GetPathName(), "");
    EXPECT_FALSE(doc.IsModified());
    ExpectDefaults();
}

TEST_F(DocumentTest, SaveAndOpenRoundTrip) {
    MakeEdited();
    const std::string path = dir / "smoke.vxl";
    ASSERT_TRUE(doc.SaveDocument(path).ok);
    EXPECT_FALSE(doc.IsModified());
    EXPECT_EQ(doc.GetPathName(), path);
    EXPECT_EQ(doc.GetTitle(), "smoke.vxl");

    CParticleDoc other;
    other.OnNewDocument();
    CDocument::Result r = other.OpenDocumentFile(path);
    ASSERT_TRUE(r.ok) << r.message;
    EXPECT_EQ(other.m_strEffectName, "smoke");
    EXPECT_EQ(other.m_particles.size(), 3u);
    EXPECT_EQ(other.GetTitle(), "smoke.vxl");
    EXPECT_EQ(ReadBytes(path).size(), 186u - 3u);
}

TEST_F(DocumentTest, RelativePathsBecomeFull) {
    const auto previous = std::filesystem::current_path();
    std::filesystem::current_path(dir.path());
    ASSERT_TRUE(doc.SaveDocument("plain.vxl").ok);
    std::filesystem::current_path(previous);
    EXPECT_EQ(doc.GetPathName(), dir / "plain.vxl");
}

TEST_F(DocumentTest, MissingFileLeavesTheDocumentAsItWas) {
    MakeEdited();
    const std::string path = dir / "none.vxl";
    CDocument::Result r = doc.OpenDocumentFile(path);
    EXPECT_FALSE(r.ok);
    EXPECT_EQ(r.message, path + " was not found.");
    EXPECT_EQ(doc.m_strEffectName, "smoke");
    EXPECT_TRUE(doc.IsModified());
}

TEST_F(DocumentTest, OpenFailuresNameTheirCause) {
    WriteBytes(dir / "plain", "x");
    struct Case {
        std::string path;
        std::string message;
    } cases[] = {
        {dir / "nofolder/a.vxl", dir / "nofolder/a.vxl" + " contains an invalid path."},
        {dir / "plain/a.vxl", dir / "plain/a.vxl" + " contains an invalid path."},
        {dir.path().string(), "Access to " + dir.path().string() + " was denied."},
    };
    for (const Case& c : cases) {
        CDocument::Result r = doc.OpenDocumentFile(c.path);
        EXPECT_FALSE(r.ok);
        EXPECT_EQ(r.message, c.message);
    }
    vexlume::SetFileFaultHook([](vexlume::FileOperation op) {
        return op == vexlume::FileOperation::OpenForReading ? EACCES : 0;
    });
    WriteBytes(dir / "locked.vxl", DefaultEffectBytes());
    EXPECT_EQ(doc.OpenDocumentFile(dir / "locked.vxl").message,
              "Access to " + (dir / "locked.vxl") + " was denied.");
}

TEST_F(DocumentTest, EmptyFileOpensAsTheDefaultsUnderItsName) {
    MakeEdited();
    const std::string path = dir / "empty.vxl";
    WriteBytes(path, "");
    RandomGenerator::Seed(1);
    CDocument::Result r = doc.OpenDocumentFile(path);
    ASSERT_TRUE(r.ok) << r.message;
    ExpectDefaults();
    EXPECT_EQ(doc.GetTitle(), "empty.vxl");
    EXPECT_FALSE(doc.IsModified());
    // Exactly the particles of the start state: one reset, 130 draws.
    CParticleDoc fresh;
    RandomGenerator::Seed(1);
    fresh.DeleteContents();
    EXPECT_EQ(doc.m_particles[3]->m_vMove.x, fresh.m_particles[3]->m_vMove.x);
}

TEST_F(DocumentTest, EveryCutOfTheFileIsRefusedAndLeavesTheDefaults) {
    const std::string full = DefaultEffectBytes();
    const std::string path = dir / "cut.vxl";
    for (std::size_t length = 1; length < full.size(); ++length) {
        WriteBytes(path, full.substr(0, length));
        MakeEdited();
        CDocument::Result r = doc.OpenDocumentFile(path);
        ASSERT_FALSE(r.ok) << length;
        EXPECT_EQ(r.message, "Unexpected file format.") << length;
        ExpectDefaults();
        EXPECT_EQ(doc.GetTitle(), "Untitled");
        EXPECT_FALSE(doc.IsModified());
    }
}

TEST_F(DocumentTest, WrongHeadersAndCorruptCountsAreRefused) {
    const std::string good = DefaultEffectBytes();
    std::string magic = good;
    magic[3] = 'N';
    std::string v1 = good, v3 = good, huge = good;
    vexlume::test::PutInt32(v1, 4, 1);
    vexlume::test::PutInt32(v3, 4, 3);
    vexlume::test::PutInt32(huge, vexlume::test::kCountOffset, 1000001);
    std::string longString = good;
    longString.replace(12, 6, std::string("\xFF\xFF\xFF\x00\x00\x00\x40", 7));  // 1 GiB blend
    for (const std::string& bytes : {magic, v1, v3, huge, longString}) {
        WriteBytes(dir / "bad.vxl", bytes);
        MakeEdited();
        EXPECT_EQ(doc.OpenDocumentFile(dir / "bad.vxl").message, "Unexpected file format.");
        ExpectDefaults();
    }
}

TEST_F(DocumentTest, CountsUpToTheLimitAndExtraBytesAreTaken) {
    for (std::int32_t count : {0, -1, 1001, 1000000}) {
        std::string bytes = DefaultEffectBytes() + "trailing bytes";
        vexlume::test::PutInt32(bytes, vexlume::test::kCountOffset, count);
        WriteBytes(dir / "n.vxl", bytes);
        CDocument::Result r = doc.OpenDocumentFile(dir / "n.vxl");
        ASSERT_TRUE(r.ok) << count << r.message;
        EXPECT_EQ(doc.m_nParticles, count);
        EXPECT_EQ(doc.m_particles.size(), count > 0 ? static_cast<std::size_t>(count) : 0u);
    }
}

TEST_F(DocumentTest, FailedSaveLeavesTheOldFileAndNoTemporary) {
    const std::string path = dir / "keep.vxl";
    ASSERT_TRUE(doc.SaveDocument(path).ok);
    const std::string before = ReadBytes(path);
    MakeEdited();
    for (auto failing : {vexlume::FileOperation::Write, vexlume::FileOperation::Close,
                         vexlume::FileOperation::Replace}) {
        vexlume::SetFileFaultHook([failing](vexlume::FileOperation op) { return op == failing ? ENOSPC : 0; });
        CDocument::Result r = doc.SaveDocument(path);
        EXPECT_FALSE(r.ok);
        EXPECT_EQ(r.message, "Disk full while accessing " + path + ".");
        EXPECT_EQ(ReadBytes(path), before);
        EXPECT_EQ(vexlume::test::ListFolder(dir.path()), std::vector<std::string>{"keep.vxl"});
        EXPECT_TRUE(doc.IsModified());
        EXPECT_EQ(doc.m_strEffectName, "smoke");
    }
    vexlume::SetFileFaultHook([](vexlume::FileOperation op) {
        return op == vexlume::FileOperation::Create ? EACCES : 0;
    });
    EXPECT_EQ(doc.SaveDocument(path).message, "Access to " + path + " was denied.");
    EXPECT_EQ(ReadBytes(path), before);
}

TEST_F(DocumentTest, SaveFailuresForBadTargets) {
    WriteBytes(dir / "plain", "x");
    EXPECT_EQ(doc.SaveDocument(dir / "plain/a.vxl").message,
              dir / "plain/a.vxl" + " contains an invalid path.");
    EXPECT_EQ(doc.SaveDocument(dir.path().string()).message,
              "Access to " + dir.path().string() + " was denied.");
    EXPECT_EQ(doc.SaveDocument("/dev/full").message, "Disk full while accessing /dev/full.");
}

TEST_F(DocumentTest, SaveKeepsTheFileMode) {
    const std::string path = dir / "mode.vxl";
    ASSERT_TRUE(doc.SaveDocument(path).ok);
    std::filesystem::permissions(path, std::filesystem::perms(0640));
    ASSERT_TRUE(doc.SaveDocument(path).ok);
    EXPECT_EQ(std::filesystem::status(path).permissions(), std::filesystem::perms(0640));
}

TEST_F(DocumentTest, UpdateAllViewsReachesEveryView) {
    int calls = 0;
    doc.AddView([&] { ++calls; });
    doc.AddView([&] { calls += 10; });
    doc.UpdateAllViews();
    EXPECT_EQ(calls, 11);
}

}  // namespace
