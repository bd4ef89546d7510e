#include "DrawText.h"

#include <QFontMetrics>
#include <QPainter>
#include <QStringList>

#include <algorithm>
#include <climits>

namespace tornivex::platform {
namespace {

bool Has(std::uint32_t flags, TextFormat bit) { return (flags & bit) != 0; }

// The platform aligns vertically only single-line text; multi-line text always starts at the top.
int QtAlignment(std::uint32_t flags) {
    int align = Qt::AlignAbsolute;  // right-to-left reading must not mirror the alignment
    if (Has(flags, tfCenter)) align |= Qt::AlignHCenter;
    else if (Has(flags, tfRight)) align |= Qt::AlignRight;
    else align |= Qt::AlignLeft;
    if (Has(flags, tfSingleLine) && Has(flags, tfVCenter)) align |= Qt::AlignVCenter;
    else if (Has(flags, tfSingleLine) && Has(flags, tfBottom)) align |= Qt::AlignBottom;
    else align |= Qt::AlignTop;
    return align;
}

int QtTextFlags(std::uint32_t flags) {
    int result = QtAlignment(flags);
    if (Has(flags, tfSingleLine)) result |= Qt::TextSingleLine;
    else if (Has(flags, tfWordBreak)) result |= Qt::TextWordWrap;
    if (Has(flags, tfExpandTabs)) result |= Qt::TextExpandTabs;
    if (!Has(flags, tfNoPrefix)) result |= Qt::TextShowMnemonic;
    if (Has(flags, tfNoClip)) result |= Qt::TextDontClip;
    return result;
}

// End ellipsis shortens every line that does not fit; word-broken lines are left to wrapping.
QString ApplyEllipsis(const QFontMetrics& metrics, const QString& text, int width,
                      std::uint32_t flags) {
    if (!Has(flags, tfEndEllipsis) || (Has(flags, tfWordBreak) && !Has(flags, tfSingleLine)))
        return text;
    const int mnemonic = Has(flags, tfNoPrefix) ? 0 : int(Qt::TextShowMnemonic);
    if (Has(flags, tfSingleLine))
        return metrics.elidedText(text, Qt::ElideRight, width, mnemonic);
    QStringList lines = text.split(QLatin1Char('\n'));
    for (QString& line : lines) line = metrics.elidedText(line, Qt::ElideRight, width, mnemonic);
    return lines.join(QLatin1Char('\n'));
}

QRect MeasureBox(const QFontMetrics& metrics, const QString& text, const QRect& rect,
                 std::uint32_t flags) {
    const bool wraps = Has(flags, tfWordBreak) && !Has(flags, tfSingleLine);
    const int width = wraps ? std::max(rect.width(), 1) : INT_MAX / 4;
    const QRect room(rect.left(), rect.top(), width, INT_MAX / 4);
    const int qtFlags = QtTextFlags(flags & ~std::uint32_t(tfCenter | tfRight | tfVCenter | tfBottom));
    const QRect used = metrics.boundingRect(room, qtFlags, text);
    return QRect(rect.left(), rect.top(), wraps ? rect.width() : used.width(), used.height());
}

}  // namespace

QRect MeasureFormattedText(const QFont& font, const QString& text, const QRect& rect,
                           std::uint32_t flags) {
    const QFontMetrics metrics(font);
    return MeasureBox(metrics, ApplyEllipsis(metrics, text, rect.width(), flags), rect, flags);
}

int DrawFormattedText(QImage& target, const QFont& font, const QColor& color, const QString& text,
                      QRect& rect, std::uint32_t flags) {
    const QFontMetrics metrics(font);
    const QString shown = ApplyEllipsis(metrics, text, rect.width(), flags);
    if (Has(flags, tfCalcRect) || target.isNull() || target.width() == 0 || target.height() == 0) {
        const QRect needed = MeasureBox(metrics, shown, rect, flags);
        if (Has(flags, tfCalcRect)) rect = needed;
        return needed.height();
    }
    QPainter painter(&target);
    painter.setFont(font);
    painter.setPen(color);
    painter.setLayoutDirection(Has(flags, tfRtlReading) ? Qt::RightToLeft : Qt::LeftToRight);
    if (!Has(flags, tfNoClip)) painter.setClipRect(rect);
    QRect drawn;
    painter.drawText(rect, QtTextFlags(flags), shown, &drawn);
    return drawn.height();
}

}  // namespace tornivex::platform
