#pragma once

// The apparent places of the Sun and the Moon and the instants the calendar is built on.
// Instants are Julian dates: TT for the astronomy, UT (by DeltaTSeconds) for the calendar.

// Apparent geocentric ecliptic longitude of date, in degrees 0 .. 360, at a TT Julian date.
double SunApparentLongitude(double JulianDateTT);
double MoonApparentLongitude(double JulianDateTT);

// The TT instant when the Sun's apparent longitude reaches Degrees, nearest to Guess.
double SunReachesLongitude(double Degrees, double GuessTT);

// The TT instant of the true new moon nearest to Guess (within a week of it).
double NewMoonNear(double GuessTT);

// The UT instant of a TT instant, and back (ΔT by Espenak and Meeus 2006).
double UniversalFromTerrestrial(double JulianDateTT);
double TerrestrialFromUniversal(double JulianDateUT);
