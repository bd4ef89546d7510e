#pragma once
// Skinned labels: TsCustomLabel draws its caption over its parent in the colour and font its
// virtual functions choose (the skin's label colour by default), optionally over a skin section;
// TsLabel takes the colour of its own or its parent's section.
#include <QString>

#include "TLabel.h"
#include "common/color/Color.h"

namespace tornivex {

class TsSkinManager;

class TsCustomLabel : public platform::TLabel {
    Q_OBJECT
public:
    explicit TsCustomLabel(QWidget* parent = nullptr);

    TsSkinManager* SkinManager() const;  // the explicit one, else the default manager
    void SetSkinManager(TsSkinManager* manager) { skinManager_ = manager; }
    QString SkinSection() const { return skinSection_; }
    void SetSkinSection(const QString& section);
    bool Transparent() const { return transparent_; }
    void SetTransparent(bool value);
    bool UseSkinColor() const { return useSkinColor_; }
    void SetUseSkinColor(bool value);
    bool ShowAccelChar = true;
    int FSkinIndex = -1;  // resolved during a paint only

    // True while the label's manager has an active skin.
    bool SkinActive() const;

    // The text colour and font for the current state.
    virtual TColor CurrentTextColor() const;
    virtual QFont CurrentFont() const { return font(); }

protected:
    void paintEvent(QPaintEvent* event) override;
    // The disabled look: the font colour halfway to the parent's colour.
    TColor DisabledColor(TColor color) const;
    // Answers the section under the label that names its text colour (command 66), or -1.
    int ParentFontSection() const;

    bool useSkinColor_ = false;

private:
    void PaintSectionBackground(QPainter& painter, int skinIndex);

    TsSkinManager* skinManager_ = nullptr;
    QString skinSection_;
    bool transparent_ = true;
};

class TsLabel : public TsCustomLabel {
    Q_OBJECT
public:
    explicit TsLabel(QWidget* parent = nullptr);
    TColor CurrentTextColor() const override;
};

}  // namespace tornivex
