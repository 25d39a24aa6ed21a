#pragma once
// A light at the object's position. The spot direction is given in the object's frame;
// a cut-off of 180 degrees lights every direction.

#include "scene/color.h"
#include "scene/object_visitor.h"
#include "scene/scene_object.h"

namespace circumvia::scene {

class TLightSource : public TSceneObject {
public:
    bool Shining() const { return shining_; }
    void SetShining(bool shining) { Assign(shining_, shining); }
    Vec3 SpotDirection() const { return spot_direction_; }
    void SetSpotDirection(Vec3 direction) { Assign(spot_direction_, direction); }
    double SpotCutOff() const { return spot_cut_off_; }
    void SetSpotCutOff(double degrees) { Assign(spot_cut_off_, degrees); }
    double SpotExponent() const { return spot_exponent_; }
    void SetSpotExponent(double exponent) { Assign(spot_exponent_, exponent); }
    // Constant, linear and quadratic attenuation.
    Vec3 Attenuation() const { return attenuation_; }
    void SetAttenuation(Vec3 attenuation) { Assign(attenuation_, attenuation); }
    Color Ambient() const { return ambient_; }
    void SetAmbient(Color color) { Assign(ambient_, color); }
    Color Diffuse() const { return diffuse_; }
    void SetDiffuse(Color color) { Assign(diffuse_, color); }
    Color Specular() const { return specular_; }
    void SetSpecular(Color color) { Assign(specular_, color); }

    void Accept(TObjectVisitor& visitor) const override { visitor.Visit(*this); }

private:
    bool shining_ = true;
    Vec3 spot_direction_{0, 0, -1};
    double spot_cut_off_ = 180;
    double spot_exponent_ = 0;
    Vec3 attenuation_{1, 0, 0};
    Color ambient_{0, 0, 0, 1};
    Color diffuse_{1, 1, 1, 1};
    Color specular_{0, 0, 0, 1};
};

}  // namespace circumvia::scene
