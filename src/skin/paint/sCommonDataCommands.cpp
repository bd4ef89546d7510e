// TsCommonData: the skin commands and window messages every skinned owner shares.
#include "sCommonData.h"

#include "ControlKinds.h"
#include "ElementText.h"
#include "ManagerAccess.h"

#include "skin/data/LoadedSkin.h"
#include "skin/data/SkinCommand.h"
#include "skin/data/sSkinManager.h"

#include <QCoreApplication>
#include <QObject>

namespace tornivex {

bool TsCommonData::IsOwnManager(std::intptr_t lparam) const {
    return lparam != 0 && reinterpret_cast<const TsSkinManager*>(lparam) == SkinManager();
}

bool TsCommonData::HandleSkinCommand(TSkinCommandEvent& command) {
    const std::intptr_t lparam = command.LParam();
    switch (command.Command()) {
        case scSetNewSkin:
            if (!IsOwnManager(lparam)) return false;
            StopAnimation();
            ChooseDefaultSection();  // looks a set SkinSection up again as well
            EmptyCache();
            UpdateSkinState(false);
            return true;
        case scRemoveSkin:
            if (!IsOwnManager(lparam)) return false;
            StopAnimation();
            BorderIndex = SkinIndex = Texture = HotTexture = -1;
            FUpdating = true;
            EmptyCache();
            if (owner_) {
                if (paint::IsEditKind(COC) && !owner_->IsProvider()) {
                    if (!FCustomColor) owner_->SetColor(SystemColor(COLOR_WINDOW));
                    if (!FCustomFont) owner_->SetFontColor(SystemColor(COLOR_WINDOWTEXT));
                    owner_->FrameChanged();
                }
                owner_->SkinRemoved();
            }
            return false;  // the owner's own processing continues
        case scRefresh:
            if (!IsOwnManager(lparam)) return false;
            StopAnimation();
            FBGChanged = true;
            FUpdating = false;
            ApplySkinColors(true);
            UpdateSkinState(false);
            if (owner_ && paint::IsEditKind(COC)) owner_->FrameChanged();
            return true;
        case scParentFinished:
            if (FUpdating && owner_ && owner_->HasWindow()) {
                if (!ReevaluateUpdating(true)) owner_->Redraw(true);
            }
            return true;
        case scIsSkinned:
            command.SetResult(1);
            return true;
        case scSetUpdating:
            FUpdating = command.LowWord() == 1;
            return true;
        case scIsNotReady:
            command.SetResult(IsNotReadyAnswer());
            return true;
        case scIsHalfVisible:
            // A form is a window of its own: never partly hidden in a parent.
            command.SetResult(HalfVisible && !(owner_ && owner_->IsProvider()) ? 1 : 0);
            return true;
        case scSetHalfVisible:
            HalfVisible = true;
            return true;
        case scUpdateSection: {
            const auto* name = command.LParamAs<const QString>();
            const TsGeneralData* section = Section();
            if (name && ((!FSkinSection.isEmpty() && FSkinSection == *name) || (section && section->ClassName == *name)))
                Invalidate(false);
            return true;
        }
        case scSetSection: {
            const auto* name = command.LParamAs<const QString>();
            if (!name || name->isEmpty()) return true;
            SetSkinSection(*name);
            command.SetResult(1);
            return true;
        }
        case scStopAnimation:
            StopAnimation();
            return true;
        case scSetBGChanged:
            FBGChanged = true;
            return true;
        case scInvalidate:
            Invalidate(false);
            return true;
        case scCanRepaintIfMoved:
            command.SetResult(1);
            return true;
        case scCheckMoved:
            if (RepaintIfMoved()) FBGChanged = true;
            if (owner_ && owner_->HasWindow() && command.LowWord() == 1) owner_->Redraw(false);
            if (FBGChanged) SendToChildren(scCheckMoved, 0, command.LowWord());
            return true;
        case scGetControlColor:
            command.SetResult(static_cast<std::uint32_t>(ElementFillColor(0)));
            return true;
        case scRenderCache:
            FBGChanged = false;
            return true;
        case scGetSkinIndexInto:
            if (auto* record = command.LParamAs<TacSkinIndexRecord>()) record->SkinIndex = SkinIndex;
            return true;
        case scClearCache:
            SendToChildren(scClearCache);
            EmptyCache();
            FBGChanged = true;
            return true;
        case scGetBackground:
            if (auto* query = command.LParamAs<paint::BackgroundQuery>())
                AnswerBackgroundQuery(*query, FFocused || (FMouseAbove && !paint::IsContainerKind(COC)));
            return true;
        case scUpdateSkinState:
            if (lparam == 1) UpdateSkinState(true);
            else if (CtrlSkinState & ACS_NOTCOMPUTED) UpdateSkinState(false);
            command.SetResult(CtrlSkinState);
            return true;
        case scGetCommonData:
            command.SetResult(reinterpret_cast<std::intptr_t>(this));
            return true;
        case scPrinting:
            if (lparam != 0) CtrlSkinState |= ACS_PRINTING;
            else CtrlSkinState &= static_cast<std::uint16_t>(~ACS_PRINTING);
            PrintDC = reinterpret_cast<TBitmap32*>(lparam);
            return true;
        case scOuterEffects:
            return true;  // outer effects are never allowed by this program's manager settings
        case scScrollSizeChanged:
            if (owner_ && owner_->HasWindow()) {
                owner_->FrameChanged();
                owner_->Redraw(false);
            }
            return true;
        case scGetApplication:
            command.SetResult(reinterpret_cast<std::intptr_t>(QCoreApplication::instance()));
            return true;
        case scGetFontSection: {
            const TsGeneralData* section = Section();
            if (!section) return true;
            if (section->Props[0].Transparency > 50) {
                if (owner_ && owner_->ParentObject())
                    command.SetResult(SendSkinCommand(owner_->ParentObject(), scGetFontSection, lparam));
            } else if (section->GiveOwnFont) {
                if (auto* answer = command.LParamAs<paint::TacFontSectionAnswer>()) answer->SkinIndex = SkinIndex;
                command.SetResult(1);
            }
            return true;
        }
        case scGetBounds:
            if (auto* rect = command.LParamAs<TRect>()) *rect = owner_ ? owner_->Bounds() : TRect{};
            return true;
        default:
            return false;
    }
}

std::intptr_t TsCommonData::IsNotReadyAnswer() {
    if (FUpdating) return 1;
    if (!ChildrenMayUseCache() || FCustomColor) return 0;
    if (!owner_ || !owner_->HasWindow()) return 0;
    if (FCacheBmp && !FCacheBmp->Empty()) {
        const TRect bounds = owner_->Bounds();
        return FCacheBmp->Width() != bounds.Width() || FCacheBmp->Height() != bounds.Height() ? 1 : 0;
    }
    SendSkinCommand(owner_->Object(), scRenderCache);
    return !FCacheBmp || FCacheBmp->Empty() ? 1 : 0;
}

bool TsCommonData::WndProc(const TacMessage& message) {
    const TsGeneralData* section = Skinned() ? Section() : nullptr;
    const bool container = paint::IsContainerKind(COC);
    const bool editKind = paint::IsEditKind(COC);
    const TsSkinManager* manager = SkinManager();
    const bool hoverAllowed = manager && !manager->Options.NoMouseHover;
    switch (message.Msg) {
        case TacWindowMessage::Move:
            if (section && RepaintIfMoved()) {
                FBGChanged = true;
                if (owner_) SendSkinCommand(owner_->Object(), scCheckMoved, 0, 1);
            }
            return false;
        case TacWindowMessage::Size:
            if (section) {
                FBGChanged = true;
                if (section->Props[0].GradientPercent > 0) SendToChildren(scCheckMoved, 0, 1);
            }
            return false;
        case TacWindowMessage::SetFocus:
        case TacWindowMessage::KillFocus:
            if (!section || BothStatesFullyTransparent()) return false;
            FBGChanged = true;
            FFocused = message.Msg == TacWindowMessage::SetFocus;
            if (editKind && section->States >= 2 && owner_) owner_->Redraw(false);
            return false;
        case TacWindowMessage::EnabledChanged:
            FMouseAbove = false;
            FFocused = false;
            return false;
        case TacWindowMessage::MouseEnter:
            if (!section || FMouseAbove || !hoverAllowed || BothStatesFullyTransparent()) return false;
            if (!container) FMouseAbove = true;
            if (editKind && section->States >= 2 && owner_) Invalidate(false);
            return false;
        case TacWindowMessage::MouseLeave:
            // Qt reports a leave only when the cursor has left the control and its children.
            if (!section || !hoverAllowed) return false;
            if (!container) FMouseAbove = false;
            if (editKind && section->States >= 2 && owner_) Invalidate(false);
            return false;
        case TacWindowMessage::VisibilityChanged:
            if (!message.Flag && manager && manager->Options.OptimizingPriority == opMemory) {
                SendToChildren(scClearCache);
                EmptyCache();
                FBGChanged = true;
            }
            return false;
        case TacWindowMessage::ShowingChanged:
            if (message.Flag) Loaded();
            return false;
        case TacWindowMessage::UIStateUpdate:
            return section != nullptr;
    }
    return false;
}

}  // namespace tornivex
