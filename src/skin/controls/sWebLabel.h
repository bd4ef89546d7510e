#pragma once
#include <QFont>
#include <QString>
#include <QWidget>

#include "SystemColors.h"

namespace tornivex {

// A link label: draws its caption in the normal font, switches to the hover font while the mouse
// is over it, shows the hand cursor and asks the desktop to open URL when the left button goes
// down on it (before it is released).
class TsWebLabel : public QWidget {
    Q_OBJECT
public:
    explicit TsWebLabel(QWidget* parent = nullptr);

    QString Caption() const { return caption_; }
    void SetCaption(const QString& caption);
    QString URL() const { return url_; }
    void SetURL(const QString& url) { url_ = url; }

    // Setting the font sets the normal font too.
    void SetFont(const QFont& font, platform::TColorRef color);
    void SetHoverFont(const QFont& font, platform::TColorRef color);
    bool MouseAbove() const { return mouseAbove_; }

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    void SetMouseAbove(bool above);
    const QFont& CurrentFont() const { return mouseAbove_ ? hoverFont_ : normalFont_; }
    platform::TColorRef CurrentColor() const { return mouseAbove_ ? hoverColor_ : normalColor_; }
    void AdjustBounds();

    QString caption_;
    QString url_;
    QFont normalFont_;
    QFont hoverFont_;
    platform::TColorRef normalColor_ = platform::clWindowText;
    platform::TColorRef hoverColor_ = platform::clWindowText;
    bool mouseAbove_ = false;
};

}  // namespace tornivex
