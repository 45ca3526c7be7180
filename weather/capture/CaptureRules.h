#pragma once

// What the capture helper agrees to do, whoever asks: it renders only web pages and writes
// only snapshot pictures into the one folder it was started with.

#include <QString>
#include <QUrl>

// An http or https address with a host. Local files, data and script addresses and every
// other scheme are refused, for the top-level page and for everything it navigates to.
bool LoadablePage(const QUrl& Address);

// A ".bmp" file directly inside Folder (both compared after resolving links), which is
// either missing or a plain file: a link there could lead the write anywhere.
bool WritableCapture(const QString& FileName, const QString& Folder);
