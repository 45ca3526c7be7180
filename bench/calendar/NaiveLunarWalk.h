#pragma once

// Gregorian to lunar by walking the lunar years and months from lunar 1901-1-1, one table
// read per month: the plain conversion that the engine's constant-time one must agree with, kept
// here to compare speeds.
bool NaiveSolarToLunar(int Year, int Month, int Day, int& LunarYear, int& LunarMonth,
                       int& LunarDay);
