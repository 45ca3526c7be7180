#include "Astronomy.h"

#include "DeltaT.h"

#include <erfa.h>
#include <erfam.h>
#include <libnova/lunar.h>

#include <cmath>

// ERFA gives the Earth's orbit (eraEpv00, fitted to VSOP87 and the JPL ephemerides), the
// IAU 2006 precession, the IAU 2000A nutation and aberration; libnova gives the Moon by the
// full ELP 2000-82B series, on the mean ecliptic and equinox of J2000. The places are put
// together here: the Sun from the Earth's heliocentric place with annual aberration, the Moon
// from its geocentric place one light-time earlier turned from the J2000 ecliptic to the
// GCRS, both then turned to the true equator of date and to the true ecliptic of date.

namespace {

constexpr double LightDaysPerAu = ERFA_AULT / ERFA_DAYSEC;

// The turn from the GCRS to the true equator of date, and the true obliquity of date.
struct TFrameOfDate {
    double Matrix[3][3];
    double Obliquity;
};

TFrameOfDate FrameOfDate(double JulianDateTT) {
    TFrameOfDate Frame{};
    double Dpsi = 0;
    double Deps = 0;
    double MeanObliquity = 0;
    double Bias[3][3];
    double Precession[3][3];
    double BiasPrecession[3][3];
    double Nutation[3][3];
    eraPn06a(JulianDateTT, 0, &Dpsi, &Deps, &MeanObliquity, Bias, Precession, BiasPrecession,
             Nutation, Frame.Matrix);
    Frame.Obliquity = MeanObliquity + Deps;
    return Frame;
}

double EclipticLongitudeOfDate(const double (&Gcrs)[3], const TFrameOfDate& Frame) {
    double True[3];
    eraRxp(const_cast<double(*)[3]>(Frame.Matrix), const_cast<double*>(Gcrs), True);
    const double Y = True[1] * std::cos(Frame.Obliquity) + True[2] * std::sin(Frame.Obliquity);
    const double Longitude = std::atan2(Y, True[0]) * ERFA_DR2D;
    return Longitude < 0 ? Longitude + 360 : Longitude;
}

double SunLongitude(double JulianDateTT, const TFrameOfDate& Frame) {
    double Heliocentric[2][3];
    double Barycentric[2][3];
    eraEpv00(JulianDateTT, 0, Heliocentric, Barycentric);
    double Direction[3];
    double Distance = 0;
    double Sun[3] = {-Heliocentric[0][0], -Heliocentric[0][1], -Heliocentric[0][2]};
    eraPn(Sun, &Distance, Direction);
    double Velocity[3];
    eraSxp(LightDaysPerAu, Barycentric[1], Velocity);
    const double Bm1 = std::sqrt(1 - eraPm(Velocity) * eraPm(Velocity));
    double Apparent[3];
    eraAb(Direction, Velocity, Distance, Bm1, Apparent);
    return EclipticLongitudeOfDate(Apparent, Frame);
}

// The series is cut where its terms fall below 1e-8 radians (0.002"); what is left out
// moves the Moon by about 0.01", a fiftieth of a second in time.
constexpr double MoonSeriesCut = 1e-8;
// The Moon's mean motion in degrees per day, for the light-time.
constexpr double MoonMeanMotion = 13.176;

double MoonLongitude(double JulianDateTT, const TFrameOfDate& Frame) {
    ln_rect_posn Moon{};
    ln_get_lunar_geo_posn(JulianDateTT, &Moon, MoonSeriesCut);
    double Ecliptic[3] = {Moon.X, Moon.Y, Moon.Z};
    double ToEcliptic[3][3];
    eraEcm06(ERFA_DJ00, 0, ToEcliptic);
    double Gcrs[3];
    eraTrxp(ToEcliptic, Ecliptic, Gcrs);
    // Seen as it was one light-time earlier.
    const double LightTime = eraPm(Ecliptic) * 1000 / ERFA_CMPS / ERFA_DAYSEC;
    return EclipticLongitudeOfDate(Gcrs, Frame) - LightTime * MoonMeanMotion;
}

// The difference A - B folded into -180 .. 180.
double Fold(double Degrees) {
    return Degrees - 360 * std::floor((Degrees + 180) / 360);
}

} // namespace

double SunApparentLongitude(double JulianDateTT) {
    return SunLongitude(JulianDateTT, FrameOfDate(JulianDateTT));
}

double MoonApparentLongitude(double JulianDateTT) {
    return MoonLongitude(JulianDateTT, FrameOfDate(JulianDateTT));
}

double SunReachesLongitude(double Degrees, double GuessTT) {
    double T = GuessTT;
    for (int Step = 0; Step < 20; ++Step) {
        const double Miss = Fold(Degrees - SunApparentLongitude(T));
        T += Miss / 0.98564736;
        if (std::fabs(Miss) < 1e-9) {
            break;
        }
    }
    return T;
}

double NewMoonNear(double GuessTT) {
    double T = GuessTT;
    for (int Step = 0; Step < 30; ++Step) {
        const TFrameOfDate Frame = FrameOfDate(T);
        const double Miss = Fold(SunLongitude(T, Frame) - MoonLongitude(T, Frame));
        T += Miss / 12.1907;
        if (std::fabs(Miss) < 1e-9) {
            break;
        }
    }
    return T;
}

namespace {

double DecimalYear(double JulianDate) {
    return 2000 + (JulianDate - ERFA_DJ00) / ERFA_DJY;
}

} // namespace

double UniversalFromTerrestrial(double JulianDateTT) {
    return JulianDateTT - DeltaTSeconds(DecimalYear(JulianDateTT)) / ERFA_DAYSEC;
}

double TerrestrialFromUniversal(double JulianDateUT) {
    return JulianDateUT + DeltaTSeconds(DecimalYear(JulianDateUT)) / ERFA_DAYSEC;
}
