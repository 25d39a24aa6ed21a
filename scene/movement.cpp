#include "scene/movement.h"

#include <cmath>

#include "scene/scene_object.h"

namespace circumvia::scene {
namespace {

constexpr double kMinimumSpeed = 0.01;

double Component(const Vec3& v, int i) {
    return i == 0 ? v.x : i == 1 ? v.y : v.z;
}

// The nine travelled coordinates of a node: position, rotation, scale.
double Coordinate(const TPathNode& node, int i) {
    const Vec3& group = i < 3 ? node.position : i < 6 ? node.rotation : node.scale;
    return Component(group, i % 3);
}

}  // namespace

TPathNode& TMovementPath::AddNode() {
    nodes_.push_back(nodes_.empty() ? TPathNode{} : nodes_.back());
    return nodes_.back();
}

TPathNode& TMovementPath::AddNodeFrom(const TSceneObject& object) {
    TPathNode& node = AddNode();
    node.position = object.Position();
    node.rotation = {object.PitchAngle(), object.TurnAngle(), object.RollAngle()};
    node.scale = object.Scale();
    return node;
}

double TMovementPath::SegmentDuration(std::size_t i) const {
    return Distance(nodes_[i].position, nodes_[i - 1].position) / std::abs(nodes_[i - 1].speed);
}

double TMovementPath::Duration() const {
    double total = 0;
    for (std::size_t i = 1; i < nodes_.size(); ++i) total += SegmentDuration(i);
    return total;
}

bool TMovementPath::Start() {
    if (nodes_.size() < 2) return false;
    for (const TPathNode& node : nodes_) {
        if (std::abs(node.speed) < kMinimumSpeed) return false;
    }
    splines_.clear();
    for (int coordinate = 0; coordinate < 9; ++coordinate) {
        std::vector<double> values;
        for (const TPathNode& node : nodes_) values.push_back(Coordinate(node, coordinate));
        splines_.emplace_back(std::move(values));
    }
    start_time_.reset();
    travelling_ = true;
    return true;
}

TMovementPath::Sample TMovementPath::SampleAt(double elapsed) const {
    // The parameter advances linearly in time within each segment.
    double parameter = static_cast<double>(nodes_.size() - 1);
    double segment_start = 0;
    for (std::size_t i = 1; i < nodes_.size(); ++i) {
        const double duration = SegmentDuration(i);
        if (elapsed < segment_start + duration) {
            parameter = static_cast<double>(i - 1) + (elapsed - segment_start) / duration;
            break;
        }
        segment_start += duration;
    }
    double values[9];
    if (mode_ == SplineMode::kCubic) {
        for (int c = 0; c < 9; ++c) values[c] = splines_[c].At(parameter);
    } else {
        const auto i = std::min(static_cast<std::size_t>(parameter), nodes_.size() - 2);
        const double u = parameter - static_cast<double>(i);
        for (int c = 0; c < 9; ++c) {
            values[c] = (1 - u) * Coordinate(nodes_[i], c) + u * Coordinate(nodes_[i + 1], c);
        }
    }
    return {{values[0], values[1], values[2]},
            {values[3], values[4], values[5]},
            {values[6], values[7], values[8]}};
}

void TMovement::ClearPaths() {
    paths_.clear();
    active_ = -1;
}

TMovementPath& TMovement::AddPath() {
    paths_.push_back(std::make_shared<TMovementPath>());
    return *paths_.back();
}

void TMovement::SetActivePathIndex(int index) {
    active_ = index >= 0 && index < PathCount() ? index : -1;
}

TMovementPath* TMovement::ActivePath() const {
    return active_ >= 0 && active_ < PathCount() ? paths_[active_].get() : nullptr;
}

bool TMovement::StartPathTravel() {
    TMovementPath* path = ActivePath();
    if (path == nullptr || !path->Start()) return false;
    owner_.MarkChanged();  // wakes a resting clock
    return true;
}

void TMovement::StopPathTravel() {
    TMovementPath* path = ActivePath();
    if (path == nullptr || !path->travelling_) return;
    path->travelling_ = false;
    EndPath(active_);
}

void TMovement::FinishPathTravel() {
    TMovementPath* path = ActivePath();
    if (path == nullptr || !path->travelling_) return;
    const TPathNode& last = path->nodes_.back();
    Apply({last.position, last.rotation, last.scale});
    path->travelling_ = false;
    EndPath(active_);
}

bool TMovement::Travelling() const {
    const TMovementPath* path = ActivePath();
    return path != nullptr && path->Travelling();
}

void TMovement::Advance(double time) {
    TMovementPath* path = ActivePath();
    if (path == nullptr || !path->travelling_) return;
    if (!path->start_time_) path->start_time_ = time;
    const double elapsed = time - *path->start_time_;
    if (elapsed >= path->Duration()) {
        FinishPathTravel();
        return;
    }
    Apply(path->SampleAt(elapsed));
}

void TMovement::Apply(const TMovementPath::Sample& values) {
    owner_.SetPosition(values.position);
    owner_.SetScale(values.scale);
    owner_.SetPitchAngle(values.rotation.x);
    owner_.SetTurnAngle(values.rotation.y);
    owner_.SetRollAngle(values.rotation.z);
}

void TMovement::EndPath(int index) {
    const std::shared_ptr<TMovementPath> path = paths_[index];
    bool looped = false;
    if (on_path_end_) on_path_end_(*this, *path, looped);
    // The handler may have rebuilt the paths; then this path has nothing more to do.
    if (index >= PathCount() || paths_[index] != path) return;
    if (Travelling()) return;  // the handler has started a path of its own
    if (looped) {
        active_ = index;
        StartPathTravel();
    } else if (auto_start_next_ && index + 1 < PathCount()) {
        active_ = index + 1;
        StartPathTravel();
    }
}

}  // namespace circumvia::scene
