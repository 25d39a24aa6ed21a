// The camera's two views, zoom, and the board's quarter and half turns.
#include "control/view/view_math.h"
#include "control/window/main_form.h"
#include "scene/board/board_geometry.h"
#include "scene/gl/scene_viewer.h"

namespace circumvia::control {

namespace {
constexpr double kDepthOfView = 20;
constexpr double kPerspectivePitch = -4;
const scene::Vec3 kPerspectiveCamera{0, 0, 9};
const scene::Vec3 kTopCamera{0, 10, 10};
}  // namespace

void TMainForm::ShowView(bool top) {
    if (review_) review_->LeaveLine();  // a new view shows the game's own pieces
    scene::TCamera& camera = *board_.Camera;
    camera.SetStyle(top ? scene::CameraStyle::kOrthogonal : scene::CameraStyle::kPerspective);
    camera.SetDepthOfView(kDepthOfView);
    camera.SetFocalLength(top ? kTopFocalLength : kPerspectiveFocalLength);
    camera.SetPosition(top ? kTopCamera : kPerspectiveCamera);
    Viewer_->SetCamera(&camera);
    scene::TDummyCube& group = *board_.DummyCube;
    group.SetPitchAngle(top ? 0 : kPerspectivePitch);
    group.SetRollAngle(0);
    group.SetTurnAngle(0);
    base_focal_length_ = top ? kTopFocalLength : kPerspectiveFocalLength;
    FitZoom();
    RefreshPieces();
    pieces_.PlaceMarkers();
    menu_.Vue2D->setChecked(top);
    menu_.Vue3D->setChecked(!top);
    UpdateNavigation();
}

void TMainForm::TB_vue1Click() {
    ShowView(false);
}

void TMainForm::TB_vue2Click() {
    ShowView(true);
}

void TMainForm::TB_vue3Click() {
    const bool top = menu_.Vue2D->isChecked();
    ShowView(top);
    // Undo every tilt and turn of the group, and any drift of its orientation.
    scene::TDummyCube& group = *board_.DummyCube;
    group.SetRollAngle(0);
    group.SetTurnAngle(0);
    group.SetPitchAngle(0);
    group.SetPosition({0, 0, 0});
    group.SetDirection(scene::kBoardBaseDirection);
    group.SetUp(scene::kBoardBaseUp);
    ShowView(top);
    Viewer_->Redraw();
    update();
}

void TMainForm::FitZoom() {
    const QRect outer = frameGeometry();
    const bool top = board_.Camera->Style() == scene::CameraStyle::kOrthogonal;
    board_.Camera->SetFocalLength(
        top ? TopFitZoom(base_focal_length_, outer.width(), outer.height())
            : control::FitZoom(base_focal_length_, outer.width(), outer.height()));
}

void TMainForm::TB_zoomInClick() {
    board_.Camera->SetFocalLength(ZoomIn(board_.Camera->FocalLength()));
    UpdateNavigation();
}

void TMainForm::TB_zoomOutClick() {
    board_.Camera->SetFocalLength(ZoomOut(board_.Camera->FocalLength()));
    UpdateNavigation();
}

void TMainForm::FormMouseWheel(int delta) {
    board_.Camera->SetFocalLength(WheelZoom(board_.Camera->FocalLength(), delta));
    UpdateNavigation();
}

void TMainForm::Tr_retourneClick() {
    scene::TCube& slab = *board_.Plateau;
    slab.SetTurnAngle(slab.TagFloat());  // a turn still under way completes at once
    slab.SetTagFloat(static_cast<float>(QuarterTurnTarget(slab.TurnAngle())));
}

void TMainForm::Inverser1Click() {
    scene::TCube& slab = *board_.Plateau;
    slab.SetTurnAngle(slab.TagFloat());
    const double target = HalfTurnTarget(slab.TurnAngle());
    slab.SetTagFloat(static_cast<float>(target));
    slab.SetTurnAngle(target);
    pieces_.PlaceMarkers();
}

void TMainForm::PlateauProgress(double dt) {
    scene::TCube& slab = *board_.Plateau;
    const double turned = TurnStep(slab.TurnAngle(), slab.TagFloat(), TurnTimeStep(dt));
    if (turned == slab.TurnAngle()) return;
    slab.SetTurnAngle(turned);
    pieces_.PlaceMarkers();
}

}  // namespace circumvia::control
