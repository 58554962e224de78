#pragma once

#include "preview/scene.h"

namespace vexlume::test {

// Takes a frame and keeps only what it costs nothing to keep: the number of
// vertices and a sum of their coordinates (so nothing is optimised away).
class CountingSink final : public SceneSink {
public:
    void Clear(float, float, float, float) override {}
    void Perspective(double, double, double, double) override {}
    void PushTranslate(float, float, float) override {}
    void Pop() override {}
    void Begin(Primitive) override {}
    void Color3(float, float, float) override {}
    void Color4(float, float, float, float) override {}
    void Vertex(float x, float y, float z) override {
        ++vertices;
        sum += x + y + z;
    }
    void End() override {}

    long vertices = 0;
    float sum = 0;
};

}  // namespace vexlume::test
