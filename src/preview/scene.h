#pragma once

class CCamera;
class CParticleDoc;

// Receives one frame of the preview as the fixed-function pipeline takes it.
// The drawing passes it plain calls; tests record them.
class SceneSink {
public:
    enum class Primitive { Lines, LineStrip };

    virtual ~SceneSink() = default;
    virtual void Clear(float r, float g, float b, float a) = 0;
    virtual void Perspective(double fovY, double aspect, double zNear, double zFar) = 0;
    virtual void PushTranslate(float x, float y, float z) = 0;
    virtual void Pop() = 0;
    virtual void Begin(Primitive primitive) = 0;
    virtual void Color3(float r, float g, float b) = 0;
    virtual void Color4(float r, float g, float b, float a) = 0;
    virtual void Vertex(float x, float y, float z) = 0;
    virtual void End() = 0;
};

// Constants of the preview.
inline constexpr float kCameraDistance = -240.0f;
inline constexpr int kGridHalfExtent = 800;
inline constexpr int kGridSpacing = 100;

// One frame: a grey background, the ground grid seen through the orbiting
// camera, and a diamond outline for every particle at its current position,
// size, brightness and opacity. Allocates nothing.
void DrawScene(const CCamera& camera, int cx, int cy, const CParticleDoc& doc, SceneSink& sink);
