// Drawing a frame allocates nothing: every new and delete of this program is
// counted while one frame of a thousand particles is drawn.
#include <gtest/gtest.h>

#include <atomic>
#include <cstdlib>
#include <new>

#include "model/particle_doc.h"
#include "preview/camera.h"
#include "counting_sink.h"
#include "preview/scene.h"

namespace {
std::atomic<long> g_allocations{0};
}

void* operator new(std::size_t size) {
    ++g_allocations;
    if (void* p = std::malloc(size ? size : 1)) return p;
    throw std::bad_alloc();
}
void operator delete(void* p) noexcept { std::free(p); }
void operator delete(void* p, std::size_t) noexcept { std::free(p); }

namespace {

TEST(DrawScene, AllocatesNothingPerFrame) {
    CParticleDoc doc;
    doc.DeleteContents();
    doc.m_nParticles = 1000;
    doc.GenerateParticles();
    CCamera camera;
    vexlume::test::CountingSink sink;
    const long before = g_allocations.load();
    DrawScene(camera, 800, 600, doc, sink);
    EXPECT_EQ(g_allocations.load(), before);
    EXPECT_EQ(sink.vertices, 68 + 5 * 1000);
}

}  // namespace
