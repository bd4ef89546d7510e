#pragma once
// TAdvEdit: the single-line numeric edit field. A platform edit box whose edit type decides which
// keystrokes and pastes it accepts, with a fixed prefix and suffix around the value, a precision
// for decimal values and typed accessors for the value. The value rules themselves live in
// rules/ (no widgets); this class wires them to keyboard, mouse, clipboard and focus.
#include <cstdint>
#include <functional>
#include <memory>

#include <QClipboard>
#include <QColor>
#include <QFont>
#include <QLineEdit>
#include <QMenu>
#include <QString>

#include "AffixText.h"
#include "EditTypes.h"
#include "ValueField.h"

namespace tornivex {

class TAdvEdit : public QLineEdit, private edit::FieldDisplay {
    Q_OBJECT
public:
    // Asked when the field loses the focus; isValid starts true.
    using ValueValidateEvent = std::function<void(TAdvEdit& sender, const QString& value, bool& isValid)>;
    // May forbid a paste; value is the value text the paste would give, allow starts true.
    using ClipboardPasteEvent = std::function<void(TAdvEdit& sender, const QString& value, bool& allow)>;
    using NotifyEvent = std::function<void(TAdvEdit& sender)>;
    // May add entries to the field's context menu before it opens.
    using ContextMenuEvent = std::function<void(TAdvEdit& sender, QMenu& menu)>;

    explicit TAdvEdit(QWidget* parent = nullptr);
    ~TAdvEdit() override;

    // The window finished applying the stored properties: the focus procedures run from now on,
    // and the current Color becomes the normal colour. A field created in code calls it once its
    // properties are set.
    void Loaded();
    bool IsLoading() const { return loading_; }

    // --- value ---------------------------------------------------------------------------------
    void SetText(const QString& valueText);  // formats and shows; clears Modified
    QString Text() const;                     // the displayed text without prefix and suffix
    double FloatValue() const;                // raises EOverflow beyond the double range
    void SetFloatValue(double value);         // formats by Precision; sets Modified
    int32_t IntValue() const;
    void SetIntValue(int32_t value);          // decimal (etHex: hexadecimal) digits; sets Modified
    bool Modified() const { return value_.Modified(); }
    void SetModified(bool modified) { value_.SetModified(modified); }
    QString OrigText() const { return origText_; }
    void SetOrigText(const QString& text) { origText_ = text; }

    // --- input properties ----------------------------------------------------------------------
    TAdvEditType EditType() const { return value_.Settings().EditType; }
    void SetEditType(TAdvEditType type);
    int16_t Precision() const { return value_.Settings().Precision; }
    void SetPrecision(int16_t precision);
    TPrecisionDisplay PrecisionDisplay() const { return value_.Settings().PrecisionDisplay; }
    void SetPrecisionDisplay(TPrecisionDisplay display);
    QString Prefix() const;
    void SetPrefix(const QString& prefix);
    QString Suffix() const;
    void SetSuffix(const QString& suffix);
    bool Signed() const { return value_.Settings().Signed; }
    void SetSigned(bool isSigned) { value_.SetSigned(isSigned); }
    bool AllowNumericNullValue() const { return value_.Settings().AllowNumericNullValue; }
    void SetAllowNumericNullValue(bool allow) { value_.SetAllowNumericNullValue(allow); }
    bool ExcelStyleDecimalSeparator() const { return excelStyleDecimalSeparator_; }
    void SetExcelStyleDecimalSeparator(bool on) { excelStyleDecimalSeparator_ = on; }
    bool CanUndo() const { return canUndo_; }
    void SetCanUndo(bool on) { canUndo_ = on; }
    bool AutoSelect() const { return autoSelect_; }
    void SetAutoSelect(bool on) { autoSelect_ = on; }
    int16_t LengthLimit() const { return lengthLimit_; }
    void SetLengthLimit(int16_t limit) { lengthLimit_ = limit; }
    int MaxLength() const { return maxLength_; }  // limits pastes; 0 means none
    void SetMaxLength(int length) { maxLength_ = length; }
    bool TabOnFullLength() const { return tabOnFullLength_; }
    void SetTabOnFullLength(bool on) { tabOnFullLength_ = on; }
    bool ReturnIsTab() const { return returnIsTab_; }
    void SetReturnIsTab(bool on) { returnIsTab_ = on; }
    QString ValidChars() const { return validChars_; }
    void SetValidChars(const QString& chars) { validChars_ = chars; }
    // Whether Enter and Escape are re-posted to the parent window (see the key handling).
    bool DefaultHandling() const { return defaultHandling_; }
    void SetDefaultHandling(bool on) { defaultHandling_ = on; }

    // --- display properties --------------------------------------------------------------------
    TEditAlign EditAlign() const { return editAlign_; }
    void SetEditAlign(TEditAlign align);
    TEditAlign FocusAlign() const { return focusAlign_; }
    void SetFocusAlign(TEditAlign align) { focusAlign_ = align; }
    // Colours: an invalid QColor means "none".
    QColor Color() const { return color_; }
    void SetColor(const QColor& color);  // also the normal colour restored on leaving
    QColor FocusColor() const { return focusColor_; }
    void SetFocusColor(const QColor& color) { focusColor_ = color; }
    QColor FocusFontColor() const { return focusFontColor_; }
    void SetFocusFontColor(const QColor& color) { focusFontColor_ = color; }
    bool FocusBorder() const { return focusBorder_; }
    void SetFocusBorder(bool on);
    QColor FocusBorderColor() const { return focusBorderColor_; }
    void SetFocusBorderColor(const QColor& color);
    QColor BorderColor() const { return borderColor_; }
    void SetBorderColor(const QColor& color);
    bool Border3D() const { return border3D_; }
    void SetBorder3D(bool on);
    bool SoftBorder() const { return softBorder_; }
    void SetSoftBorder(bool on);
    int FocusWidthInc() const { return focusWidthInc_; }
    void SetFocusWidthInc(int pixels) { focusWidthInc_ = pixels; }
    bool Flat() const { return flat_; }
    void SetFlat(bool on);
    QColor FlatLineColor() const { return flatLineColor_; }
    void SetFlatLineColor(const QColor& color);
    bool FlatParentColor() const { return flatParentColor_; }
    void SetFlatParentColor(bool on);
    bool Transparent() const { return transparent_; }
    void SetTransparent(bool on);
    QColor DisabledColor() const { return disabledColor_; }
    void SetDisabledColor(const QColor& color);
    bool DisabledBorder() const { return disabledBorder_; }
    void SetDisabledBorder(bool on);
    QString EmptyText() const { return emptyText_; }
    void SetEmptyText(const QString& text);
    bool EmptyTextFocused() const { return emptyTextFocused_; }
    void SetEmptyTextFocused(bool on);
    // Font styles of the hint: bold, italic, underline, strike-out taken from this font.
    QFont EmptyTextStyle() const { return emptyTextStyle_; }
    void SetEmptyTextStyle(const QFont& style);
    bool ShowError() const { return showError_; }
    void SetShowError(bool on);
    QColor ErrorColor() const { return errorColor_; }
    void SetErrorColor(const QColor& color) { errorColor_ = color; }
    QColor ErrorFontColor() const { return errorFontColor_; }
    void SetErrorFontColor(const QColor& color) { errorFontColor_ = color; }
    bool ShowModified() const { return showModified_; }
    void SetShowModified(bool on) { showModified_ = on; }
    QColor ModifiedColor() const { return modifiedColor_; }
    void SetModifiedColor(const QColor& color) { modifiedColor_ = color; }
    bool ShowURL() const { return showURL_; }
    void SetShowURL(bool on) { showURL_ = on; }
    QColor URLColor() const { return urlColor_; }
    void SetURLColor(const QColor& color) { urlColor_ = color; }
    bool AutoThousandSeparator() const { return autoThousandSeparator_; }
    void SetAutoThousandSeparator(bool on) { autoThousandSeparator_ = on; }
    // Read-only: "3.1.1.1". Writes are ignored.
    QString Version() const;
    void SetVersion(const QString&) {}

    // --- operations ----------------------------------------------------------------------------
    // Selects the value text, never the prefix or the suffix.
    void SelectAll();
    // Caret just behind (before) the first decimal separator of the value, or at its start.
    void SelectAfterDecimal();
    void SelectBeforeDecimal();
    // Runs the paste rules on the clipboard's text (what Ctrl+V, Shift+Insert and the menu do).
    void PasteFromClipboard(QClipboard::Mode mode = QClipboard::Clipboard);

    // The version packed one byte per part: 0x03010101.
    virtual int GetVersionNr() const;
    // The validation entry: runs DoValidate unless a validation is already running; true by default.
    virtual bool Validate(const QString& value);
    // Calls OnValueValidate.
    virtual bool DoValidate(const QString& value);
    // Whether a text looks like a web or mail address (for the link look).
    virtual bool IsURL(const QString& text) const;
    virtual void LoadPersist() {}
    virtual void SavePersist() {}

    ValueValidateEvent OnValueValidate;
    ClipboardPasteEvent OnClipboardPaste;
    NotifyEvent OnChange;
    ContextMenuEvent OnContextMenu;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    // FieldDisplay: the displayed text is the edit box's own text.
    std::u16string DisplayedText() const override;
    void ShowDisplayedText(const std::u16string& text) override;

    // Value span and selection in displayed positions.
    edit::ValueSpan CurrentValueSpan() const;
    int SelectionEnd() const;
    int SelectionAnchor() const;

    // Keyboard, in AdvEditKeys.cpp.
    bool HandleKeyDown(QKeyEvent* event);
    void HandleCharacter(QKeyEvent* event);
    void TypePrintable(QChar ch);
    void UndoToOrigText();
    void PostKeyToParent(int key);
    void PasteText(const QString& clipboardText);
    void KeepSelectionInValue();
    std::unique_ptr<QMenu> CreateContextMenu();

    // Focus and look, in AdvEditFocus.cpp and AdvEditLook.cpp.
    void DoEnter();
    void DoExit();
    void ApplyAlignment();
    void UsePasswordStars();
    void ApplyTextMargins();
    void SetBackground(const QColor& color);
    void SetFontColor(const QColor& color);
    QColor CurrentFontColor() const;
    void OnTextChanged();

    edit::ValueField value_;
    bool loading_ = true;
    bool validating_ = false;
    bool entered_ = false;  // the focus-gained procedure ran and the field was not left since
    bool swallowNextChange_ = false;
    QString origText_;

    bool excelStyleDecimalSeparator_ = false;
    bool canUndo_ = true;
    bool autoSelect_ = true;
    int16_t lengthLimit_ = 0;
    int maxLength_ = 0;
    bool tabOnFullLength_ = false;
    bool returnIsTab_ = false;
    QString validChars_;
    bool defaultHandling_ = true;

    TEditAlign editAlign_ = eaLeft;
    TEditAlign focusAlign_ = eaDefault;
    TEditAlign alignBeforeFocus_ = eaLeft;
    bool focusAlignSwitched_ = false;
    QColor color_;
    QColor normalColor_;
    QColor normalFontColor_;
    QColor focusColor_;
    QColor focusFontColor_;
    bool focusBorder_ = false;
    QColor focusBorderColor_;
    QColor borderColor_;
    bool border3D_ = false;
    bool softBorder_ = false;
    int focusWidthInc_ = 0;
    int widthIncApplied_ = 0;
    bool flat_ = false;
    QColor flatLineColor_ = Qt::black;
    bool flatParentColor_ = true;
    bool transparent_ = false;
    QColor disabledColor_ = QColor(192, 192, 192);
    bool disabledBorder_ = true;
    QString emptyText_;
    bool emptyTextFocused_ = false;
    QFont emptyTextStyle_;
    bool showError_ = false;
    bool errorShown_ = false;
    QColor errorColor_ = Qt::red;
    QColor errorFontColor_ = Qt::white;
    bool showModified_ = false;
    QColor modifiedColor_;
    bool showURL_ = false;
    bool urlShown_ = false;
    QColor urlColor_ = Qt::blue;
    bool autoThousandSeparator_ = true;
    QStyle* passwordStyle_ = nullptr;  // child object
};

}  // namespace tornivex
