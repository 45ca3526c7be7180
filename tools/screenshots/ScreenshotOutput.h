#pragma once

// What the screenshot programs share: letting the windows settle, and writing a picture
// with its name on standard output (an error on standard error when it cannot be written).

class QImage;
class QString;
class QWidget;

// Runs the event loop for the given time, so that windows draw and timers fire.
void RunEventsFor(int Milliseconds);

// Two windows as they stand on the screen, in one picture of the area they cover together.
QImage TwoWindows(QWidget& First, QWidget& Second);

// Writes the picture to File; false when it could not be written.
bool SavePicture(const QImage& Picture, const QString& File);
