#include "ControlKinds.h"

#include <initializer_list>

namespace tornivex::paint {
namespace {

bool OneOf(int coc, std::initializer_list<int> codes) {
    for (const int code : codes)
        if (code == coc) return true;
    return false;
}

TacSectionChoice Named(std::initializer_list<const char*> names) {
    TacSectionChoice choice{TacDefaultSection::ByNames, {}};
    for (const char* name : names) choice.Names << QString::fromLatin1(name);
    return choice;
}

}  // namespace

TacSectionChoice DefaultSectionOf(int coc) {
    if (IsEditKind(coc)) return Named({"EDIT"});
    if (OneOf(coc, {9, 13, 32, 33, 51, 57, 74, 75, 92, 93, 94, 141, 143, 165}))
        return TacSectionChoice{TacDefaultSection::AskControl, {}};
    if (OneOf(coc, {17, 18, 81, 82})) return Named({"COMBOBOX"});
    if (coc == 19) return Named({"BAR"});
    if (coc == 20) return Named({"BARTITLE"});
    if (coc == 34) return Named({"SLIDER_OFF", "PANEL_LOW"});
    if (OneOf(coc, {50, 152})) return Named({"CHECKBOX"});
    if (OneOf(coc, {52, 58})) return Named({"PANEL_LOW"});
    if (OneOf(coc, {53, 54, 60})) return Named({"TOOLBAR"});
    if (coc == 56) return Named({"DRAGBAR"});
    if (OneOf(coc, {59, 68, 73})) return Named({"PANEL"});
    if (coc == 95) return Named({"SPEEDBUTTON"});
    if (coc == 98) return Named({"TOOLBUTTON"});
    if (coc == 151) return Named({"STATUSBAR"});
    if (coc == 161) return Named({"GAUGE"});
    if (coc == 226) return Named({"GROUPBOX"});
    return TacSectionChoice{};
}

bool IsContainerKind(int coc) {
    return OneOf(coc, {19, 52, 53, 54, 56, 58, 59, 60, 68, 73, 151, 226, COC_TsSkinProvider});
}

bool IsEditKind(int coc) {
    return OneOf(coc, {2, 3, 4, 5, 6, 7, 8, 10, 12, 14, 76, 78, 83, 84, 85, 131, 140, 230});
}

}  // namespace tornivex::paint
