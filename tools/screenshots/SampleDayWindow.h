#pragma once

// The main window shown on a fixed day, 2012-10-08 10:08:08, with an empty data folder of
// its own, so that every run draws the same window: the set-up of the screenshots and the
// benchmarks. The clock and the data folder are given back when it goes.

#include "main/UMain.h"
#include "platform/Clock.h"
#include "platform/DataFolder.h"

#include <QApplication>
#include <QTemporaryDir>

#include <memory>

class TSampleDayWindow {
public:
    TSampleDayWindow() {
        platform::SetDataFolder(FData.path().toStdString() + "/");
        platform::SetClock([] { return EncodeDateTime(2012, 10, 8, 10, 8, 8); });
        FWindow = std::make_unique<TfrmManyYear>();
        FWindow->show();
        FWindow->FormActivate();
        QApplication::processEvents();
    }
    ~TSampleDayWindow() {
        platform::SetClock({});
        platform::SetDataFolder({});
    }
    TSampleDayWindow(const TSampleDayWindow&) = delete;
    TSampleDayWindow& operator=(const TSampleDayWindow&) = delete;

    TfrmManyYear& Window() { return *FWindow; }

private:
    QTemporaryDir FData;
    std::unique_ptr<TfrmManyYear> FWindow;
};
