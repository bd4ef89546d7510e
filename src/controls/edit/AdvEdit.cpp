#include "AdvEdit.h"

#include <algorithm>
#include <limits>

#include "LocaleSettings.h"
#include "QtText.h"

namespace tornivex {

using edit::ToQString;
using edit::ToU16;

TAdvEdit::TAdvEdit(QWidget* parent) : QLineEdit(parent), value_(*this) {
    // The value rules decide what fits; the edit box's own length limit would cut written texts.
    QLineEdit::setMaxLength(std::numeric_limits<int>::max());
    // Dropped text would bypass the paste rules.
    setAcceptDrops(false);
    color_ = palette().color(QPalette::Base);
    normalColor_ = color_;
    focusFontColor_ = palette().color(QPalette::Text);
    normalFontColor_ = focusFontColor_;
    modifiedColor_ = palette().color(QPalette::Highlight);
    SetBackground(color_);  // also gives the disabled look its colour
    ApplyAlignment();
    ApplyTextMargins();
    connect(this, &QLineEdit::textChanged, this, [this] { OnTextChanged(); });
}

TAdvEdit::~TAdvEdit() = default;

void TAdvEdit::Loaded() {
    loading_ = false;
    normalColor_ = color_;
}

std::u16string TAdvEdit::DisplayedText() const { return ToU16(text()); }

void TAdvEdit::ShowDisplayedText(const std::u16string& text) {
    setText(ToQString(text));
    // The caret never rests in the suffix.
    setCursorPosition(static_cast<int>(CurrentValueSpan().end));
}

edit::ValueSpan TAdvEdit::CurrentValueSpan() const {
    const auto& settings = value_.Settings();
    return edit::FindValueSpan(ToU16(text()), settings.Prefix, settings.Suffix);
}

int TAdvEdit::SelectionEnd() const {
    return hasSelectedText() ? selectionEnd() : cursorPosition();
}

void TAdvEdit::SetText(const QString& valueText) { value_.WriteText(ToU16(valueText)); }

QString TAdvEdit::Text() const { return ToQString(value_.ReadText()); }

double TAdvEdit::FloatValue() const { return value_.ReadFloatValue(); }

void TAdvEdit::SetFloatValue(double value) { value_.WriteFloatValue(value); }

int32_t TAdvEdit::IntValue() const { return value_.ReadIntValue(); }

void TAdvEdit::SetIntValue(int32_t value) { value_.WriteIntValue(value); }

void TAdvEdit::SetEditType(TAdvEditType type) {
    const bool password = type == etPassword;
    setEchoMode(password ? QLineEdit::Password : QLineEdit::Normal);
    if (password) {
        canUndo_ = false;
        UsePasswordStars();
    }
    // Composed input would bypass the character rules of the numeric types.
    const bool numeric = type == etNumeric || type == etFloat || type == etMoney || type == etHex;
    setAttribute(Qt::WA_InputMethodEnabled, !numeric);
    value_.SetEditType(type);
}

void TAdvEdit::SetPrecision(int16_t precision) { value_.SetPrecision(precision); }

void TAdvEdit::SetPrecisionDisplay(TPrecisionDisplay display) { value_.SetPrecisionDisplay(display); }

QString TAdvEdit::Prefix() const { return ToQString(value_.Settings().Prefix); }

void TAdvEdit::SetPrefix(const QString& prefix) { value_.SetPrefix(ToU16(prefix)); }

QString TAdvEdit::Suffix() const { return ToQString(value_.Settings().Suffix); }

void TAdvEdit::SetSuffix(const QString& suffix) { value_.SetSuffix(ToU16(suffix)); }

QString TAdvEdit::Version() const { return QStringLiteral("3.1.1.1"); }

int TAdvEdit::GetVersionNr() const { return (3 << 24) | (1 << 16) | (1 << 8) | 1; }

bool TAdvEdit::Validate(const QString& value) {
    if (validating_) return true;
    validating_ = true;
    bool valid = true;
    try {
        valid = DoValidate(value);
    } catch (...) {
        validating_ = false;
        throw;
    }
    validating_ = false;
    return valid;
}

bool TAdvEdit::DoValidate(const QString& value) {
    bool valid = true;
    if (OnValueValidate) OnValueValidate(*this, value, valid);
    return valid;
}

bool TAdvEdit::IsURL(const QString& text) const {
    static const char* const kMarkers[] = {"http://", "https://", "ftp://", "mailto:", "www.",
                                           "nntp://", "news:"};
    for (const char* marker : kMarkers)
        if (text.contains(QLatin1String(marker), Qt::CaseInsensitive)) return true;
    // A mail address: something@something.something
    const qsizetype at = text.indexOf(u'@');
    return at > 0 && text.indexOf(u'.', at) > at + 1;
}

void TAdvEdit::SelectAll() {
    const edit::ValueSpan span = CurrentValueSpan();
    setSelection(static_cast<int>(span.start), static_cast<int>(span.end - span.start));
}

void TAdvEdit::SelectAfterDecimal() {
    const edit::ValueSpan span = CurrentValueSpan();
    const qsizetype at = Text().indexOf(QChar(FormatSettings().DecimalSeparator));
    setCursorPosition(static_cast<int>(span.start + (at < 0 ? 0 : at + 1)));
}

void TAdvEdit::SelectBeforeDecimal() {
    const edit::ValueSpan span = CurrentValueSpan();
    const qsizetype at = Text().indexOf(QChar(FormatSettings().DecimalSeparator));
    setCursorPosition(static_cast<int>(span.start + (at < 0 ? 0 : at)));
}

// Moves a caret or selection that reaches into the prefix or suffix back into the value.
void TAdvEdit::KeepSelectionInValue() {
    const edit::ValueSpan span = CurrentValueSpan();
    const int valueStart = static_cast<int>(span.start);
    const int valueEnd = static_cast<int>(span.end);
    if (hasSelectedText()) {
        const int start = std::clamp(selectionStart(), valueStart, valueEnd);
        const int end = std::clamp(selectionEnd(), valueStart, valueEnd);
        if (start == selectionStart() && end == selectionEnd()) return;
        if (end > start) setSelection(start, end - start);
        else setCursorPosition(start);
    } else {
        const int caret = std::clamp(cursorPosition(), valueStart, valueEnd);
        if (caret != cursorPosition()) setCursorPosition(caret);
    }
}

void TAdvEdit::OnTextChanged() {
    if (swallowNextChange_) {
        swallowNextChange_ = false;
        return;
    }
    if (OnChange) OnChange(*this);
}

}  // namespace tornivex
