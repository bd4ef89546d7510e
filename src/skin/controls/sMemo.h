#pragma once
// The program's memo: a platform multi-line edit whose colours and frame come from the skin's
// "EDIT" section and whose scroll bars are the skin engine's own while a skin is active. Without
// a skin it is the platform's memo with its design colours.

#include "SkinnedWidget.h"
#include "skin/paint/Decorations.h"
#include "skin/paint/sScrollWndData.h"

#include <QPalette>
#include <QPlainTextEdit>

#include <memory>

namespace tornivex {

class TacEditWnd;

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
    // Puts the section's colours on the memo (and takes the design colours back without a skin).
    void ApplySkinColors();

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void HandleSkinCommand(class TSkinCommandEvent& command);
    void ResolveSection();
    // Creates or frees the subclass object to match whether the memo is skinned.
    void UpdateSubclass();
    void FocusChanged(bool focused);

    TWidgetSkinOwner skinOwner_;
    TsScrollWndData skinData_;
    std::unique_ptr<TacEditWnd> listSW_;
    QPalette designPalette_;
    bool designPaletteKept_ = false;
};

}  // namespace tornivex
