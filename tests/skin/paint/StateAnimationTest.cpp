// State fades driven tick by tick: the blend weight of every step, how many steps each change
// takes, how interrupted fades continue and that each change renders the cache exactly once.
#include "FakeSkinOwner.h"
#include "TestSkinPackage.h"

#include "skin/paint/StateAnimation.h"

#include <gtest/gtest.h>

namespace tornivex::paint {
namespace {

constexpr TPixel32 Normal = 0xFF000000u, Hot = 0xFFFFFFFFu, Pressed = 0xFF00FF00u;

class StateAnimationTest : public ::testing::Test {
protected:
    void SetUp() override {
        QImage master(8, 8, QImage::Format_RGB32);
        master.fill(Qt::gray);
        manager = test::LoadTestSkin("[GLOBALINFO]\nVERSION=8.00\nMASTERBITMAP=MASTER.BMP\n"
                                     "[BUTTON]\nSTATES=3\nCOLOR=255\nHOTCOLOR=65280\n",
                                     master);
        owner.Section = manager->GetSkinIndex(QStringLiteral("BUTTON"));
        ASSERT_GE(owner.Section, 0);
        owner.Data = &data;
        owner.Look = [this] { return look; };
        data.FSkinManager = manager.get();
        data.COC = 93;
        data.Loaded();
        ASSERT_TRUE(data.Skinned());
        SendSkinCommand(&owner, scRenderCache);  // the normal look is on the screen
        owner.Renders = 0;
    }

    void ChangeTo(int state, TPixel32 newLook, bool fast, bool glow = false) {
        look = newLook;
        data.FBGChanged = false;
        AnimateStateChange(data, state, FadeStep, glow, fast, true);
    }
    TacThreadedTimer& Timer() { return *data.AnimTimer; }
    // Ticks until the timer stops by itself; answers the number of ticks.
    int RunOut() {
        int ticks = 0;
        while (data.AnimTimer && Timer().Enabled() && ticks < 100) {
            Timer().Tick();
            ++ticks;
        }
        return ticks;
    }
    // The weights (transparency of the new look) of the recorded frames, from their first pixel.
    std::vector<int> Weights(TPixel32 from, TPixel32 to, std::size_t first = 0) const {
        std::vector<int> weights;
        for (std::size_t i = first; i < owner.Frames.size(); ++i) {
            int found = -1;
            for (int t = 0; t < 256 && found < 0; ++t) {
                TBitmap32 out(1, 1, from), src(1, 1, to);
                BlendBitmapOver(out, src, t, TPoint{});
                if (out.Pixel(0, 0) == owner.Frames[i].Pixel(0, 0)) found = t;
            }
            weights.push_back(found);
        }
        return weights;
    }

    std::unique_ptr<TsSkinManager> manager;
    test::FakeParent parent;
    test::FakeSkinOwner owner{&parent};
    TsCtrlSkinData data{&owner, true};
    TPixel32 look = Normal;
};

TEST_F(StateAnimationTest, EnteringFadesInTenStepsOfTwentyFiveAndAHalf) {
    ChangeTo(1, Hot, false, true);
    EXPECT_EQ(1u, owner.Frames.size()) << "the first step is immediate";
    EXPECT_EQ(11, RunOut());
    // Glow 25.5, 51, ..., 255 rounded halves to even; the weight is 255 - glow; the step at the
    // last iteration repeats the arrived look.
    EXPECT_EQ((std::vector<int>{229, 204, 179, 153, 127, 102, 77, 51, 25, 0, 0}), Weights(Normal, Hot));
    EXPECT_EQ(Hot, owner.Frames.back().Pixel(0, 0));
    EXPECT_EQ(1, Timer().FState) << "the bitmaps stay for the next fade";
    EXPECT_NE(nullptr, Timer().BmpOut);
    EXPECT_EQ(1, owner.Renders);
}

TEST_F(StateAnimationTest, LeavingTakesTwiceAsManyStepsAndEndsOnTheNormalLookWithBitmapsFreed) {
    ChangeTo(1, Hot, false, true);
    RunOut();
    owner.Frames.clear();
    ChangeTo(0, Normal, false);
    EXPECT_EQ(20, RunOut());
    EXPECT_EQ((std::vector<int>{242, 230, 217, 204, 191, 178, 166, 153, 140, 128, 115, 102, 89, 76, 64, 51,
                                38, 26, 13, 0, 0}),
              Weights(Hot, Normal));
    EXPECT_EQ(Normal, owner.Frames.back().Pixel(0, 0));
    EXPECT_EQ(-1, Timer().FState);
    EXPECT_EQ(nullptr, Timer().BmpOut);
    EXPECT_EQ(nullptr, Timer().BmpFrom);
    EXPECT_EQ(2, owner.Renders) << "one render per state change";
}

TEST_F(StateAnimationTest, PressingIsFastAndReleasingAfterAFinishedPressTakesTenSteps) {
    ChangeTo(1, Hot, false, true);
    RunOut();
    owner.Frames.clear();
    ChangeTo(2, Pressed, true);
    EXPECT_EQ(6, RunOut());
    EXPECT_EQ((std::vector<int>{204, 153, 102, 51, 0, 0}), Weights(Hot, Pressed));
    owner.Frames.clear();
    ChangeTo(1, Hot, true, true);
    EXPECT_EQ(11, RunOut());
    EXPECT_EQ((std::vector<int>{229, 204, 179, 153, 127, 102, 77, 51, 25, 0, 0}), Weights(Pressed, Hot))
        << "the fade back starts from the pressed frame on the screen";
    EXPECT_EQ(3, owner.Renders);
}

TEST_F(StateAnimationTest, ASecondEnterDuringTheFadeChangesNothing) {
    ChangeTo(1, Hot, false, true);
    Timer().Tick();
    Timer().Tick();
    const int iteration = Timer().Iteration;
    const double glow = Timer().Glow;
    ChangeTo(1, Hot, false, true);
    EXPECT_EQ(iteration, Timer().Iteration);
    EXPECT_EQ(glow, Timer().Glow);
    EXPECT_EQ(3u, owner.Frames.size());
    EXPECT_EQ(1, owner.Renders);
}

TEST_F(StateAnimationTest, LeavingDuringTheFadeToHotContinuesFromTheReachedPositionAndEndsAtZero) {
    ChangeTo(1, Hot, false, true);
    for (int i = 0; i < 4; ++i) Timer().Tick();
    EXPECT_DOUBLE_EQ(127.5, Timer().Glow);
    owner.Frames.clear();
    ChangeTo(0, Normal, false);
    EXPECT_EQ(20, Timer().Iterations);
    EXPECT_EQ(10, Timer().Iteration) << "round(127.5 * 20 / 255)";
    RunOut();
    const std::vector<int> weights = Weights(Hot, Normal);
    ASSERT_FALSE(weights.empty());
    EXPECT_EQ(121, weights.front()) << "127.5 - 127.5 / 20, rounded";
    for (std::size_t i = 1; i < weights.size(); ++i) EXPECT_LE(weights[i], weights[i - 1]);
    EXPECT_EQ(0, weights.back());
    EXPECT_EQ(-1, Timer().FState);
    EXPECT_EQ(nullptr, Timer().BmpTo);
}

TEST_F(StateAnimationTest, AFadeStoppedWhileItsFrameIsShownEndsQuietly) {
    // A fade towards hot from a glow of 204 takes 2 steps but starts at iteration 8: its first
    // step is already the last and has not arrived, so it puts the whole new look up.
    data.AnimTimer = std::make_unique<TacThreadedTimer>();
    Timer().Glow = 204;
    ChangeTo(1, Hot, false, true);
    EXPECT_EQ(Hot, owner.Frames.back().Pixel(0, 0)) << "the interrupted fade ends on the new look";
    owner.Frames.clear();
    // The same while the paint that shows the frame stops the fade (it found another state).
    data.StopAnimation();
    Timer().Glow = 204;
    look = Normal;
    SendSkinCommand(&owner, scRenderCache);
    owner.OnShowFrame = [this] { data.StopAnimation(); };
    ChangeTo(1, Hot, false, true);
    EXPECT_EQ(1u, owner.Frames.size());
    EXPECT_EQ(-1, Timer().FState);
    EXPECT_FALSE(Timer().Enabled());
}

TEST_F(StateAnimationTest, WithoutAnimationTheChangeIsPaintedByInvalidation) {
    TacSkinEffects effects = manager->Effects();
    effects.AllowAnimation = false;
    manager->SetEffects(effects);
    ChangeTo(1, Hot, false);
    EXPECT_EQ(nullptr, data.AnimTimer);
    EXPECT_TRUE(data.FBGChanged);
    EXPECT_EQ(1, owner.Redraws);
    EXPECT_TRUE(owner.Frames.empty());
}

TEST_F(StateAnimationTest, AControlWhoseCacheIsStaleIsInvalidatedNotAnimated) {
    look = Hot;
    data.FBGChanged = true;
    AnimateStateChange(data, 1, FadeStep, true, false, true);
    EXPECT_EQ(nullptr, data.AnimTimer);
    EXPECT_EQ(1, owner.Redraws);
    data.FCacheBmp->SetSize(0, 0);  // never rendered
    data.FBGChanged = false;
    AnimateStateChange(data, 1, FadeStep, true, false, true);
    EXPECT_EQ(nullptr, data.AnimTimer);
}

TEST_F(StateAnimationTest, StopAnimationReturnsToIdleFromAnywhere) {
    ChangeTo(1, Hot, false, true);
    Timer().Tick();
    data.StopAnimation();
    EXPECT_FALSE(Timer().Enabled());
    EXPECT_EQ(-1, Timer().FState);
    EXPECT_EQ(nullptr, Timer().BmpOut);
    const std::size_t frames = owner.Frames.size();
    Timer().Tick();
    EXPECT_EQ(frames, owner.Frames.size());
}

TEST(AnimatedEvents, ControlEventsFirstThenTheManagersButtonEvents) {
    TsSkinManager manager;
    EXPECT_TRUE(IsAnimatedEvent(aeMouseEnter, aeMouseEnter, &manager));
    EXPECT_FALSE(IsAnimatedEvent(aeMouseLeave, aeMouseEnter, &manager));
    EXPECT_TRUE(IsAnimatedEvent(aeMouseDown, aeGlobalDef, &manager));
    manager.AnimEffects.Buttons.Events = beMouseEnter | beMouseUp;
    EXPECT_TRUE(IsAnimatedEvent(aeMouseUp, aeGlobalDef, &manager));
    EXPECT_FALSE(IsAnimatedEvent(aeMouseDown, aeGlobalDef, &manager));
    EXPECT_TRUE(IsAnimatedEvent(aeMouseDown, aeGlobalDef | aeMouseDown, &manager));
}

}  // namespace
}  // namespace tornivex::paint
