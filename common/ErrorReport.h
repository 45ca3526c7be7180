#pragma once

// The general error report: an error that is not handled where it arises is shown in a
// message box with its text; the action in progress stops and its window stays open.
// Tests replace the report to see the message instead of a box.

#include <QString>

#include <exception>
#include <functional>

using TErrorReporter = std::function<void(const QString& Text)>;

// Shows Text in a message box with an error icon (or hands it to the replaced report).
void ReportError(const QString& Text);

// Reports an exception by its text (what() read as UTF-8).
void ReportError(const std::exception& Error);

// Replaces the report; an empty function restores the message box.
void SetErrorReporter(TErrorReporter Reporter);
