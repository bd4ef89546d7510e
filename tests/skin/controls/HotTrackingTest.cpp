#include <gtest/gtest.h>

#include <QCursor>
#include <QWidget>

#include "CommandRecorder.h"
#include "skin/data/sSkinManager.h"
#include "skin/paint/sCommonData.h"
#include "sSkinManagerWidgetsAttach.h"
#include "sSkinManagerWidgetsHot.h"

namespace tornivex {
namespace {

using testing::CommandRecorder;

std::intptr_t AsLParam(const void* p) { return reinterpret_cast<std::intptr_t>(p); }

// Two hot-trackable windows side by side in a shown form, and a windowless control that answers
// command 37 with its common data.
class HotTrackingTest : public ::testing::Test {
protected:
    HotTrackingTest() {
        form.setGeometry(100, 100, 200, 100);
        left.setGeometry(0, 0, 100, 100);
        right.setGeometry(100, 0, 100, 100);
        form.show();
        graphic.answer = [this](int command) {
            return command == scGetCommonData ? AsLParam(&graphicData) : std::intptr_t(0);
        };
    }
    void CursorAt(const QWidget& widget, QPoint local) { QCursor::setPos(widget.mapToGlobal(local)); }
    TSkinHotTracking& Hot() { return Attached<TSkinHotTracking>(manager); }

    TsSkinManager manager;
    QWidget form;
    CommandRecorder<QWidget> left{&form}, right{&form};
    CommandRecorder<> graphic;
    TsCommonData graphicData;
};

TEST_F(HotTrackingTest, TheHotWindowMovesWithEnterAndLeaveCommands) {
    EXPECT_EQ(manager.ActiveControl(), nullptr);
    manager.SetActiveControl(&left);
    manager.SetActiveControl(&left); // the same window again: nothing
    manager.SetActiveControl(&right);
    const auto m = AsLParam(&manager);
    EXPECT_EQ(left.received, (decltype(left.received){{scMouseEnter, m}, {scMouseLeave, m}}));
    EXPECT_EQ(right.received, (decltype(right.received){{scMouseEnter, m}}));
    EXPECT_EQ(manager.ActiveControl(), &right);
    EXPECT_TRUE(Hot().IsChecking());
    manager.SetActiveControl(nullptr);
    EXPECT_EQ(right.Commands().back(), scMouseLeave);
    EXPECT_FALSE(Hot().IsChecking());
}

TEST_F(HotTrackingTest, AWindowlessControlStillUnderTheMouseKeepsTheHotWindow) {
    manager.SetActiveControl(&left);
    manager.SetActiveGraphControl(&graphic);
    EXPECT_EQ(manager.ActiveGraphControl(), &graphic);
    graphicData.FMouseAbove = true;
    manager.SetActiveControl(&right);
    EXPECT_EQ(manager.ActiveControl(), &left);
    EXPECT_TRUE(right.received.empty());

    graphicData.FMouseAbove = false; // released first, with itself as LParam
    manager.SetActiveControl(&right);
    EXPECT_EQ(manager.ActiveControl(), &right);
    EXPECT_EQ(manager.ActiveGraphControl(), nullptr);
    EXPECT_EQ(graphic.received.back(), std::make_pair(int(scMouseLeave), AsLParam(&graphic)));
}

TEST_F(HotTrackingTest, TheTimerStepClearsTheHotWindowOnceTheCursorLeavesIt) {
    manager.SetActiveControl(&right);
    manager.SetActiveGraphControl(&graphic);
    CursorAt(right, {50, 50});
    Hot().CheckHotControl();
    EXPECT_EQ(manager.ActiveControl(), &right);
    CursorAt(right, {99, 99}); // last pixel inside
    Hot().CheckHotControl();
    EXPECT_EQ(manager.ActiveControl(), &right);
    EXPECT_TRUE(Hot().IsChecking());

    CursorAt(right, {-1, 50}); // over the left window now
    Hot().CheckHotControl();
    EXPECT_EQ(manager.ActiveControl(), nullptr);
    EXPECT_EQ(manager.ActiveGraphControl(), nullptr);
    EXPECT_EQ(right.received.back(), std::make_pair(int(scMouseLeave), AsLParam(&manager)));
    EXPECT_EQ(graphic.received.back(), std::make_pair(int(scMouseLeave), AsLParam(&graphic)));
    EXPECT_FALSE(Hot().IsChecking());
    EXPECT_TRUE(left.received.empty());
}

TEST_F(HotTrackingTest, AHiddenOrDestroyedHotWindowIsLeft) {
    manager.SetActiveControl(&left);
    CursorAt(left, {10, 10});
    left.hide();
    Hot().CheckHotControl();
    EXPECT_EQ(manager.ActiveControl(), nullptr);
    {
        CommandRecorder<QWidget> shortLived(&form);
        manager.SetActiveControl(&shortLived);
    }
    EXPECT_EQ(manager.ActiveControl(), nullptr);
    Hot().CheckHotControl();
    EXPECT_FALSE(Hot().IsChecking());
    manager.SetActiveControl(&right); // no command to the destroyed one
    EXPECT_EQ(manager.ActiveControl(), &right);
}

TEST_F(HotTrackingTest, EachManagerTracksItsOwnHotWindow) {
    TsSkinManager second;
    manager.SetActiveControl(&left);
    second.SetActiveControl(&right);
    EXPECT_EQ(manager.ActiveControl(), &left);
    EXPECT_EQ(second.ActiveControl(), &right);
    EXPECT_EQ(right.received.front().second, AsLParam(&second));
}

} // namespace
} // namespace tornivex
