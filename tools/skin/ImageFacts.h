#pragma once
// A one-line description of an image entry's file format, read from its header.
#include <QByteArray>
#include <QString>

namespace tornivex::skintool {

// For example "BMP 480x256, 24-bit, 12-byte core header" or "PNG 60x60, 8-bit RGBA"; names the
// problem for a file that is not what its name says.
QString DescribeImage(const QString& name, const QByteArray& bytes);

} // namespace tornivex::skintool
