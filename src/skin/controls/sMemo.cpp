#include "sMemo.h"

#include "TacEditWnd.h"

#include "skin/data/LoadedSkin.h"
#include "skin/data/SkinCommand.h"
#include "skin/paint/ElementPaint.h"

#include <QMimeData>
#include <QScrollBar>

namespace tornivex {

// ---- TMemoSkinOwner --------------------------------------------------------------------------

TMemoSkinOwner::TMemoSkinOwner(TsMemo* memo) : TWidgetSkinOwner(memo), memo_(memo) {}

TColor TMemoSkinOwner::Color() const { return ColorOfQColor(memo_->palette().color(QPalette::Base)); }

TColor TMemoSkinOwner::FontColor() const { return ColorOfQColor(memo_->palette().color(QPalette::Text)); }

void TMemoSkinOwner::SetColor(TColor color) {
    if (Color() == ColorToRGB(color)) return;
    QPalette palette = memo_->palette();
    palette.setColor(QPalette::Base, QColorOfColor(color));
    memo_->setPalette(palette);
}

void TMemoSkinOwner::SetFontColor(TColor color) {
    if (FontColor() == ColorToRGB(color)) return;
    QPalette palette = memo_->palette();
    palette.setColor(QPalette::Text, QColorOfColor(color));
    memo_->setPalette(palette);
}

void TMemoSkinOwner::FrameChanged() { memo_->UpdateSubclass(); }

void TMemoSkinOwner::SkinRemoved() {
    // The platform's memo again: its own frame and scroll bars.
    memo_->listSW_.reset();
    memo_->update();
    memo_->viewport()->update();
}

// ---- TsMemo ----------------------------------------------------------------------------------

TsMemo::TsMemo(QWidget* parent)
    : QPlainTextEdit(parent), skinOwner_(this), skinData_(&skinOwner_, true) {
    skinData_.COC = MemoControlCode;  // its section is "EDIT"
    skinOwner_.SetLoading(true);
    // Lines that wrap at the widget fit it, yet the document can report a width a few pixels
    // above the viewport narrowed by our bar; that range let the memo scroll sideways and cut
    // off first letters. A memo wrapping at its own width has nothing to scroll sideways.
    connect(horizontalScrollBar(), &QAbstractSlider::rangeChanged, this, [this](int, int maximum) {
        if (maximum > 0 && lineWrapMode() == QPlainTextEdit::WidgetWidth) horizontalScrollBar()->setRange(0, 0);
    });
}

TsMemo::~TsMemo() {
    skinOwner_.SetDestroying(true);
    listSW_.reset();
}

bool TsMemo::Skinned() const { return skinData_.Skinned(true); }

void TsMemo::Loaded() {
    skinOwner_.SetLoading(false);
    skinData_.Loaded();
    UpdateSubclass();
    ApplySkinColors();
}

void TsMemo::UpdateSubclass() {
    if (Skinned() && !skinData_.Loading) {
        if (!listSW_) listSW_ = std::make_unique<TacEditWnd>(this, &skinData_);
        listSW_->DisabledKind = DisabledKind;
        listSW_->SetSkinParams();
        listSW_->UpdateLayout();
        listSW_->RedrawNonClient();
    } else {
        listSW_.reset();
    }
}

void TsMemo::ApplySkinColors() {
    if (!Skinned()) return;
    const TsGeneralData& section = *skinData_.Section();
    const int state = section.States >= 2 && skinData_.IsHotOrFocused() ? 1 : 0;
    const TsGenState& p = section.Props[static_cast<std::size_t>(paint::PropertySetOf(section, state))];
    if (!skinData_.FCustomColor) skinOwner_.SetColor(p.Color);
    if (!skinData_.FCustomFont) skinOwner_.SetFontColor(p.FontColor.Color);
    if (listSW_) listSW_->SetSkinParams();
}

bool TsMemo::HandleSkinCommand(TSkinCommandEvent& command) {
    switch (command.Command()) {
    case scRenderCache:
        // Asked for the picture (a child wants the background): render it, then the state
        // object marks it current.
        if (listSW_) listSW_->PrepareCache();
        break;
    case scRemoveSkin: {
        // The state object gives the window colours back and frees the subclass object.
        const bool handled = DispatchSkinEvent(skinData_, &command);
        command.SetHandled(handled);
        return true;
    }
    case scRefresh: {
        const bool handled = DispatchSkinEvent(skinData_, &command);
        if (handled) {
            UpdateSubclass();  // a skin that now has "EDIT" (or has it no more)
            ApplySkinColors();
            viewport()->update();
        }
        return true;
    }
    default: break;
    }
    DispatchSkinEvent(skinData_, &command);
    return true;
}

bool TsMemo::event(QEvent* event) {
    if (IsSkinCommand(event)) return HandleSkinCommand(*static_cast<TSkinCommandEvent*>(event));
    DispatchSkinEvent(skinData_, event);  // move, size, focus, enabled, enter and leave
    return QPlainTextEdit::event(event);
}

void TsMemo::paintEvent(QPaintEvent* event) {
    // The colours are checked on every paint and put back when something changed them.
    if (Skinned()) ApplySkinColors();
    QPlainTextEdit::paintEvent(event);
}

void TsMemo::FocusChanged() {
    if (!Skinned()) return;
    // The frame shows the focused look at once, and the colours follow the state.
    skinData_.FBGChanged = true;
    ApplySkinColors();
    if (listSW_) listSW_->RedrawNonClient();
}

void TsMemo::focusInEvent(QFocusEvent* event) {
    QPlainTextEdit::focusInEvent(event);
    FocusChanged();
}

void TsMemo::focusOutEvent(QFocusEvent* event) {
    QPlainTextEdit::focusOutEvent(event);
    FocusChanged();
}

void TsMemo::changeEvent(QEvent* event) {
    if (event->type() == QEvent::EnabledChange) skinData_.FBGChanged = true;
    QPlainTextEdit::changeEvent(event);
}

}  // namespace tornivex

namespace tornivex {

bool TsMemo::canInsertFromMimeData(const QMimeData* source) const {
    // Text proper: Qt would also take a list of addresses for text.
    return !isReadOnly() && source != nullptr && source->hasFormat(QStringLiteral("text/plain")) &&
           !source->text().isEmpty();
}

void TsMemo::insertFromMimeData(const QMimeData* source) {
    if (!canInsertFromMimeData(source)) return;
    QTextCursor cursor = textCursor();
    cursor.insertText(source->text());
    setTextCursor(cursor);
    ensureCursorVisible();
}

}  // namespace tornivex
