// One frame of the preview's scene for a thousand particles, without OpenGL.
#include <benchmark/benchmark.h>

#include "model/particle_doc.h"
#include "model/random_generator.h"
#include "preview/camera.h"
#include "counting_sink.h"
#include "preview/scene.h"

namespace {

void BM_DrawScene(benchmark::State& state) {
    RandomGenerator::Seed(1);
    CParticleDoc doc;
    doc.DeleteContents();
    doc.m_nParticles = static_cast<int>(state.range(0));
    doc.GenerateParticles();
    CCamera camera;
    vexlume::test::CountingSink sink;
    for (auto _ : state) {
        doc.m_fTime += 0.02f;
        DrawScene(camera, 800, 600, doc, sink);
        benchmark::DoNotOptimize(sink.sum);
    }
    state.SetItemsProcessed(state.iterations());
}

}  // namespace

BENCHMARK(BM_DrawScene)->Arg(1000)->Unit(benchmark::kMicrosecond);

BENCHMARK_MAIN();
