// Throughput of the two writers against a single raw write of the same bytes.
#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <stdlib.h>
#include <unistd.h>

#include <fstream>
#include <iterator>
#include <string>

#include "model/particle_doc.h"
#include "model/random_generator.h"

namespace {

std::string TempPath(const char* name) {
    const char* dir = std::getenv("TMPDIR");
    return std::string(dir ? dir : "/tmp") + "/vexlume-bench-" + name;
}

CParticleDoc& DocWith(int particles) {
    static CParticleDoc doc;
    if (doc.m_nParticles != particles || doc.m_particles.empty()) {
        RandomGenerator::Seed(1);
        doc.DeleteContents();
        doc.m_nParticles = particles;
        doc.m_fSpread[EMIT_SPEED] = 10;
        doc.m_fTweenEndSpread[TWEEN_OPACITY] = 0.5f;
        doc.GenerateParticles();
    }
    return doc;
}

std::string ReadAll(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void BM_ExportShader(benchmark::State& state) {
    CParticleDoc& doc = DocWith(static_cast<int>(state.range(0)));
    const std::string path = TempPath("shader");
    for (auto _ : state) doc.ExportShader(path, false);
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) *
                            static_cast<int64_t>(ReadAll(path).size()));
    ::unlink(path.c_str());
}

void BM_ExportPrefab(benchmark::State& state) {
    CParticleDoc& doc = DocWith(static_cast<int>(state.range(0)));
    const std::string path = TempPath("prefab");
    for (auto _ : state) doc.ExportPrefab(path);
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) *
                            static_cast<int64_t>(ReadAll(path).size()));
    ::unlink(path.c_str());
}

// The limit: the finished shader bytes written by one write() to a new file.
void BM_RawWriteOfShaderBytes(benchmark::State& state) {
    CParticleDoc& doc = DocWith(static_cast<int>(state.range(0)));
    const std::string path = TempPath("raw");
    doc.ExportShader(path, false);
    const std::string bytes = ReadAll(path);
    for (auto _ : state) {
        int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
        if (fd < 0 || ::write(fd, bytes.data(), bytes.size()) != static_cast<ssize_t>(bytes.size()))
            state.SkipWithError("raw write failed");
        ::close(fd);
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) *
                            static_cast<int64_t>(bytes.size()));
    ::unlink(path.c_str());
}

}  // namespace

BENCHMARK(BM_ExportShader)->Arg(1000)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ExportPrefab)->Arg(1000)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RawWriteOfShaderBytes)->Arg(1000)->Arg(100000)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
