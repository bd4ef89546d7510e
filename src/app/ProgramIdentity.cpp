#include "ProgramIdentity.h"

#include <QImage>
#include <QImageReader>
#include <QPixmap>

namespace tornivex {

QIcon ProgramIcon() {
    QIcon icon;
    // The sizes a window icon is drawn at (X11 takes up to 128 pixels; the desktop's menu uses the
    // installed theme icons). Read as PNG by name: letting the reader find the format would load
    // every image plugin at start-up.
    for (const int size : {16, 24, 32, 48, 64, 128}) {
        QImageReader reader(QStringLiteral(":/icons/tornivex-%1.png").arg(size), "png");
        reader.setAutoDetectImageFormat(false);
        const QImage image = reader.read();
        if (!image.isNull()) icon.addPixmap(QPixmap::fromImage(image));
    }
    return icon;
}

}  // namespace tornivex
