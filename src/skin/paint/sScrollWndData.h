#pragma once
// The skin state of scrolling windows such as the memo: the common control state plus the sizes
// a control may give its scroll bars.

#include "sCommonData.h"

namespace tornivex {

// Sizes a control gives one of its scroll bars; -1 = the skin's or the platform's.
struct TacScrollBarData {
    int ButtonSize = -1;  // arrow length
};

class TsScrollWndData : public TsCommonData {
public:
    using TsCommonData::TsCommonData;
    TacScrollBarData FHorzScrollData;
    TacScrollBarData FVertScrollData;
};

}  // namespace tornivex
