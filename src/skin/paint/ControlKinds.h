#pragma once
// Control codes (`COC`): a small number naming the kind of a skinned control, and what follows
// from it: the default section, whether it is a container and whether it behaves like an edit.

#include <QStringList>

namespace tornivex::paint {

inline constexpr int COC_TsMemo = 7;
inline constexpr int COC_TsButton = 93;
inline constexpr int COC_TsSkinProvider = 224;

// How a control without a `SkinSection` finds its section.
enum class TacDefaultSection {
    ByNames,      // the first existing of `Names`
    AskControl,   // the control answers skin command 9 with its section index + 1
    ClassName,    // the owner's class name
};
struct TacSectionChoice {
    TacDefaultSection Kind = TacDefaultSection::ClassName;
    QStringList Names;
};
TacSectionChoice DefaultSectionOf(int coc);

// Panels, tool bars, group boxes and the like: they show no hot look and may show their
// parent's background.
bool IsContainerKind(int coc);
// Single- and multi-line edits: they take the section's colours and repaint on hover and focus.
bool IsEditKind(int coc);

}  // namespace tornivex::paint
