#pragma once

// What a screen reader learns of the owner-drawn controls through Qt's accessibility: the
// month grid is a table of seven columns under its week-day headers whose cells carry the
// names the grid's owner gives them, and a spinner is a spin box with its value and range.
// The interfaces are found through a factory installed with the first such control.

// Installs the factory once per program.
void InstallControlAccessibility();
