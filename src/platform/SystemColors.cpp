#include "SystemColors.h"

#include <QGuiApplication>
#include <QPalette>

namespace tornivex::platform {
namespace {

QPalette::ColorRole RoleOf(unsigned index, QPalette::ColorGroup& group) {
    group = QPalette::Active;
    switch (index) {
        case 5: return QPalette::Base;             // window
        case 8: return QPalette::Text;             // window text
        case 13: return QPalette::Highlight;
        case 14: return QPalette::HighlightedText;
        case 16: return QPalette::Dark;            // button shadow
        case 17: group = QPalette::Disabled; return QPalette::Text;  // grey text
        case 18: return QPalette::ButtonText;
        case 20: return QPalette::Light;           // button highlight
        case 21: return QPalette::Shadow;          // dark shadow
        case 22: return QPalette::Midlight;
        case 23: return QPalette::ToolTipText;
        case 24: return QPalette::ToolTipBase;
        case 26: return QPalette::Link;            // hot-tracked item
        case 7: return QPalette::WindowText;       // menu text
        case 9: return QPalette::HighlightedText;  // caption text
        case 2: case 27: return QPalette::Highlight;  // active caption
        default: return QPalette::Button;          // button face and the rest
    }
}

}  // namespace

TColor PaletteSystemColor(int index) {
    QPalette::ColorGroup group;
    const QPalette::ColorRole role = RoleOf(static_cast<unsigned>(index) & 0xFFu, group);
    return FromQColor(QGuiApplication::palette().color(group, role));
}

void InstallPaletteSystemColors() { SetSystemColorResolver(&PaletteSystemColor); }

QColor ToQColor(TColor color) {
    const TColor rgb = ColorToRGB(color);
    return QColor(ColorR(rgb), ColorG(rgb), ColorB(rgb));
}

TColor FromQColor(const QColor& color) { return MakeColor(color.red(), color.green(), color.blue()); }

}  // namespace tornivex::platform
