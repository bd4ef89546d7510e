#include "SkinManagerOptions.h"

namespace tornivex {

void TacThirdPartyLists::ApplyDefaultsToEmpty() {
    static const std::array<const char*, ThirdPartyListCount> defaults = {
        "TEdit TMaskEdit TLabeledEdit TSpinEdit", "TButton", "TBitBtn", "TCheckBox TRadioButton",
        "TGroupBox TRadioGroup", "TListView", "TPanel", "TStringGrid TDrawGrid", "TTreeView",
        "TComboBox TColorBox", "", "", "", "TPageControl", "TTabControl", "TToolBar",
        "TStatusBar", "TSpeedButton", "TScrollBox", "TUpDown", "TScrollBar", "TStaticText", ""};
    for (int i = 0; i < ThirdPartyListCount; ++i)
        if (Lists[std::size_t(i)].isEmpty())
            Lists[std::size_t(i)] = QString::fromLatin1(defaults[std::size_t(i)]).split(u' ', Qt::SkipEmptyParts);
}

} // namespace tornivex
