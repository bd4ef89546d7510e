#pragma once
// A control without widgets for tests of the skin state object: it answers skin command 9 with
// a section, renders its cache on command 23 as one flat colour per look (counting the renders)
// and records every fade frame put on the screen. A FakeParent answers its children's questions.

#include "skin/data/SkinCommand.h"
#include "skin/paint/Background.h"
#include "skin/paint/BitmapPrimitives.h"
#include "skin/paint/SkinOwner.h"
#include "skin/paint/sCommonData.h"

#include <QObject>

#include <functional>
#include <vector>

namespace tornivex::paint::test {

class FakeParent : public QObject {
public:
    int NotReady = 0;                 // answer to command 10
    std::function<void(BackgroundQuery&)> Answer;  // command 34; unset = no answer
    TColor ControlColor = 0;          // answer to command 21 (0 = none)
    int Asked34 = 0;

protected:
    bool event(QEvent* e) override {
        if (!IsSkinCommand(e)) return QObject::event(e);
        auto& c = static_cast<TSkinCommandEvent&>(*e);
        if (c.Command() == scIsNotReady) c.SetResult(NotReady);
        if (c.Command() == scGetControlColor) c.SetResult(ControlColor);
        if (c.Command() == scCanRepaintIfMoved) c.SetResult(1);
        if (c.Command() == scGetBackground && Answer) {
            ++Asked34;
            Answer(*c.LParamAs<BackgroundQuery>());
        }
        return true;
    }
};

class FakeSkinOwner : public QObject, public ISkinOwner {
public:
    explicit FakeSkinOwner(QObject* parent = nullptr) : parent_(parent) {}

    TsCtrlSkinData* Data = nullptr;
    int Section = -1;             // answer to command 9 is Section + 1
    TRect Where{10, 20, 40, 30};  // bounds in the parent
    bool Enabled = true, Focus = false, Window = true;
    // The look the next render paints: one grey level per state.
    std::function<TPixel32()> Look = [] { return 0xFF000000u; };
    int Renders = 0, Redraws = 0;
    std::vector<TBitmap32> Frames;

    QObject* Object() const override { return const_cast<FakeSkinOwner*>(this); }
    QObject* ParentObject() const override { return parent_; }
    std::vector<QObject*> ChildControls(QObject*) const override { return {}; }
    TRect Bounds() const override { return Where; }
    TRect ParentClientRect() const override { return TRect{0, 0, 500, 500}; }
    bool IsEnabled() const override { return Enabled; }
    bool IsVisible() const override { return true; }
    bool HasInputFocus() const override { return Focus; }
    bool HasWindow() const override { return Window; }
    bool IsDestroying() const override { return false; }
    bool IsLoading() const override { return false; }
    TColor Color() const override { return MakeColor(1, 2, 3); }
    TColor FontColor() const override { return clBlack; }
    void Redraw(bool) override { ++Redraws; }
    void ShowFrame(const TBitmap32& frame) override {
        Frames.push_back(frame);
        if (OnShowFrame) OnShowFrame();
    }
    std::function<void()> OnShowFrame;  // what the screen does when a frame arrives

protected:
    bool event(QEvent* e) override {
        if (!IsSkinCommand(e)) return QObject::event(e);
        auto& c = static_cast<TSkinCommandEvent&>(*e);
        if (c.Command() == scGetSkinIndex) {
            c.SetResult(Section + 1);
            return true;
        }
        if (c.Command() == scRenderCache && Data) {
            ++Renders;
            Data->PrepareCacheBitmap();
            Data->FCacheBmp->Fill(Look());
            Data->FBGChanged = false;
            return true;
        }
        if (Data) Data->HandleSkinCommand(c);
        return true;
    }

private:
    QObject* parent_;
};

}  // namespace tornivex::paint::test
