// One frame of the preview's scene for a thousand particles, without OpenGL.
#include <benchmark/benchmark.h>

#include "model/particle_doc.h"
#include "model/random_generator.h"
#include "preview/camera.h"
#include "preview/scene.h"

namespace {

class NullSink final : public SceneSink {
public:
    void Clear(float, float, float, float) override {}
    void Perspective(double, double, double, double) override {}
    void PushTranslate(float, float, float) override {}
    void Pop() override {}
    void Begin(Primitive) override {}
    void Color3(float, float, float) override {}
    void Color4(float, float, float, float) override {}
    void Vertex(float x, float y, float z) override { sum += x + y + z; }
    void End() override {}
    float sum = 0;
};

void BM_DrawScene(benchmark::State& state) {
    RandomGenerator::Seed(1);
    CParticleDoc doc;
    doc.DeleteContents();
    doc.m_nParticles = static_cast<int>(state.range(0));
    doc.GenerateParticles();
    CCamera camera;
    NullSink sink;
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
