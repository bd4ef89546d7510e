#include "sMemo.h"

#include "TacEditWnd.h"

#include "skin/data/LoadedSkin.h"
#include "skin/data/SkinCommand.h"
#include "skin/data/sSkinManager.h"
#include "skin/paint/ElementPaint.h"
#include "skin/paint/ManagerAccess.h"

namespace tornivex {
namespace {

QColor ToQColor(TColor color) {
    color = ColorToRGB(color);
    return QColor(ColorR(color), ColorG(color), ColorB(color));
}

}  // namespace

TsMemo::TsMemo(QWidget* parent) : QPlainTextEdit(parent), skinOwner_(this), skinData_(&skinOwner_) {
    skinData_.COC = MemoControlCode;
    skinData_.FSkinSection = QStringLiteral("EDIT");
    skinData_.FCacheBmp = std::make_unique<TBitmap32>();
}

TsMemo::~TsMemo() { listSW_.reset(); }

bool TsMemo::Skinned() const { return skinData_.Skinned(true); }

void TsMemo::Loaded() {
    skinData_.Loading = false;
    designPalette_ = palette();
    designPaletteKept_ = true;
    ResolveSection();
    UpdateSubclass();
    ApplySkinColors();
}

void TsMemo::ResolveSection() {
    skinData_.FBGChanged = true;
    const TLoadedSkin* skin = paint::LoadedSkinOf(skinData_.SkinManager());
    skinData_.SkinIndex = skin ? skin->GetSkinIndex(skinData_.FSkinSection) : -1;
    if (skin && skin->IsValidSkinIndex(skinData_.SkinIndex)) {
        skinData_.BorderIndex = skin->gd[static_cast<std::size_t>(skinData_.SkinIndex)].BorderIndex;
        skinData_.Texture = skin->GetTextureIndex(skinData_.SkinIndex, QStringLiteral("PATTERN"));
        skinData_.HotTexture = skin->GetTextureIndex(skinData_.SkinIndex, QStringLiteral("HOTPATTERN"));
    } else {
        skinData_.BorderIndex = skinData_.Texture = skinData_.HotTexture = -1;
    }
}

void TsMemo::UpdateSubclass() {
    if (Skinned() && !skinData_.Loading) {
        if (!listSW_) listSW_ = std::make_unique<TacEditWnd>(this, &skinData_);
        listSW_->DisabledKind = DisabledKind;
    } else {
        listSW_.reset();
    }
}

void TsMemo::ApplySkinColors() {
    QPalette colors = designPaletteKept_ ? designPalette_ : palette();
    const TLoadedSkin* skin = paint::LoadedSkinOf(skinData_.SkinManager());
    if (Skinned() && skin) {
        const TsGeneralData& section = skin->gd[static_cast<std::size_t>(skinData_.SkinIndex)];
        // Sections with two or more states show the hot colours while the memo has the focus.
        const int state = section.States >= 2 && (skinData_.FFocused || hasFocus()) ? 1 : 0;
        const TsGenState& p = section.Props[static_cast<std::size_t>(paint::PropertySetOf(section, state))];
        if (!skinData_.FCustomColor) colors.setColor(QPalette::Base, ToQColor(p.Color));
        if (!skinData_.FCustomFont) colors.setColor(QPalette::Text, ToQColor(p.FontColor.Color));
        if (listSW_) listSW_->SetSkinParams();
    }
    if (colors.color(QPalette::Base) != palette().color(QPalette::Base) ||
        colors.color(QPalette::Text) != palette().color(QPalette::Text))
        setPalette(colors);
}

bool TsMemo::event(QEvent* event) {
    if (IsSkinCommand(event)) {
        HandleSkinCommand(*static_cast<TSkinCommandEvent*>(event));
        return true;
    }
    return QPlainTextEdit::event(event);
}

void TsMemo::HandleSkinCommand(TSkinCommandEvent& command) {
    const bool ownManager =
        reinterpret_cast<const TsSkinManager*>(command.LParam()) == skinData_.SkinManager();
    switch (command.Command()) {
    case scIsSkinned: command.SetResult(1); break;
    case scGetCommonData: command.SetResult(reinterpret_cast<std::intptr_t>(&skinData_)); break;
    case scSetNewSkin:
        if (!ownManager) return;
        ResolveSection();
        skinData_.FCacheBmp->SetSize(0, 0);
        break;
    case scRemoveSkin:
        if (!ownManager) return;
        skinData_.SkinIndex = skinData_.BorderIndex = skinData_.Texture = skinData_.HotTexture = -1;
        skinData_.FCacheBmp->SetSize(0, 0);
        listSW_.reset();
        ApplySkinColors();
        update();
        viewport()->update();
        break;
    case scRefresh:
        if (!ownManager) return;
        if (skinData_.SkinIndex < 0) ResolveSection();
        skinData_.FBGChanged = true;
        skinData_.FUpdating = false;
        UpdateSubclass();
        ApplySkinColors();
        if (listSW_) {
            listSW_->UpdateLayout();
            listSW_->RedrawNonClient();
        }
        viewport()->update();
        break;
    case scSetBGChanged: skinData_.FBGChanged = true; break;
    case scInvalidate:
        skinData_.FBGChanged = true;
        if (listSW_) listSW_->RedrawNonClient();
        break;
    case scClearCache:
        skinData_.FCacheBmp->SetSize(0, 0);
        skinData_.FBGChanged = true;
        break;
    case scGetControlColor:
        command.SetResult(listSW_ ? listSW_->Color : ColorToRGB(SystemColor(COLOR_WINDOW)));
        break;
    default: return;
    }
    command.SetHandled();
}

void TsMemo::paintEvent(QPaintEvent* event) {
    // The colours are checked on every paint and put back when something changed them.
    if (Skinned()) ApplySkinColors();
    QPlainTextEdit::paintEvent(event);
}

void TsMemo::FocusChanged(bool focused) {
    skinData_.FFocused = focused;
    if (!Skinned()) return;
    skinData_.FBGChanged = true;
    ApplySkinColors();
    if (listSW_) listSW_->RedrawNonClient();
}

void TsMemo::focusInEvent(QFocusEvent* event) {
    QPlainTextEdit::focusInEvent(event);
    FocusChanged(true);
}

void TsMemo::focusOutEvent(QFocusEvent* event) {
    QPlainTextEdit::focusOutEvent(event);
    FocusChanged(false);
}

void TsMemo::changeEvent(QEvent* event) {
    if (event->type() == QEvent::EnabledChange) {
        skinData_.FMouseAbove = false;
        skinData_.FFocused = false;
        skinData_.FBGChanged = true;
    }
    QPlainTextEdit::changeEvent(event);
}

}  // namespace tornivex
