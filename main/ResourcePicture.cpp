#include "main/ResourcePicture.h"

#include <QImageReader>

QImage ResourcePicture(const QString& Name) {
    QImageReader Reader(Name, "png");
    Reader.setAutoDetectImageFormat(false);
    return Reader.read();
}
