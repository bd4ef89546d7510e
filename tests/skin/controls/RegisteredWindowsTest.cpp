#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "CommandRecorder.h"
#include "skin/data/sSkinManager.h"

namespace tornivex {
namespace {

using Recorder = testing::CommandRecorder<>; // not widgets: not forms, so only registered

TEST(RegisteredWindows, EveryBroadcastReachesThemOnceInOrder) {
    TsSkinManager manager;
    std::vector<QObject*> order;
    Recorder a, b;
    a.onCommand = [&](int) { order.push_back(&a); };
    b.onCommand = [&](int) { order.push_back(&b); };
    manager.RegisterWindow(&a);
    manager.RegisterWindow(&b);
    manager.RegisterWindow(&a);
    manager.RegisterWindow(nullptr);
    manager.UpdateSkinSection("button");
    EXPECT_EQ(order, (std::vector<QObject*>{&a, &b}));
    EXPECT_EQ(a.Commands(), std::vector<int>{scUpdateSection});
    manager.UnregisterWindow(&a);
    manager.BroadcastSkinCommand(scRefresh, 0);
    EXPECT_EQ(a.Commands().size(), 1u);
    EXPECT_EQ(b.Commands().back(), scRefresh);
}

TEST(RegisteredWindows, ReceiversMayRegisterAndUnregisterDuringABroadcast) {
    TsSkinManager manager;
    Recorder first, unregistered, destroyedTarget, last;
    auto destroyed = std::make_unique<Recorder>();
    std::vector<std::unique_ptr<Recorder>> added;
    first.onCommand = [&](int) {
        // Enough new windows to move the list in memory, one window taken out and one destroyed.
        for (int i = 0; i < 40; ++i) {
            added.push_back(std::make_unique<Recorder>());
            manager.RegisterWindow(added.back().get());
        }
        manager.UnregisterWindow(&unregistered);
        destroyed.reset();
        first.onCommand = nullptr;
    };
    manager.RegisterWindow(&first);
    manager.RegisterWindow(&unregistered);
    manager.RegisterWindow(destroyed.get());
    manager.RegisterWindow(&last);

    manager.BroadcastSkinCommand(scRefresh, 7);
    EXPECT_EQ(first.received, (decltype(first.received){{scRefresh, 7}}));
    EXPECT_TRUE(unregistered.received.empty());
    EXPECT_EQ(last.Commands(), std::vector<int>{scRefresh});
    for (const auto& window : added) EXPECT_TRUE(window->received.empty());

    manager.BroadcastSkinCommand(scStopAnimation, 0); // the windows added meanwhile get the next one
    for (const auto& window : added) EXPECT_EQ(window->Commands(), std::vector<int>{scStopAnimation});
    EXPECT_TRUE(unregistered.received.empty());
    EXPECT_EQ(last.Commands(), (std::vector<int>{scRefresh, scStopAnimation}));
}

TEST(RegisteredWindows, EachManagerHasItsOwnList) {
    TsSkinManager one, two;
    Recorder window;
    one.RegisterWindow(&window);
    two.BroadcastSkinCommand(scRefresh, 0);
    EXPECT_TRUE(window.received.empty());
    two.UnregisterWindow(&window); // not registered there: no effect on the other
    one.BroadcastSkinCommand(scRefresh, 0);
    EXPECT_EQ(window.Commands(), std::vector<int>{scRefresh});
}

} // namespace
} // namespace tornivex
