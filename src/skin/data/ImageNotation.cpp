#include "ImageNotation.h"

#include <QStringList>

#include <algorithm>

#include "OptionsText.h"
#include "SkinError.h"

namespace tornivex {
namespace {

// A fixed-width field at 1-based `pos` of `length` characters.
int Field(const QString& value, int pos, int length, const QString& where) {
    const QStringView text = QStringView(value).mid(std::min<qsizetype>(pos - 1, value.size()), length);
    if (const auto number = ParseSkinInteger(text)) return *number;
    throw ESkinError(QStringLiteral("Invalid number \"%1\" at position %2 of %3=%4")
                         .arg(text.toString())
                         .arg(pos)
                         .arg(where, value));
}

TRect RectFields(const QString& value, const QString& where) {
    return TRect{Field(value, 2, 4, where), Field(value, 7, 4, where), Field(value, 12, 4, where),
                 Field(value, 17, 4, where)};
}

int LenientInt(const QStringList& fields, int index) {
    if (index >= fields.size()) return 0;
    return ParseSkinInteger(fields[index]).value_or(0);
}

TImageNotation ParseExternal(const QString& value) {
    const QStringList fields = value.mid(1).split(u'!', Qt::SkipEmptyParts);
    TImageNotation n;
    n.Kind = TNotationKind::External;
    if (fields.isEmpty()) return n;
    n.FileName = fields[0];
    n.ImageCount = LenientInt(fields, 1);
    n.MaskType = LenientInt(fields, 2);
    n.ImgType = static_cast<TacImgType>(std::clamp(LenientInt(fields, 3), 0, 4));
    n.WidthsGiven = fields.size() >= 5;
    n.WL = LenientInt(fields, 4);
    n.WT = LenientInt(fields, 5);
    n.WR = LenientInt(fields, 6);
    n.WB = LenientInt(fields, 7);
    n.DrawMode = fields.size() >= 9 ? LenientInt(fields, 8) : 0;
    return n;
}

} // namespace

TImageNotation ParseImageNotation(const QString& value, const QString& where) {
    TImageNotation n;
    if (value.isEmpty()) return n;
    switch (value[0].unicode()) {
    case u'@':
        n.Kind = TNotationKind::Glyph;
        n.R = RectFields(value, where);
        n.ImageCount = Field(value, 22, 1, where);
        n.MaskType = Field(value, 24, 1, where);
        n.ImgType = itisaGlyph;
        return n;
    case u'^':
        n.Kind = TNotationKind::Borders;
        n.R = RectFields(value, where);
        n.WL = Field(value, 22, 4, where);
        n.WT = Field(value, 27, 4, where);
        n.WR = Field(value, 32, 4, where);
        n.WB = Field(value, 37, 4, where);
        n.ImageCount = Field(value, 42, 1, where);
        n.MaskType = Field(value, 44, 1, where);
        n.DrawMode = Field(value, 46, 1, where);
        n.BorderWidth = Field(value, 48, 1, where);
        n.ImgType = itisaGlyph;
        return n;
    case u'~': {
        n.Kind = TNotationKind::Texture;
        n.R = RectFields(value, where);
        n.DrawMode = Field(value, 22, 2, where);
        n.MaskType = value.size() < 25 ? 0 : Field(value, 25, 1, where);
        n.ImageCount = 1;
        n.ImgType = itisaTexture;
        if (value.size() > 26) {
            const QStringList fields = value.split(u'~');
            if (fields.size() > 7) n.FileName = fields[7];
        }
        return n;
    }
    case u'!':
        return ParseExternal(value);
    default:
        if (value.contains(QLatin1String(".JPG")) || value.contains(QLatin1String(".BMP"))) {
            n.Kind = TNotationKind::PlainFile;
            n.FileName = value;
            n.ImageCount = 1;
            n.ImgType = itisaTexture;
        }
        return n;
    }
}

bool IsNoGradient(const QString& value) { return value.size() < 3; }

TsGradArray ParseGradient(const QString& value, const QString& where) {
    TsGradArray result;
    if (IsNoGradient(value)) return result;
    const QStringList fields = value.split(u';', Qt::SkipEmptyParts);
    const qsizetype segments = fields.size() / 5;
    auto number = [&](qsizetype index) {
        if (const auto parsed = ParseSkinInteger(QStringView(fields[index]).trimmed())) return *parsed;
        throw ESkinError(QStringLiteral("Invalid number \"%1\" in field %2 of the gradient %3=%4")
                             .arg(fields[index])
                             .arg(index + 1)
                             .arg(where, value));
    };
    result.reserve(std::size_t(segments));
    for (qsizetype i = 0; i < segments; ++i) {
        TsGradPie pie;
        pie.Color1 = ColorToRGB(number(5 * i));
        pie.Color2 = ColorToRGB(number(5 * i + 1));
        pie.Percent = std::clamp(number(5 * i + 2), 0, 100);
        pie.Mode1 = number(5 * i + 3);
        result.push_back(pie);
    }
    return result;
}

void ComputeDefaultBorderWidths(TsMaskData& md) {
    const int columns = std::max<int>(md.ImageCount, 1) * 3;
    const int rows = std::max<int>(md.MaskType + 1, 1) * 3;
    md.WL = md.WR = std::int16_t(md.R.Width() / columns);
    md.WT = md.WB = std::int16_t(md.R.Height() / rows);
}

} // namespace tornivex
