#include "main/ResourcePicture.h"

#include <QImageReader>
#include <QPixmapCache>

QImage ResourcePicture(const QString& Name) {
    QImageReader Reader(Name, "png");
    Reader.setAutoDetectImageFormat(false);
    return Reader.read();
}

QPixmap CachedResourcePixmap(const QString& Name) {
    QPixmap Pixmap;
    if (!QPixmapCache::find(Name, &Pixmap)) {
        Pixmap = QPixmap::fromImage(ResourcePicture(Name));
        QPixmapCache::insert(Name, Pixmap);
    }
    return Pixmap;
}
