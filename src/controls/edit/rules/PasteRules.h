#pragma once
// Pasting into a field: the candidate value and whether the field's type accepts it.
#include <string>
#include <string_view>

#include "EditTypes.h"

namespace tornivex::edit {

// The clipboard text up to its first line break: a single-line field never takes a second line.
std::u16string ClipboardLine(std::u16string_view clipboardText);

// The value text with the selection replaced by the pasted text (or the text inserted at the
// caret when selLength is 0). Positions count characters of the value text and are clamped to it.
std::u16string BuildPasteCandidate(std::u16string_view valueText, size_t selStart,
                                   size_t selLength, std::u16string_view pasted);

// MaxLength (0 means none) against the length the value would get.
bool ExceedsMaxLength(int maxLength, size_t pastedLength, size_t valueLength, size_t selLength);

enum class PasteAction {
    Refuse,
    WriteText,           // write the text to Text
    WriteTextAndRound,   // write it to Text, then the read FloatValue back to FloatValue
};

struct PasteVerdict {
    PasteAction action = PasteAction::Refuse;
    std::u16string text;  // what is written (float candidates are trimmed)
};

// The type's acceptance of a candidate; pasted is the clipboard line that went into it.
PasteVerdict JudgePaste(const ValueSettings& settings, std::u16string_view candidate,
                        std::u16string_view pasted, std::u16string_view validChars);

}  // namespace tornivex::edit
