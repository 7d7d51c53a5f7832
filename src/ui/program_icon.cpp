#include "ui/program_icon.h"

#include <QImage>
#include <QImageReader>

namespace quendral::ui {

namespace {

QString iconFile(int size) { return QStringLiteral(":/icons/quendral-%1.png").arg(size); }

// The pictures are the program's own PNG files: the built-in PNG reader takes them directly,
// without the format detection that would first load every installed image plugin to ask it
// (start-up speed).
QPixmap readPng(const QString& file) {
    QImageReader reader(file, "png");
    reader.setAutoDetectImageFormat(false);
    return QPixmap::fromImage(reader.read());
}

}  // namespace

QIcon programIcon() {
    QIcon icon;
    for (const int size : {16, 32, 64}) icon.addPixmap(readPng(iconFile(size)));
    return icon;
}

QPixmap programIconPicture() { return readPng(iconFile(32)); }

}  // namespace quendral::ui
