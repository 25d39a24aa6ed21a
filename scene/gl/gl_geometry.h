#pragma once
// Display lists for the shapes of the object kinds, built once per distinct shape and
// reused every frame. Needs a current OpenGL context for everything but construction.

#include <map>
#include <memory>
#include <vector>

#include <GL/gl.h>
#include <GL/glu.h>

namespace circumvia::scene {

class TSceneObject;

class TGeometryCache {
public:
    TGeometryCache();
    ~TGeometryCache();
    TGeometryCache(const TGeometryCache&) = delete;
    TGeometryCache& operator=(const TGeometryCache&) = delete;

    // Draws the object's own geometry in its own frame; objects without geometry draw
    // nothing.
    void Draw(const TSceneObject& object);
    // Deletes the lists (before the context goes away).
    void Release();

private:
    GLUquadric* Quadric();

    std::map<std::vector<double>, GLuint> lists_;
    std::unique_ptr<GLUquadric, void (*)(GLUquadric*)> quadric_;
};

}  // namespace circumvia::scene
