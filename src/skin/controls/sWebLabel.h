#pragma once
// A link label: draws its caption in the skin's link colours (its fonts' colours without a skin),
// switches to the hover font and colour while the mouse is over it, shows the hand cursor and asks
// the desktop to open URL when the left button goes down on it (before it is released). A screen
// reader reads it as a link whose press action opens the same address. While ParentFont is on it
// follows its parent's font; a font put on it behind its back is undone before it is painted or
// sized.
#include <QFont>
#include <QString>

#include "SystemColors.h"
#include "sLabel.h"

namespace tornivex {

class TsWebLabel : public TsLabel {
    Q_OBJECT
public:
    explicit TsWebLabel(QWidget* parent = nullptr);

    QString URL() const { return url_; }
    void SetURL(const QString& url) { url_ = url; }
    // Asks the desktop to open URL (a press, or a screen reader following the link).
    void OpenURL();
    int ShowMode = 10;  // soDefault

    // Setting the font sets the normal font too and stops following the parent's font.
    void SetFont(const QFont& font, TColor color);
    void SetHoverFont(const QFont& font, TColor color);
    const QFont& NormalFont() const { return normalFont_; }
    const QFont& HoverFont() const { return hoverFont_; }
    bool MouseAbove() const { return mouseAbove_; }
    // On (the default until a font is set), a change of the parent's font becomes the normal
    // font, and the parent's face and size become the hover font's; each font keeps its colour.
    bool ParentFont() const { return parentFont_; }
    void SetParentFont(bool value);

    TColor CurrentTextColor() const override;
    QFont CurrentFont() const override { return mouseAbove_ ? hoverFont_ : normalFont_; }

protected:
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void CaptionAboutToBeMeasured() override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    void SetMouseAbove(bool above);
    void TakeParentFont();
    // Puts the font of the current state on the widget and remembers what the widget made of it.
    void ApplyCurrentFont();
    // Undoes a face, size or colour given to the widget other than through this class.
    void RestoreOwnFont();

    QString url_;
    QFont normalFont_;
    QFont hoverFont_;
    TColor normalColor_ = clWindowText;
    TColor hoverColor_ = clWindowText;
    bool mouseAbove_ = false;
    bool parentFont_ = true;
    QFont appliedFont_;  // the widget's font as it stood after the last ApplyCurrentFont
    bool applyingFont_ = false;
};

}  // namespace tornivex
