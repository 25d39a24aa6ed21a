#pragma once
// Movements carry an object along paths of nodes. Each path is travelled on natural
// cubic splines through its nodes' positions, rotations and scales (node i at parameter
// i); segment i lasts its straight length over the speed of the node where it begins.

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "scene/cubic_spline.h"
#include "scene/vector3.h"

namespace circumvia::scene {

class TSceneObject;

struct TPathNode {
    Vec3 position;
    Vec3 rotation;  // pitch, turn, roll in degrees
    Vec3 scale{1, 1, 1};
    double speed = 0;
};

class TMovementPath {
public:
    enum class SplineMode { kLinear, kCubic };

    const std::string& Name() const { return name_; }
    void SetName(std::string name) { name_ = std::move(name); }
    SplineMode Mode() const { return mode_; }
    void SetMode(SplineMode mode) { mode_ = mode; }

    // A new node starts as a copy of the path's last node (or with the defaults).
    TPathNode& AddNode();
    // A node with the object's current position, stored angles and scale.
    TPathNode& AddNodeFrom(const TSceneObject& object);
    std::vector<TPathNode>& Nodes() { return nodes_; }
    const std::vector<TPathNode>& Nodes() const { return nodes_; }

    bool Travelling() const { return travelling_; }
    // Set by the first clock step after the start.
    std::optional<double> StartTime() const { return start_time_; }
    // Sum of the segments' durations.
    double Duration() const;

private:
    friend class TMovement;

    struct Sample {
        Vec3 position;
        Vec3 rotation;
        Vec3 scale;
    };

    // Needs two nodes and every speed at least 0.01 in size; fits the splines.
    bool Start();
    // The values `elapsed` seconds after the start.
    Sample SampleAt(double elapsed) const;
    double SegmentDuration(std::size_t i) const;  // segment from node i-1 to node i

    std::string name_;
    SplineMode mode_ = SplineMode::kCubic;
    std::vector<TPathNode> nodes_;
    bool travelling_ = false;
    std::optional<double> start_time_;
    std::vector<NaturalCubicSpline> splines_;  // x, y, z, pitch, turn, roll, sx, sy, sz
};

class TMovement {
public:
    // Called when a path ends (finished or stopped). Setting `looped` starts it again.
    using PathEndHandler = std::function<void(TMovement&, TMovementPath&, bool& looped)>;

    explicit TMovement(TSceneObject& owner) : owner_(owner) {}

    TSceneObject& Owner() const { return owner_; }

    void ClearPaths();
    TMovementPath& AddPath();
    int PathCount() const { return static_cast<int>(paths_.size()); }
    TMovementPath& Path(int index) const { return *paths_.at(index); }

    // 0-based; -1 for none.
    int ActivePathIndex() const { return active_; }
    void SetActivePathIndex(int index);
    TMovementPath* ActivePath() const;
    // Starts the active path at its first node; false when it cannot travel.
    bool StartPathTravel();
    // Ends the active path where it is; its end is reported like a finished one.
    void StopPathTravel();
    // Ends the active path at once on its last node, as if it had run its course.
    void FinishPathTravel();
    bool Travelling() const;

    bool AutoStartNextPath() const { return auto_start_next_; }
    void SetAutoStartNextPath(bool on) { auto_start_next_ = on; }
    void SetPathEndHandler(PathEndHandler handler) { on_path_end_ = std::move(handler); }

    // One clock step at `time` seconds.
    void Advance(double time);

private:
    void Apply(const TMovementPath::Sample& values);
    void EndPath(int index);

    TSceneObject& owner_;
    // Shared so a path survives a handler that clears the movement while it runs.
    std::vector<std::shared_ptr<TMovementPath>> paths_;
    int active_ = -1;
    bool auto_start_next_ = true;
    PathEndHandler on_path_end_;
};

}  // namespace circumvia::scene
