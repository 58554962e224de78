#pragma once

#include <vector>

#include "preview/scene.h"

namespace vexlume::test {

// Keeps what the scene sends, with every vertex moved into eye space by the
// translations in force.
class RecordingSink final : public SceneSink {
public:
    struct Point {
        float x, y, z;
    };
    struct Batch {
        Primitive primitive;
        float r = 0, g = 0, b = 0, a = 1;
        std::vector<Point> vertices;
    };

    void Clear(float r, float g, float b, float a) override { clear = {r, g, b, a}; ++clears; }
    void Perspective(double f, double a, double n, double fa) override {
        fovY = f;
        aspect = a;
        zNear = n;
        zFar = fa;
    }
    void PushTranslate(float x, float y, float z) override {
        tx += x;
        ty += y;
        tz += z;
        ++depth;
    }
    void Pop() override {
        tx = ty = tz = 0;
        --depth;
    }
    void Begin(Primitive primitive) override { batches.push_back(Batch{primitive, 0, 0, 0, 1, {}}); }
    void Color3(float r, float g, float b) override { Color4(r, g, b, 1.0f); }
    void Color4(float r, float g, float b, float a) override {
        batches.back().r = r;
        batches.back().g = g;
        batches.back().b = b;
        batches.back().a = a;
    }
    void Vertex(float x, float y, float z) override {
        batches.back().vertices.push_back({x + tx, y + ty, z + tz});
    }
    void End() override {}

    struct {
        float r, g, b, a;
    } clear{};
    int clears = 0;
    double fovY = 0, aspect = 0, zNear = 0, zFar = 0;
    float tx = 0, ty = 0, tz = 0;
    int depth = 0;
    std::vector<Batch> batches;
};

}  // namespace vexlume::test
