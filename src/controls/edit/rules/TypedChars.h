#pragma once
// What a typed character does to a field: the per-character rules, as decisions the widget
// carries out. Separators come from FormatSettings().
#include <string>
#include <string_view>

#include "EditTypes.h"

namespace tornivex::edit {

// The field as the character meets it. Positions count characters of the value text.
struct TypingContext {
    std::u16string_view valueText;
    size_t selStart = 0;   // caret position when nothing is selected
    size_t selLength = 0;
    int lengthLimit = 0;   // LengthLimit; 0 means none
    std::u16string_view validChars;
};

enum class CharAction {
    Refuse,            // dropped, nothing changes
    Insert,            // inserted at the caret, replacing the selection
    ReplaceNext,       // replaces the character behind the caret
    JumpAfterDecimal,  // refused; the caret moves just behind the decimal separator
    StartDecimal,      // the value becomes "0" + separator, caret behind it
};

struct CharDecision {
    CharAction action = CharAction::Refuse;
    char16_t character = 0;  // what is inserted (case types convert it)
};

// ch is a printable character typed without Ctrl.
CharDecision DecideTypedChar(const ValueSettings& settings, const TypingContext& context,
                             char16_t ch);

// Whether ch may stand in a value of the given type at all (used for pastes into types whose
// rules are per character).
bool AcceptsCharacter(TAdvEditType type, char16_t ch, std::u16string_view validChars);

}  // namespace tornivex::edit
