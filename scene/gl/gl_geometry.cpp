#include "scene/gl/gl_geometry.h"

#include <functional>

#include "scene/arrow_line.h"
#include "scene/object_visitor.h"
#include "scene/shapes.h"
#include "scene/torus.h"

namespace circumvia::scene {
namespace {

// Six faces, counter-clockwise seen from outside, each textured 0..1.
void DrawBox(Vec3 size) {
    const double x = size.x / 2;
    const double y = size.y / 2;
    const double z = size.z / 2;
    struct Face {
        Vec3 normal;
        Vec3 corners[4];
    };
    const Face faces[] = {
        {{0, 0, 1}, {{-x, -y, z}, {x, -y, z}, {x, y, z}, {-x, y, z}}},
        {{0, 0, -1}, {{x, -y, -z}, {-x, -y, -z}, {-x, y, -z}, {x, y, -z}}},
        {{1, 0, 0}, {{x, -y, z}, {x, -y, -z}, {x, y, -z}, {x, y, z}}},
        {{-1, 0, 0}, {{-x, -y, -z}, {-x, -y, z}, {-x, y, z}, {-x, y, -z}}},
        {{0, 1, 0}, {{-x, y, z}, {x, y, z}, {x, y, -z}, {-x, y, -z}}},
        {{0, -1, 0}, {{-x, -y, -z}, {x, -y, -z}, {x, -y, z}, {-x, -y, z}}},
    };
    const double uv[4][2] = {{0, 0}, {1, 0}, {1, 1}, {0, 1}};
    glBegin(GL_QUADS);
    for (const Face& face : faces) {
        glNormal3d(face.normal.x, face.normal.y, face.normal.z);
        for (int i = 0; i < 4; ++i) {
            glTexCoord2d(uv[i][0], uv[i][1]);
            glVertex3d(face.corners[i].x, face.corners[i].y, face.corners[i].z);
        }
    }
    glEnd();
}

void DrawPlane(const TPlane& plane) {
    const double x = plane.Width() / 2;
    const double y = plane.Height() / 2;
    const double u = plane.XTiles();
    const double v = plane.YTiles();
    glBegin(GL_QUADS);
    glNormal3d(0, 0, 1);
    glTexCoord2d(0, 0);
    glVertex3d(-x, -y, 0);
    glTexCoord2d(u, 0);
    glVertex3d(x, -y, 0);
    glTexCoord2d(u, v);
    glVertex3d(x, y, 0);
    glTexCoord2d(0, v);
    glVertex3d(-x, y, 0);
    glEnd();
}

void DrawMesh(const TriangleMesh& mesh) {
    glBegin(GL_TRIANGLES);
    for (const auto& triangle : mesh.triangles) {
        for (int index : triangle) {
            const MeshVertex& vertex = mesh.vertices[index];
            glNormal3d(vertex.normal.x, vertex.normal.y, vertex.normal.z);
            glTexCoord2d(vertex.u, vertex.v);
            glVertex3d(vertex.position.x, vertex.position.y, vertex.position.z);
        }
    }
    glEnd();
}

void DrawArrow(GLUquadric* quadric, const TArrowLine& arrow) {
    const double half = arrow.Height() / 2;
    const int slices = arrow.Slices();
    glPushMatrix();
    glTranslated(0, 0, -half);
    gluQuadricOrientation(quadric, GLU_INSIDE);  // the caps face -Z
    gluDisk(quadric, 0, arrow.BottomRadius(), slices, 1);
    gluQuadricOrientation(quadric, GLU_OUTSIDE);
    gluCylinder(quadric, arrow.BottomRadius(), arrow.TopRadius(), arrow.Height(), slices, 1);
    glTranslated(0, 0, arrow.Height());
    gluQuadricOrientation(quadric, GLU_INSIDE);
    gluDisk(quadric, 0, arrow.TopArrowHeadRadius(), slices, 1);
    gluQuadricOrientation(quadric, GLU_OUTSIDE);
    gluCylinder(quadric, arrow.TopArrowHeadRadius(), 0, arrow.TopArrowHeadHeight(), slices, 1);
    glPopMatrix();
}

// Describes an object's shape by its kind and dimensions (equal keys share one list)
// and knows how to draw it.
class ShapeOf : public TObjectVisitor {
public:
    std::vector<double> key;
    std::function<void(GLUquadric*)> draw;

    void Visit(const TCube& cube) override {
        const Vec3 size = cube.Size();
        key = {1, size.x, size.y, size.z};
        draw = [size](GLUquadric*) { DrawBox(size); };
    }
    void Visit(const TPlane& plane) override {
        key = {2, plane.Width(), plane.Height(), double(plane.XTiles()), double(plane.YTiles())};
        draw = [&plane](GLUquadric*) { DrawPlane(plane); };
    }
    void Visit(const TDisk& disk) override {
        key = {3,
               disk.InnerRadius(),
               disk.OuterRadius(),
               double(disk.Slices()),
               double(disk.Loops()),
               disk.StartAngle(),
               disk.SweepAngle()};
        draw = [&disk](GLUquadric* quadric) {
            gluPartialDisk(quadric, disk.InnerRadius(), disk.OuterRadius(), disk.Slices(),
                           disk.Loops(), disk.StartAngle(), disk.SweepAngle());
        };
    }
    void Visit(const TSphere& sphere) override {
        key = {4, sphere.Radius(), double(sphere.Slices()), double(sphere.Stacks())};
        draw = [&sphere](GLUquadric* quadric) {
            gluSphere(quadric, sphere.Radius(), sphere.Slices(), sphere.Stacks());
        };
    }
    void Visit(const TTorus& torus) override {
        key = {5, torus.MajorRadius(), torus.MinorRadius(), double(torus.Rings()),
               double(torus.Sides())};
        draw = [&torus](GLUquadric*) { DrawMesh(torus.Mesh()); };
    }
    void Visit(const TArrowLine& arrow) override {
        key = {6,
               arrow.Height(),
               arrow.BottomRadius(),
               arrow.TopRadius(),
               arrow.TopArrowHeadHeight(),
               arrow.TopArrowHeadRadius(),
               double(arrow.Slices())};
        draw = [&arrow](GLUquadric* quadric) { DrawArrow(quadric, arrow); };
    }
};

}  // namespace

TGeometryCache::TGeometryCache() : quadric_(nullptr, gluDeleteQuadric) {}

TGeometryCache::~TGeometryCache() = default;

GLUquadric* TGeometryCache::Quadric() {
    if (!quadric_) {
        quadric_.reset(gluNewQuadric());
        gluQuadricNormals(quadric_.get(), GLU_SMOOTH);
        gluQuadricTexture(quadric_.get(), GL_TRUE);
    }
    return quadric_.get();
}

void TGeometryCache::Draw(const TSceneObject& object) {
    ShapeOf shape;
    object.Accept(shape);
    if (!shape.draw) return;
    auto it = lists_.find(shape.key);
    if (it == lists_.end()) {
        const GLuint list = glGenLists(1);
        glNewList(list, GL_COMPILE);
        shape.draw(Quadric());
        glEndList();
        it = lists_.emplace(shape.key, list).first;
    }
    glCallList(it->second);
}

void TGeometryCache::Release() {
    for (const auto& [key, list] : lists_) glDeleteLists(list, 1);
    lists_.clear();
    quadric_.reset();
}

}  // namespace circumvia::scene
