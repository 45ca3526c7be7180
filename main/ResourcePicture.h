#pragma once

// Reads one of the PNG pictures compiled into the program; a null picture when there is
// none of that name. The format is named, not guessed: guessing would load every
// image-format plugin of the system to ask each whether it reads the picture, which costs
// the start-up several milliseconds and a few hundred kilobytes.

#include <QImage>
#include <QString>

QImage ResourcePicture(const QString& Name);
