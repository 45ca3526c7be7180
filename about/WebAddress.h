#pragma once

// Opening the maker's web address in the desktop's default web browser. The opening goes
// through one replaceable function, so tests see the address without starting a browser.

#include <QUrl>

#include <functional>

using TWebOpener = std::function<void(const QUrl&)>;

// The maker's web address, fixed when the program is built.
QUrl MakerWebAddress();

// Hands the address to the opener; whether a browser started is not reported.
void OpenWebAddress(const QUrl& Address);

// Replaces the opener; an empty function restores the desktop's default browser.
void SetWebOpener(TWebOpener Opener);
