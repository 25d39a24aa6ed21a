#include <gtest/gtest.h>

#include <algorithm>

#include "scene/draw_list.h"
#include "scene/dummy_cube.h"
#include "scene/proxy_object.h"
#include "scene/scene.h"
#include "scene/shapes.h"
#include "scene_test_support.h"

namespace circumvia::scene {
namespace {

TEST(ObjectFrames, LocalAxesAreUpCrossDirectionUpAndDirectionTimesScale) {
    TDummyCube object;
    object.SetPosition({1, 2, 3});
    object.SetScale({2, 3, 4});
    object.SetTurnAngle(90);  // direction +X, up +Y, so X = up x direction = -Z
    const Mat4 m = object.LocalMatrix();
    ExpectNear(m.TransformVector({1, 0, 0}), {0, 0, -2});
    ExpectNear(m.TransformVector({0, 1, 0}), {0, 3, 0});
    ExpectNear(m.TransformVector({0, 0, 1}), {4, 0, 0});
    ExpectNear(m.TransformPoint({0, 0, 0}), {1, 2, 3});
}

TEST(ObjectFrames, ChildFramesComposeWithTheirParents) {
    TScene scene;
    auto& group = scene.Root().Add<TDummyCube>("group");
    group.SetPosition({0, 1, 0});
    group.SetPitchAngle(90);  // own Z now points up, own Y towards -Z
    auto& child = group.Add<TDummyCube>("child");
    child.SetPosition({0, 2, 3});
    ExpectNear(child.AbsolutePosition(), {0, 1 + 3, -2});
    ExpectNear(child.AbsoluteMatrix().TransformPoint({0, 0, 0}), child.AbsolutePosition());
}

TEST(ObjectTree, FindsObjectsByNameDepthFirst) {
    TScene scene;
    auto& a = scene.Root().Add<TDummyCube>("a");
    auto& b = a.Add<TCube>("b");
    scene.Root().Add<TCube>("c");
    EXPECT_EQ(scene.FindObject("b"), &b);
    EXPECT_EQ(scene.FindObject("a"), &a);
    EXPECT_EQ(scene.FindObject("missing"), nullptr);
    EXPECT_EQ(b.Parent(), &a);
}

std::vector<const TSceneObject*> DrawnObjects(const TScene& scene) {
    std::vector<const TSceneObject*> objects;
    for (const DrawItem& item : CollectDrawItems(scene.Root())) objects.push_back(item.object);
    return objects;
}

TEST(DrawList, DrawsDepthFirstEachObjectBeforeItsChildren) {
    TScene scene;
    auto& a = scene.Root().Add<TCube>("a");
    auto& a1 = a.Add<TCube>("a1");
    auto& a2 = a.Add<TCube>("a2");
    auto& b = scene.Root().Add<TCube>("b");
    const std::vector<const TSceneObject*> expected = {&scene.Root(), &a, &a1, &a2, &b};
    EXPECT_EQ(DrawnObjects(scene), expected);
}

TEST(DrawList, HiddenObjectsAndTheirChildrenAreNotDrawn) {
    TScene scene;
    auto& a = scene.Root().Add<TCube>("a");
    auto& a1 = a.Add<TCube>("a1");
    a.SetVisible(false);
    const auto drawn = DrawnObjects(scene);
    EXPECT_EQ(std::count(drawn.begin(), drawn.end(), &a), 0);
    EXPECT_EQ(std::count(drawn.begin(), drawn.end(), &a1), 0);
}

struct ProxyScene {
    TScene scene;
    TSphere& master = scene.Root().Add<TSphere>("master");
    TCube& master_child = master.Add<TCube>("master child");
    TProxyObject& proxy = scene.Root().Add<TProxyObject>("proxy");

    ProxyScene() {
        master.SetPosition({0, 0.5, 0});  // the master's own local frame
        master_child.SetPosition({1, 0, 0});
        master.SetVisible(false);
        proxy.SetMaster(&master);
        proxy.SetPosition({10, 0, 0});
        proxy.SetTurnAngle(90);
    }
};

TEST(DrawList, ProxyDrawsItsHiddenMasterAndChildrenInsideItsOwnFrame) {
    ProxyScene s;
    const auto items = CollectDrawItems(s.scene.Root());
    const auto find = [&items](const TSceneObject* object) {
        return std::find_if(items.begin(), items.end(),
                            [object](const DrawItem& item) { return item.object == object; });
    };
    const auto master = find(&s.master);
    ASSERT_NE(master, items.end());
    EXPECT_EQ(master->pick_as, &s.proxy);
    // Proxy frame (turned 90 degrees, at x = 10) times the master's local frame.
    ExpectNear(master->frame.TransformPoint({0, 0, 0}), {10, 0.5, 0});
    const auto child = find(&s.master_child);
    ASSERT_NE(child, items.end());
    EXPECT_EQ(child->pick_as, &s.proxy);
    ExpectNear(child->frame.TransformPoint({0, 0, 0}), {10, 0.5, -1});
    // The hidden master is drawn only this once, through the proxy.
    EXPECT_EQ(std::count_if(items.begin(), items.end(),
                            [&s](const DrawItem& item) { return item.object == &s.master; }),
              1);
}

TEST(DrawList, HidingAProxyHidesOnlyThatInstance) {
    ProxyScene s;
    auto& second = s.scene.Root().Add<TProxyObject>("second");
    second.SetMaster(&s.master);
    s.proxy.SetVisible(false);
    const auto items = CollectDrawItems(s.scene.Root());
    const auto masters = std::count_if(items.begin(), items.end(), [&s](const DrawItem& item) {
        return item.object == &s.master;
    });
    EXPECT_EQ(masters, 1);
    const auto shown = std::find_if(items.begin(), items.end(), [&s](const DrawItem& item) {
        return item.object == &s.master;
    });
    EXPECT_EQ(shown->pick_as, &second);
}

TEST(DrawList, AProxyThatDrawsItselfIsCutOff) {
    TScene scene;
    auto& loop = scene.Root().Add<TProxyObject>("loop");
    loop.SetMaster(&loop);
    EXPECT_LT(CollectDrawItems(scene.Root()).size(), 20u);
}

}  // namespace
}  // namespace circumvia::scene
