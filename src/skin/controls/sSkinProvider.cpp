#include "sSkinProvider.h"

#include <QApplication>
#include <QGuiApplication>
#include <QSessionManager>
#include <QCursor>
#include <QShortcut>
#include <QVariant>

#include <stdexcept>

#include "PlatformMetrics.h"
#include "FormAccessible.h"
#include "TLabel.h"
#include "acCtrlAdapter.h"
#include "acSBAnimation.h"
#include "skin/data/LoadedSkin.h"
#include "skin/data/SkinCommand.h"
#include "skin/data/SkinEngine.h"
#include "skin/data/SkinPalette.h"
#include "skin/data/sSkinManager.h"
#include "skin/paint/Background.h"
#include "skin/paint/BitmapPrimitives.h"
#include "skin/paint/ManagerAccess.h"
#include "skin/paint/RectOps.h"

namespace tornivex {
namespace {

constexpr int FormControlCode = 224;
const char* const TagProperty = "Tag";
const char* const ProviderProperty = "tornivexSkinProvider";

}  // namespace

EAbort::EAbort(const QString& message) : std::runtime_error(message.toStdString()) {}

int TagOf(const QObject* object) { return object ? object->property(TagProperty).toInt() : 0; }
void SetTag(QObject* object, int tag) {
    if (object) object->setProperty(TagProperty, tag);
}

TsSkinProvider::TsSkinProvider(QObject* owner) : QObject(owner) {
    auto* form = qobject_cast<QWidget*>(owner);
    if (!form || !form->isWindow())
        throw EAbort(QStringLiteral("TsSkinProvider component may be used with forms only!"));
    InstallFormAccessibility();
    form_ = form;
    client_ = form->findChild<QWidget*>(QStringLiteral("Client"), Qt::FindDirectChildrenOnly);
    clientSize_ = client_ ? client_->size() : form->size();
    desktopFlags_ = form->windowFlags();
    skinOwner_ = std::make_unique<TProviderSkinOwner>(form);
    skinData_ = std::make_unique<TsCommonData>(skinOwner_.get());
    skinData_->COC = FormControlCode;
    skinData_->FSkinSection = QStringLiteral("FORM");
    form->setProperty(ProviderProperty, QVariant::fromValue(static_cast<QObject*>(this)));
    form->installEventFilter(this);
    if (client_) client_->installEventFilter(this);
    form->setMouseTracking(true);
    // The desktop asking whether the session may end: no new state fades start after that.
    if (auto* gui = qobject_cast<QGuiApplication*>(QCoreApplication::instance()))
        connect(gui, &QGuiApplication::commitDataRequest, this, [] { SetLoggingOff(true); });
    // Alt+Space opens the system menu wherever the focus is in the form.
    sysMenuShortcut_ = new QShortcut(QKeySequence(Qt::ALT | Qt::Key_Space), form, nullptr, nullptr,
                                     Qt::WindowShortcut);
    connect(sysMenuShortcut_, &QShortcut::activated, this, [this] {
        if (Skinned()) DropSysMenu(form_->mapToGlobal(QPoint(BorderWidth(), layout_.FHeaderHeight)));
    });
    // The menu names Alt+F4 for Close; it works without the menu too while our frame stands in
    // for the desktop's (a desktop that has its own binding takes the key first).
    closeShortcut_ = new QShortcut(QKeySequence(Qt::ALT | Qt::Key_F4), form, nullptr, nullptr,
                                   Qt::WindowShortcut);
    connect(closeShortcut_, &QShortcut::activated, this, [this] {
        if (Skinned()) PressCloseButton();
    });
    formActive_ = 1;
    skinData_->Loading = false;
}

TRect TProviderSkinOwner::Bounds() const { return TRect{0, 0, widget_->width(), widget_->height()}; }

void TProviderSkinOwner::Redraw(bool now) {
    if (now) widget_->repaint();
    else widget_->update();
}

TsSkinProvider* TsSkinProvider::CreateRT(QWidget* form, bool initRT) {
    auto* provider = new TsSkinProvider(form);
    provider->RTInit = initRT;
    provider->LoadInit();
    return provider;
}

TsSkinProvider::~TsSkinProvider() {
    destroying_ = true;
    if (closeAnimation_) closeAnimation_->Stop();
    if (form_) {
        EndMenuMove(true);
        form_->removeEventFilter(this);
        if (client_) client_->removeEventFilter(this);
        form_->setProperty(ProviderProperty, QVariant());
        delete sysMenuShortcut_;
        delete closeShortcut_;
    }
}

TsSkinProvider* TsSkinProvider::Of(QObject* form) {
    return reinterpret_cast<TsSkinProvider*>(SendSkinCommand(form, scGetProvider));
}

// While a new skin is being announced the manager's skin is not yet marked active; an active
// manager with the form's section is enough here.
bool TsSkinProvider::SkinAvailable() const {
    const TsSkinManager* manager = skinData_->SkinManager();
    return manager && manager->Active() && !manager->SkinRemoving() && manager->IsValidSkinIndex(skinData_->SkinIndex);
}

bool TsSkinProvider::Skinned() const { return !destroying_ && frameApplied_ && SkinAvailable(); }

// --- Geometry.

int TsSkinProvider::CaptionHeight() const {
    // Both forms are dialog-framed with a full caption.
    if (form_->windowType() == Qt::Tool) return platform::SmallCaptionHeight;
    return platform::CaptionHeight;
}

int TsSkinProvider::BorderWidth() const { return platform::DialogFrameWidth; }

int TsSkinProvider::HeaderHeight() const {
    if (!frameApplied_) return 0;
    return std::max(0, form_->height() - clientSize_.height() - BorderWidth());
}

int TsSkinProvider::CaptionWidth() const { return form_->width(); }

int TsSkinProvider::OffsetX() const {
    if (!frameApplied_) return 0;
    return (form_->width() - clientSize_.width()) / 2;
}

int TsSkinProvider::OffsetY() const {
    if (!frameApplied_) return 0;
    return form_->height() - clientSize_.height() - BorderWidth();
}

TColor TsSkinProvider::FormColor() const {
    const TLoadedSkin* skin = paint::LoadedSkinOf(skinData_->SkinManager());
    if (!Skinned() || skinData_->FCustomColor || !skin)
        return platform::FromQColor(form_->palette().color(QPalette::Window));
    const TsGeneralData& section = skin->gd[static_cast<std::size_t>(skinData_->SkinIndex)];
    return section.Props[static_cast<std::size_t>(std::min(formActive_, section.States - 1) > 0 ? 1 : 0)].Color;
}

paint::TFormFrameInput TsSkinProvider::FrameInput() const {
    paint::TFormFrameInput input;
    input.Width = CaptionWidth();
    input.Height = form_->height();
    input.BorderWidth = BorderWidth();
    input.CaptionHeight = CaptionHeight();
    input.HasSystemMenu = desktopFlags_ & Qt::WindowSystemMenuHint;
    input.CloseEnabled = desktopFlags_ & Qt::WindowCloseButtonHint;
    input.Maximized = form_->isMaximized();
    input.BigButtons = false;  // dialog frames take the small title buttons
    return input;
}

void TsSkinProvider::CalcItems() {
    const int state = layout_.ButtonClose.State;
    layout_ = paint::CalcItems(paint::LoadedSkinOf(skinData_->SkinManager()), FrameInput());
    layout_.ButtonClose.State = state;
}

unsigned TsSkinProvider::HitTest(QPoint p) const {
    if (!Skinned() || !DrawNonClientArea) return paint::htClient;
    return paint::FrameHitTest(FrameInput(), layout_, TPoint{p.x(), p.y()});
}

// --- Skin state.

void TsSkinProvider::ResolveIndexes() {
    // The form's own section through its skin state; the title strip's sections here.
    skinData_->UpdateIndexes(true);
    skinData_->FBGChanged = true;
    TsSkinManager* manager = skinData_->SkinManager();
    const bool active = manager && manager->Active() && !manager->SkinRemoving();
    auto index = [&](const QString& name) { return active ? manager->GetSkinIndex(name) : -1; };
    FTitleSkinIndex = index(TitleSkin.isEmpty() ? QStringLiteral("FORMTITLE") : TitleSkin);
    FCaptionSkinIndex = index(QStringLiteral("CAPTION"));
    FHeaderIndex = index(QStringLiteral("FORMHEADER"));
}

void TsSkinProvider::LoadInit() {
    if (!adapter_) adapter_ = std::make_unique<TacCtrlAdapter>(this);
    ApplyNewSkin();
}

void TsSkinProvider::ApplyNewSkin() {
    if (destroying_) return;
    if (closeAnimation_) closeAnimation_->Stop();
    ResolveIndexes();
    if (!SkinAvailable()) {
        if (frameApplied_) RemoveSkin();
        return;
    }
    ApplyFrame(true);
    if (!adapter_) adapter_ = std::make_unique<TacCtrlAdapter>(this);
    adapter_->AddAllItems();
    form_->update();
}

void TsSkinProvider::RemoveSkin() {
    if (closeAnimation_) closeAnimation_->Stop();
    arOR_.clear();
    while (!SavedLabelColors.empty()) {
        QWidget* label = SavedLabelColors.back().Control;
        if (label) InitLabel(label, false);
        else SavedLabelColors.pop_back();
    }
    skinData_->FCacheBmp.reset();
    deviceBmp_ = TBitmap32();
    skinData_->FBGChanged = true;
    layout_.ButtonClose.State = 0;
    ApplyFrame(false);
    form_->update();
}

void TsSkinProvider::Refresh() {
    if (!Skinned()) return;
    if (adapter_) adapter_->AddAllItems();
    skinData_->FBGChanged = true;
    form_->update();
}

void TsSkinProvider::RenderCacheIfStale() {
    if (!Skinned()) return;
    const TBitmap32* cache = skinData_->FCacheBmp.get();
    // A window moved to a screen of another ratio gets its picture made again.
    if (skinData_->FBGChanged || !cache || cache->Width() != form_->width() || cache->Height() != form_->height() ||
        form_->devicePixelRatioF() != deviceRatio_)
        PaintAll();
}

void TsSkinProvider::SetFormActive(bool active) {
    const int value = active ? 1 : 0;
    if (value == formActive_) return;
    formActive_ = value;
    skinData_->FBGChanged = true;
    if (Skinned()) form_->update();
}

// --- Labels.

void TsSkinProvider::InitLabel(QWidget* control, bool skinned) {
    auto* label = qobject_cast<platform::TLabel*>(control);
    if (!label || (TagOf(label) & acNoSkinTag)) return;
    const TsSkinManager* manager = skinData_->SkinManager();
    const bool transparentAlways = manager && manager->LabelsOptions.TransparentAlways;
    auto saved = std::find_if(SavedLabelColors.begin(), SavedLabelColors.end(),
                              [label](const TSavedLabelColor& s) { return s.Control == label; });
    if (skinned) {
        if (!manager) return;
        if (saved == SavedLabelColors.end()) {
            SavedLabelColors.push_back({label, label->FontColor(), label->BackgroundColor(), false});
            if (label->BackgroundColor() == clNone || transparentAlways)
                label->SetBackgroundColor(clNone);
        }
        label->SetFontColor(manager->GetGlobalFontColor());
        return;
    }
    if (saved == SavedLabelColors.end()) return;
    label->SetFontColor(saved->FontColor);
    // The label gets back the background it was designed with (transparent or its own colour).
    label->SetBackgroundColor(saved->Background);
    *saved = SavedLabelColors.back();
    SavedLabelColors.pop_back();
}

// --- Skin commands.

bool TsSkinProvider::HandleSkinCommand(TSkinCommandEvent& command, bool fromClient) {
    TsSkinManager* manager = skinData_->SkinManager();
    const auto fromOwnManager = [&] {
        return command.LParam() == 0 || command.LParam() == reinterpret_cast<std::intptr_t>(manager);
    };
    switch (command.Command()) {
    case scSetNewSkin:
        if (fromClient || !fromOwnManager()) return false;
        ApplyNewSkin();
        return true;
    case scRemoveSkin:
        if (fromClient || !fromOwnManager()) return false;
        RemoveSkin();
        return true;
    case scRefresh:
        if (fromClient || !fromOwnManager()) return false;
        Refresh();
        return true;
    case scGetProvider:
        if (fromClient) return false;
        command.SetResult(reinterpret_cast<std::intptr_t>(this));
        return true;
    case scIsSkinned:
        if (fromClient) return false;  // the client is walked like any plain container
        command.SetResult(1);
        return true;
    case scGetCommonData:
        if (fromClient) return false;
        command.SetResult(reinterpret_cast<std::intptr_t>(skinData_.get()));
        return true;
    default:
        break;
    }
    if (!Skinned()) return false;
    switch (command.Command()) {
    case scSetBGChanged:
        skinData_->FBGChanged = true;
        return true;
    case scRenderCache:
        RenderCacheIfStale();
        return true;
    case scGetBackground:
        AnswerBackgroundQuery(command, fromClient);
        return true;
    case 61:
        command.SetResult((static_cast<std::intptr_t>(OffsetY()) << 16) | OffsetX());
        return true;
    case 68: {
        const int width = (form_->width() - clientSize_.width()) / 2;
        command.SetResult(width != 0 ? width : command.LowWord());
        return true;
    }
    default:
        // Everything else a child asks its parent (not ready, colour, font section, moves) is
        // the standard answer of the form's skin state.
        return skinData_->HandleSkinCommand(command);
    }
}

void TsSkinProvider::AnswerBackgroundQuery(TSkinCommandEvent& command, bool fromClient) {
    auto* query = command.LParamAs<paint::BackgroundQuery>();
    if (!query) return;
    // Children of the client area speak client coordinates: the offset turns them into the
    // picture's; children placed on the form itself already speak window coordinates.
    const TPoint shift = fromClient ? TPoint{OffsetX(), OffsetY()} : TPoint{};
    const TPoint requested = query->Offset;
    // A child composes its corners against what it is handed: after a skin change the form's
    // picture may not have been painted yet, and the old skin's pixels would stay in the child.
    RenderCacheIfStale();
    if (query->PleaseDraw) {
        query->Offset = TPoint{requested.X + shift.X, requested.Y + shift.Y};
        skinData_->AnswerBackgroundQuery(*query, false);
        query->Offset = requested;
        return;
    }
    skinData_->AnswerBackgroundQuery(*query, false);
    if (query->Kind == paint::bkCache && query->Bmp == skinData_->FCacheBmp.get())
        query->Offset = TPoint{requested.X + shift.X, requested.Y + shift.Y};
}

}  // namespace tornivex
