#pragma once
#include <QString>
#include <QWidget>

#include "SystemColors.h"

namespace tornivex::platform {

// The platform's static label: draws its caption at the top left, sizes itself to the caption
// while AutoSize is on, and is transparent unless it was given a background colour.
class TLabel : public QWidget {
    Q_OBJECT
public:
    explicit TLabel(QWidget* parent = nullptr);

    QString Caption() const { return caption_; }
    // Setting a caption resizes an auto-sized label to its text and repaints it.
    void SetCaption(const QString& caption);

    bool AutoSize() const { return autoSize_; }
    void SetAutoSize(bool autoSize);

    TColor FontColor() const { return fontColor_; }
    void SetFontColor(TColor color);
    // clNone keeps the label transparent.
    void SetBackgroundColor(TColor color);
    TColor BackgroundColor() const { return background_; }

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;
    // Called each time the label is about to size itself to its caption, so a descendant can
    // first put its font right.
    virtual void CaptionAboutToBeMeasured() {}

private:
    void AdjustBounds();

    QString caption_;
    bool autoSize_ = true;
    TColor fontColor_ = clWindowText;
    TColor background_ = clNone;
};

}  // namespace tornivex::platform
