// Reads a Windows .cur pointer file into a QCursor, hot spot included.
#pragma once

#include <QByteArray>
#include <QCursor>
#include <QPoint>
#include <QString>
#include <optional>

namespace lotwheel::qt {

// The hot spot of the first image in a .cur file, from its directory entry.
// Empty when the data is not a cursor file or the hot spot lies outside that
// image, so a damaged file can never give a pointer that clicks beside the
// place it shows.
std::optional<QPoint> CursorHotSpot(const QByteArray& data);

// The pointer stored in the .cur file at path (a resource path works too),
// with the hot spot the file names. Qt's image reader decodes the picture but
// drops the hot spot, which is why the directory entry is read here. When the
// file cannot be read, the system's pointing hand stands in.
QCursor LoadCursorFile(const QString& path);

}  // namespace lotwheel::qt
