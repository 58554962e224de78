#include "preview/scene.h"

#include <algorithm>

#include "model/matrix4.h"
#include "model/particle_doc.h"
#include "preview/camera.h"

namespace {

// Camera space to the coordinates handed to the pipeline: y and z change
// places, so the effect's z axis points up on the screen.
void Emit(SceneSink& sink, float x, float y, float z) { sink.Vertex(x, z, y); }

void EmitTransformed(SceneSink& sink, const CMatrix4& m, float x, float y, float z) {
    CVector3 v(x, y, z);
    m.Transform(v);
    Emit(sink, v.x, v.y, v.z);
}

}  // namespace

void DrawScene(const CCamera& camera, int cx, int cy, const CParticleDoc& doc, SceneSink& sink) {
    sink.Clear(0.4f, 0.4f, 0.4f, 0.0f);
    // A zero height gives a non-finite aspect; the viewport is then empty and
    // nothing shows, without fault.
    const double aspect = static_cast<double>(cx) / static_cast<double>(cy);
    sink.Perspective(double{camera.m_fFov}, aspect, 1.0, 10000.0);

    CMatrix4 m;
    m.Identity();
    m.RotateZ(DegreesToRadians(camera.m_fYaw));
    m.RotateX(DegreesToRadians(camera.m_fPitch));

    sink.PushTranslate(0.0f, 0.0f, kCameraDistance);

    sink.Begin(SceneSink::Primitive::Lines);
    sink.Color3(0.5f, 0.5f, 0.5f);
    const float e = static_cast<float>(kGridHalfExtent);
    for (int i = -kGridHalfExtent; i <= kGridHalfExtent; i += kGridSpacing) {
        EmitTransformed(sink, m, static_cast<float>(i), -e, 0.0f);
        EmitTransformed(sink, m, static_cast<float>(i), e, 0.0f);
    }
    for (int i = -kGridHalfExtent; i <= kGridHalfExtent; i += kGridSpacing) {
        EmitTransformed(sink, m, -e, static_cast<float>(i), 0.0f);
        EmitTransformed(sink, m, e, static_cast<float>(i), 0.0f);
    }
    sink.End();

    // Never read past the particles the array holds.
    const std::size_t count =
        doc.m_nParticles > 0
            ? std::min(doc.m_particles.size(), static_cast<std::size_t>(doc.m_nParticles))
            : 0;
    for (std::size_t n = 0; n < count; ++n) {
        const CParticle& p = *doc.m_particles[n];
        const float phase = p.GetPhase(doc.m_fTime);
        const CVector3 d = p.GetPosition(phase);
        CVector3 c(d.x, -d.y, d.z);
        m.Transform(c);
        const float brightness = p.GetTween(TWEEN_BRIGHTNESS, phase);
        const float opacity = p.GetTween(TWEEN_OPACITY, phase);
        const float s = p.GetTween(TWEEN_STRETCH, phase);

        // A diamond standing on its lowest corner, facing the eye.
        sink.Begin(SceneSink::Primitive::LineStrip);
        sink.Color4(brightness, brightness, brightness, opacity);
        Emit(sink, c.x, c.y, c.z);
        Emit(sink, static_cast<float>(double{c.x} - s), c.y, static_cast<float>(double{c.z} + s));
        Emit(sink, c.x, c.y, static_cast<float>(double{c.z} + 2.0 * s));
        Emit(sink, static_cast<float>(double{c.x} + s), c.y, static_cast<float>(double{c.z} + s));
        Emit(sink, c.x, c.y, c.z);
        sink.End();
    }
    sink.Pop();
}
