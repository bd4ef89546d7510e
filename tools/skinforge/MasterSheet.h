#pragma once
// The master image of a skin: every strip of Layout.h painted in the skin's style.
#include "SkinStyle.h"

#include <QImage>

namespace tornivex::forge {

// `under` is the colour keyed images are composed over (the form colour).
QImage PaintMasterSheet(const SkinStyle& style, const QColor& under);

} // namespace tornivex::forge
