#pragma once
// The vocabularies of the numeric edit field, shared by the widget and its widget-free rules.
#include <cstdint>
#include <string>

namespace tornivex {

// In this order; the main window uses etNumeric and etFloat.
enum TAdvEditType {
    etString,
    etNumeric,
    etFloat,
    etUppercase,
    etMixedCase,
    etLowerCase,
    etPassword,
    etMoney,
    etRange,
    etHex,
    etAlphaNumeric,
    etValidChars
};

enum TPrecisionDisplay { pdNormal, pdShortest };

enum TEditAlign { eaLeft, eaRight, eaDefault, eaCenter };

namespace edit {

// The settings that decide how a value text is read and shown.
struct ValueSettings {
    TAdvEditType EditType = etString;
    int16_t Precision = 0;
    TPrecisionDisplay PrecisionDisplay = pdNormal;
    std::u16string Prefix;
    std::u16string Suffix;
    bool Signed = false;
    bool AllowNumericNullValue = false;
};

inline bool IsFloatType(TAdvEditType type) { return type == etFloat || type == etMoney; }

}  // namespace edit
}  // namespace tornivex
