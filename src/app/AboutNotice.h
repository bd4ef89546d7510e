#pragma once
#include <QStringList>

namespace tornivex {

// The licence and warranty notice of the About dialog, one entry per memo line.
QStringList AboutNoticeLines();

}  // namespace tornivex
