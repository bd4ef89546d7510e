#pragma once
// Asking a parent for the background under a child, over the skin command message (command 34,
// then 21). Parents answer in their skin command handlers; a parent that does not answer is
// treated as a plain colour, or asked to paint itself when the child wants it drawn.

#include "Background.h"

#include <functional>

class QObject;

namespace tornivex {
class TsCommonData;
class TsSkinManager;
}  // namespace tornivex

namespace tornivex::paint {

// How the widget layer helps parents that know nothing of skins.
struct TBackgroundFallbacks {
    // Paints `parent` into `target` with the parent's point `offset` at the target's origin,
    // limited to `part` (target coordinates); answers false when it cannot.
    std::function<bool(QObject* parent, TBitmap32& target, TPoint offset, const TRect& part)> PaintParent;
    // The parent's own colour (system colours allowed).
    std::function<TColor(QObject* parent)> ParentColor;
};
void SetBackgroundFallbacks(TBackgroundFallbacks fallbacks);

// An object's own colour as a plain colour (the button face when it has none).
TColor OwnColorOf(QObject* parent);

// Fills `query` with what `parent` shows. On return Kind is never bkUnknown.
void QueryParentBackground(BackgroundQuery& query, QObject* parent, bool pleaseDraw);

// The variant for a bare parent window: when nobody answers and nothing is to be drawn the
// answer is the skin's global colour (the button face without a manager).
void QueryParentWindowBackground(BackgroundQuery& query, QObject* window, bool pleaseDraw,
                                 const TsSkinManager* manager);

// Re-composes the chosen corners (crTopLeft...) of the control's border frame on its cache in
// corner mode against the parent's current background, so key-colour corners show the parent.
void RefreshCornerPixels(const TsCommonData& data, int state, int corners);

}  // namespace tornivex::paint
