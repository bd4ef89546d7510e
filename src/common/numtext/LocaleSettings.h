#pragma once
// The one program-wide record of the user's number separators. The platform layer fills it
// from the regional settings at start-up and on every settings change; tests set it directly.

namespace tornivex {

struct TFormatSettings {
    char16_t DecimalSeparator = u'.';
    char16_t ThousandSeparator = u',';
};

// The shared record read by every number text rule.
TFormatSettings& FormatSettings();

// Sets the record for the lifetime of the guard and restores the previous values after it.
class ScopedFormatSettings {
public:
    ScopedFormatSettings(char16_t decimalSeparator, char16_t thousandSeparator);
    ~ScopedFormatSettings();
    ScopedFormatSettings(const ScopedFormatSettings&) = delete;
    ScopedFormatSettings& operator=(const ScopedFormatSettings&) = delete;

private:
    TFormatSettings saved_;
};

}  // namespace tornivex
