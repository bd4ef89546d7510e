#include "LocaleSettings.h"

namespace tornivex {

TFormatSettings& FormatSettings() {
    static TFormatSettings settings;
    return settings;
}

ScopedFormatSettings::ScopedFormatSettings(char16_t decimalSeparator, char16_t thousandSeparator)
    : saved_(FormatSettings()) {
    FormatSettings().DecimalSeparator = decimalSeparator;
    FormatSettings().ThousandSeparator = thousandSeparator;
}

ScopedFormatSettings::~ScopedFormatSettings() { FormatSettings() = saved_; }

}  // namespace tornivex
