#pragma once
// TsSkinProvider: the skin object of one form. While a skin is active the form is a frameless
// window whose whole picture (frame, title strip, caption, close button, client background) the
// provider paints from its cache image; it answers hit-testing and mouse work on the frame, cuts
// the window outline to the skin's border image, follows activation, recolours plain labels and
// answers the background queries of the controls on the form. Without a skin the form has the
// desktop's own dialog frame and the provider passes everything through.
#include <QMenu>
#include <QObject>
#include <QPointer>
#include <QShortcut>
#include <QString>
#include <QWidget>

#include <cstdint>
#include <functional>
#include <memory>
#include <stdexcept>
#include <vector>

#include "SkinnedWidget.h"
#include "common/color/Color.h"
#include "skin/paint/FormFrame.h"
#include "skin/paint/sCommonData.h"

class QPainter;

namespace tornivex {

class TacCtrlAdapter;
class TacSBAnimation;
class TSkinCommandEvent;
class TsSkinManager;
namespace platform {
class TLabel;
}

// Construction refused: the message says why.
class EAbort : public std::runtime_error {
public:
    explicit EAbort(const QString& message);
};

// The bit of a control's or form's Tag that keeps it out of every automatic skinning.
inline constexpr int acNoSkinTag = 0x100;
int TagOf(const QObject* object);
void SetTag(QObject* object, int tag);

// One recoloured plain label and what it had before.
struct TSavedLabelColor {
    QPointer<platform::TLabel> Control;
    TColor FontColor = 0;
    TColor Background = 0;
    bool ParentFont = false;
};

// The form as the owner of the provider's skin state: the whole window is its picture.
class TProviderSkinOwner : public TWidgetSkinOwner {
public:
    explicit TProviderSkinOwner(QWidget* form) : TWidgetSkinOwner(form) {}
    bool IsProvider() const override { return true; }
    TRect Bounds() const override;
    TRect ParentClientRect() const override { return {}; }
    bool HasWindow() const override { return true; }
    void Redraw(bool now) override;
    void ShowFrame(const TBitmap32&) override {}
};

class TsSkinProvider : public QObject {
    Q_OBJECT
public:
    // Attaches to `owner`, which must be a form (a top-level widget); otherwise throws EAbort with
    // "TsSkinProvider component may be used with forms only!".
    explicit TsSkinProvider(QObject* owner);
    // A provider made at run time for an existing form.
    static TsSkinProvider* CreateRT(QWidget* form, bool initRT);
    ~TsSkinProvider() override;

    // The provider of a form (skin command 4), or null.
    static TsSkinProvider* Of(QObject* form);

    // --- Published properties.
    TsCommonData& SkinData() { return *skinData_; }
    const TsCommonData& SkinData() const { return *skinData_; }
    bool DrawNonClientArea = true;
    bool DrawClientArea = true;
    bool AllowAnimation = true;
    bool AllowExtBorders = true;
    bool AllowBlendOnMoving = true;
    bool AllowSkin3rdParty = true;
    bool ShowAppIcon = true;
    bool UseGlobalColor = true;
    bool MakeSkinMenu = false;
    int CaptionAlignment = 0;  // taLeftJustify
    QString TitleSkin;         // empty = "FORMTITLE"
    bool RTInit = false;

    // --- Run-time state.
    QWidget* Form() const { return form_; }
    QWidget* Client() const { return client_; }
    int FormActive() const { return formActive_; }
    int FTitleSkinIndex = -1;
    int FCaptionSkinIndex = -1;
    int FHeaderIndex = -1;
    unsigned CurrentHT = 0;
    const paint::TsCaptionButton& ButtonClose() const { return layout_.ButtonClose; }
    const paint::TFormTitleLayout& Layout() const { return layout_; }
    const std::vector<TRect>& ArOR() const { return arOR_; }
    // What the window shows on a screen of ratio other than 1 (empty at ratio 1, where the cache
    // image is shown as it is).
    const TBitmap32& DevicePicture() const { return deviceBmp_; }
    std::vector<TSavedLabelColor> SavedLabelColors;
    TacCtrlAdapter* Adapter() const { return adapter_.get(); }
    // The close button's running hover or press animation, if any.
    TacSBAnimation* CloseAnimation() const { return closeAnimation_.get(); }

    // True while a skin is applied to the form.
    bool Skinned() const;
    // A skin with the form's section is there to apply (also while it is being announced).
    bool SkinAvailable() const;

    // --- Geometry (window coordinates).
    int CaptionHeight() const;
    int BorderWidth() const;
    int HeaderHeight() const;
    int CaptionWidth() const;
    int OffsetX() const;
    int OffsetY() const;
    TColor FormColor() const;
    paint::TFormFrameInput FrameInput() const;
    void CalcItems();
    unsigned HitTest(QPoint windowPoint) const;

    // --- Painting.
    void PaintAll();
    // The cache brought up to date when stale (skin command 23).
    void RenderCacheIfStale();

    // --- Labels (recolour / restore one plain label) and children.
    void InitLabel(QWidget* control, bool skinned);
    void LoadInit();

    // Shows the system menu at a screen point; nothing unless the form is the active window.
    void DropSysMenu(QPoint globalPos);
    // The menu last shown by DropSysMenu (kept for tests), or null.
    QMenu* SystemMenu() const { return systemMenu_; }
    // Entries of the program's own for the system menu, added above Close each time it opens.
    std::function<void(QMenu&)> OnSystemMenu;

    // The close button pressed through assistive technology: the form closes.
    void PressCloseButton();

    // Title-button animation steps call back here.
    void RepaintCloseButton();
    void AnimationFinished(TacSBAnimation* animation);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Skin commands (on the form and, for the background questions, on its client).
    bool HandleSkinCommand(TSkinCommandEvent& command, bool fromClient);
    void AnswerBackgroundQuery(TSkinCommandEvent& command, bool fromClient);
    void ApplyNewSkin();
    void RemoveSkin();
    void Refresh();
    void ResolveIndexes();

    // The frame on the window.
    void ApplyFrame(bool skinned);
    void SetFrameless(bool frameless);
    void KeepFixedSize();
    void UpdateRegion();
    void PaintForm(QEvent* event);
    void ClearCutCorners(QPainter& painter, const QRect& part) const;

    // Mouse on the frame.
    bool FormMouseEvent(QEvent* event);
    void SetCloseState(int state);
    void MoveWindowBy(QPoint globalPos);
    void ClearPressAndHot();
    // The move chosen from the system menu: the window follows the cursor (or the arrow keys)
    // with mouse and keyboard grabbed until a click or Enter drops it, or Escape puts it back.
    // On Wayland the next press hands the move to the compositor instead.
    void StartMenuMove();
    void EndMenuMove(bool keepPosition);
    bool MenuMoveEvent(QEvent* event);
    void SetFormActive(bool active);

    QWidget* form_ = nullptr;
    QPointer<QWidget> client_;
    QSize clientSize_;
    std::unique_ptr<TProviderSkinOwner> skinOwner_;
    std::unique_ptr<TsCommonData> skinData_;
    std::unique_ptr<TacCtrlAdapter> adapter_;
    std::unique_ptr<TacSBAnimation> closeAnimation_;
    paint::TFormTitleLayout layout_;
    TBitmap32 tempBmp_;
    // On a scaled screen: the window picture in device pixels (FCacheBmp stays logical, as the
    // children's background comes from it), and the ratio it was made for.
    TBitmap32 deviceBmp_;
    double deviceRatio_ = 1.0;
    double sizedAtRatio_ = 0;  // the ratio at the form's last resize (0 before the first)
    std::vector<TRect> arOR_;
    bool rgnChanged_ = true;
    int formActive_ = 1;
    bool frameApplied_ = false;
    bool destroying_ = false;
    bool closePressed_ = false;
    bool captionPressed_ = false;
    bool manualMove_ = false;
    bool menuMove_ = false;
    bool systemMenuMove_ = false;  // the menu move waits for a press to hand to the compositor
    bool swallowRelease_ = false;  // the release of the click that dropped a menu move
    QPoint menuMoveStart_;
    QPoint pressGlobal_;
    QPoint pressWindowPos_;
    QPointer<QMenu> systemMenu_;
    QPointer<QShortcut> sysMenuShortcut_;
    QPointer<QShortcut> closeShortcut_;
    Qt::WindowFlags desktopFlags_;
};

}  // namespace tornivex
