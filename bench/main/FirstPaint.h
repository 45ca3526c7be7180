#pragma once

// Start-up measurement: once the window or one of its controls has been painted the first time,
// prints the wall clock in nanoseconds since the epoch on one line, then leaves the process running
// for a moment so that its resident memory can be read from outside, and quits.

class QWidget;

void ReportFirstPaint(QWidget* Window);
