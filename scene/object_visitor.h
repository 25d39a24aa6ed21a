#pragma once
// Double dispatch over the object kinds, for the renderer (and anyone else that must
// treat each kind its own way). Every visit does nothing unless overridden.

namespace circumvia::scene {

class TDummyCube;
class TCube;
class TPlane;
class TDisk;
class TTorus;
class TSphere;
class TArrowLine;
class TProxyObject;
class TLightSource;
class TCamera;

class TObjectVisitor {
public:
    virtual ~TObjectVisitor() = default;
    virtual void Visit(const TDummyCube&) {}
    virtual void Visit(const TCube&) {}
    virtual void Visit(const TPlane&) {}
    virtual void Visit(const TDisk&) {}
    virtual void Visit(const TTorus&) {}
    virtual void Visit(const TSphere&) {}
    virtual void Visit(const TArrowLine&) {}
    virtual void Visit(const TProxyObject&) {}
    virtual void Visit(const TLightSource&) {}
    virtual void Visit(const TCamera&) {}
};

}  // namespace circumvia::scene
