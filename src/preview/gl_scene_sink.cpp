#include "preview/gl_scene_sink.h"

#include <GL/gl.h>
#include <GL/glu.h>

void GLSceneSink::Clear(float r, float g, float b, float a) {
    glClearColor(r, g, b, a);
    glClear(GL_COLOR_BUFFER_BIT);
}

void GLSceneSink::Perspective(double fovY, double aspect, double zNear, double zFar) {
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    gluPerspective(fovY, aspect, zNear, zFar);
    glMatrixMode(GL_MODELVIEW);
}

void GLSceneSink::PushTranslate(float x, float y, float z) {
    glPushMatrix();
    glTranslatef(x, y, z);
}

void GLSceneSink::Pop() { glPopMatrix(); }

void GLSceneSink::Begin(Primitive primitive) {
    glBegin(primitive == Primitive::Lines ? GL_LINES : GL_LINE_STRIP);
}

void GLSceneSink::Color3(float r, float g, float b) { glColor3f(r, g, b); }
void GLSceneSink::Color4(float r, float g, float b, float a) { glColor4f(r, g, b, a); }
void GLSceneSink::Vertex(float x, float y, float z) { glVertex3f(x, y, z); }
void GLSceneSink::End() { glEnd(); }
