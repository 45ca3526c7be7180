#pragma once

// Reads one of the PNG pictures compiled into the program; a null picture when there is
// none of that name. The format is named, not guessed: guessing would load every
// image-format plugin of the system to ask each whether it reads the picture, which costs
// the start-up several milliseconds and a few hundred kilobytes.

#include <QImage>
#include <QPixmap>
#include <QString>

QImage ResourcePicture(const QString& Name);

// The same picture as a pixmap, decoded once and then kept in the application's pixmap
// cache: a held spinner button lays out a month every 100 ms, and decoding a month picture
// takes about a millisecond.
QPixmap CachedResourcePixmap(const QString& Name);
