// Reads a Windows .cur pointer file into a QCursor, hot spot included.
#include "ui/qt/cursor_file.h"

#include <QBuffer>
#include <QFile>
#include <QImageReader>
#include <QPixmap>

namespace lotwheel::qt {
namespace {

// The file starts with a 6-byte header (reserved 0, type 2 for cursors, image
// count), followed by one 16-byte directory entry per image.
constexpr qsizetype kHeaderSize = 6;
constexpr qsizetype kEntrySize = 16;
constexpr quint16 kCursorType = 2;

quint16 ReadU16(const QByteArray& data, qsizetype at) {
  return static_cast<quint16>(static_cast<quint8>(data[at]) |
                              static_cast<quint8>(data[at + 1]) << 8);
}

// Width and height bytes of an entry; 0 stands for 256.
int EntryExtent(const QByteArray& data, qsizetype at) {
  const int value = static_cast<quint8>(data[at]);
  return value == 0 ? 256 : value;
}

}  // namespace

std::optional<QPoint> CursorHotSpot(const QByteArray& data) {
  if (data.size() < kHeaderSize + kEntrySize) return std::nullopt;
  if (ReadU16(data, 0) != 0 || ReadU16(data, 2) != kCursorType ||
      ReadU16(data, 4) == 0) {
    return std::nullopt;
  }
  const qsizetype entry = kHeaderSize;
  const int width = EntryExtent(data, entry);
  const int height = EntryExtent(data, entry + 1);
  const int x = ReadU16(data, entry + 4);
  const int y = ReadU16(data, entry + 6);
  if (x >= width || y >= height) return std::nullopt;
  return QPoint(x, y);
}

QCursor LoadCursorFile(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return QCursor(Qt::PointingHandCursor);
  const QByteArray data = file.readAll();
  const std::optional<QPoint> hot_spot = CursorHotSpot(data);
  if (!hot_spot) return QCursor(Qt::PointingHandCursor);

  // The reader is told the format because the data comes from a buffer,
  // which has no file name to guess it from.
  QBuffer buffer;
  buffer.setData(data);
  QImageReader reader(&buffer, "cur");
  const QImage image = reader.read();
  if (image.isNull()) return QCursor(Qt::PointingHandCursor);
  return QCursor(QPixmap::fromImage(image), hot_spot->x(), hot_spot->y());
}

}  // namespace lotwheel::qt
