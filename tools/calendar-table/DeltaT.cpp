#include "DeltaT.h"

#include <cmath>

double DeltaTSeconds(double Y) {
    if (Y < 1700) {
        const double T = Y - 1600;
        return 120 - 0.9808 * T - 0.01532 * T * T + T * T * T / 7129;
    }
    if (Y < 1800) {
        const double T = Y - 1700;
        return 8.83 + 0.1603 * T - 0.0059285 * T * T + 0.00013336 * T * T * T -
               std::pow(T, 4) / 1174000;
    }
    if (Y < 1860) {
        const double T = Y - 1800;
        return 13.72 - 0.332447 * T + 0.0068612 * T * T + 0.0041116 * std::pow(T, 3) -
               0.00037436 * std::pow(T, 4) + 0.0000121272 * std::pow(T, 5) -
               0.0000001699 * std::pow(T, 6) + 0.000000000875 * std::pow(T, 7);
    }
    if (Y < 1900) {
        const double T = Y - 1860;
        return 7.62 + 0.5737 * T - 0.251754 * T * T + 0.01680668 * std::pow(T, 3) -
               0.0004473624 * std::pow(T, 4) + std::pow(T, 5) / 233174;
    }
    if (Y < 1920) {
        const double T = Y - 1900;
        return -2.79 + 1.494119 * T - 0.0598939 * T * T + 0.0061966 * std::pow(T, 3) -
               0.000197 * std::pow(T, 4);
    }
    if (Y < 1941) {
        const double T = Y - 1920;
        return 21.20 + 0.84493 * T - 0.076100 * T * T + 0.0020936 * std::pow(T, 3);
    }
    if (Y < 1961) {
        const double T = Y - 1950;
        return 29.07 + 0.407 * T - T * T / 233 + std::pow(T, 3) / 2547;
    }
    if (Y < 1986) {
        const double T = Y - 1975;
        return 45.45 + 1.067 * T - T * T / 260 - std::pow(T, 3) / 718;
    }
    if (Y < 2005) {
        const double T = Y - 2000;
        return 63.86 + 0.3345 * T - 0.060374 * T * T + 0.0017275 * std::pow(T, 3) +
               0.000651814 * std::pow(T, 4) + 0.00002373599 * std::pow(T, 5);
    }
    if (Y < 2050) {
        const double T = Y - 2000;
        return 62.92 + 0.32217 * T + 0.005589 * T * T;
    }
    const double U = (Y - 1820) / 100;
    if (Y < 2150) {
        return -20 + 32 * U * U - 0.5628 * (2150 - Y);
    }
    return -20 + 32 * U * U;
}
