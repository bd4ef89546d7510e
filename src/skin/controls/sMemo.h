#pragma once
// The program's memo: a platform multi-line edit whose colours and frame come from the skin's
// "EDIT" section and whose scroll bars are the skin engine's own while a skin is active. Without
// a skin it is the platform's memo with its design colours.

#include "SkinnedWidget.h"
#include "skin/paint/Decorations.h"
#include "skin/paint/sScrollWndData.h"

#include <QPlainTextEdit>

#include <memory>

namespace tornivex {

class TacEditWnd;
class TsMemo;

// The memo as its skin state's owner: its colours are the text area's, and frame changes go to
// its scroll-bar layer.
class TMemoSkinOwner : public TWidgetSkinOwner {
public:
    explicit TMemoSkinOwner(TsMemo* memo);
    TColor Color() const override;
    TColor FontColor() const override;
    void SetColor(TColor color) override;
    void SetFontColor(TColor color) override;
    void FrameChanged() override;
    void SkinRemoved() override;

private:
    TsMemo* memo_;
};

class TsMemo : public QPlainTextEdit {
    Q_OBJECT
public:
    // Control code of memos in skin commands.
    static constexpr int MemoControlCode = 7;

    explicit TsMemo(QWidget* parent = nullptr);
    ~TsMemo() override;

    TsScrollWndData* SkinData() { return &skinData_; }
    const TsScrollWndData* SkinData() const { return &skinData_; }
    paint::TsDisabledKind DisabledKind = paint::dkBlended;
    // The subclass object that paints frame and bars; exists while the memo is skinned.
    TacEditWnd* ListSW() const { return listSW_.get(); }

    // Ends loading: the design properties are set; takes the skin when one is active.
    void Loaded();
    bool Skinned() const;
    // Puts the section's colours for the memo's state on it: the hot set while focused (or
    // hovered) when the section has two or more states, else the normal set.
    void ApplySkinColors();

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void changeEvent(QEvent* event) override;
    // Every paste (keys, context menu, middle click, drop) ends here: plain text only, and empty
    // or absent data does nothing. Qt's own insertion crashes on some clipboards with no owner.
    bool canInsertFromMimeData(const QMimeData* source) const override;
    void insertFromMimeData(const QMimeData* source) override;

private:
    friend class TMemoSkinOwner;
    bool HandleSkinCommand(class TSkinCommandEvent& command);
    // Creates or frees the subclass object to match whether the memo is skinned, and lays the
    // frame out again.
    void UpdateSubclass();
    void FocusChanged();

    TMemoSkinOwner skinOwner_;
    TsScrollWndData skinData_;
    std::unique_ptr<TacEditWnd> listSW_;
};

}  // namespace tornivex
