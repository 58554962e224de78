#pragma once

#include "preview/scene.h"

// Hands the scene to the fixed-function pipeline of the current context.
class GLSceneSink final : public SceneSink {
public:
    void Clear(float r, float g, float b, float a) override;
    void Perspective(double fovY, double aspect, double zNear, double zFar) override;
    void PushTranslate(float x, float y, float z) override;
    void Pop() override;
    void Begin(Primitive primitive) override;
    void Color3(float r, float g, float b) override;
    void Color4(float r, float g, float b, float a) override;
    void Vertex(float x, float y, float z) override;
    void End() override;
};
