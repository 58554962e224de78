#include "properties/transfer.h"

#include <gtest/gtest.h>

#include "model/particle_doc.h"
#include "model/random_generator.h"
#include "platform/archive.h"

namespace {

TEST(Transfer, RoundTripsEveryField) {
    RandomGenerator::Seed(1);
    CParticleDoc doc;
    doc.OnNewDocument();
    doc.m_vRotationBase = CVector3(1, 2, 3);
    doc.m_vRotationSpread = CVector3(4, 5, 6);
    for (int j = 0; j < 4; ++j) {
        doc.m_fBase[j] = 10.0f + j;
        doc.m_fSpread[j] = 20.0f + j;
    }
    for (int k = 0; k < 3; ++k) {
        doc.m_fTweenStart[k] = 30.0f + k;
        doc.m_fTweenStartSpread[k] = 40.0f + k;
        doc.m_fTweenEnd[k] = 50.0f + k;
        doc.m_fTweenEndSpread[k] = 60.0f + k;
    }
    doc.m_nParticles = 7;
    doc.m_strBlend = "filter";
    doc.m_strTexture = "t.tga";
    doc.m_strEditorImage = "e.tga";
    doc.m_strEffectName = "fx";
    doc.m_strMapDir = "dir";

    EmitterPageFields e;
    GraphicPageFields g;
    ShaderPageFields s;
    TransferToPages(doc, e, g, s);
    EXPECT_EQ(e.m_fAxisSpread[2], 6.0f);
    EXPECT_EQ(e.m_fLife, 12.0f);
    EXPECT_EQ(e.m_fSpawnTimeSpread, 23.0f);
    EXPECT_EQ(g.m_fRotation, 10.0f);
    EXPECT_EQ(g.m_fTweenEndSpread[2], 62.0f);
    EXPECT_EQ(s.m_strMapDir, "dir");
    EXPECT_EQ(s.m_strReference, "");

    CParticleDoc copy;
    copy.OnNewDocument();
    int updates = 0;
    copy.AddView([&] { ++updates; });
    ApplyPageValues(copy, e, g, s);
    std::string a, b;
    CArchive left(a), right(b);
    doc.Serialize(left);
    copy.Serialize(right);
    EXPECT_EQ(a, b);
    EXPECT_EQ(copy.m_particles.size(), 7u);
    EXPECT_EQ(updates, 1);
    EXPECT_TRUE(copy.IsModified());
}

}  // namespace
