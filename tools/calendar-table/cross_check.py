#!/usr/bin/python3
"""Checks the generator's events against an independent computation.

PyEphem (Debian package python3-ephem) computes the Sun and the Moon with its own theories
and frames. Its instants are taken back to TT with its own ΔT and brought to UT with the
same Espenak-Meeus polynomials the generator uses, so that only the astronomy is compared.

    python3 tools/calendar-table/cross_check.py build/calendar-events.txt

Prints every event whose day (UTC+8) differs between the two, and the largest difference.
"""

import datetime
import math
import sys

import ephem

DUBLIN_TO_1970 = 2440587.5 - 2415020.0
CHINA = 8 / 24
FIRST_DAY = (datetime.date(1600, 1, 1) - datetime.date(1970, 1, 1)).days
LAST_DAY = (datetime.date(2400, 12, 31) - datetime.date(1970, 1, 1)).days


def delta_t(y):
    """Espenak and Meeus (2006), seconds; as tools/calendar-table/DeltaT.cpp."""
    if y < 1700:
        t = y - 1600
        return 120 - 0.9808 * t - 0.01532 * t**2 + t**3 / 7129
    if y < 1800:
        t = y - 1700
        return 8.83 + 0.1603 * t - 0.0059285 * t**2 + 0.00013336 * t**3 - t**4 / 1174000
    if y < 1860:
        t = y - 1800
        return (13.72 - 0.332447 * t + 0.0068612 * t**2 + 0.0041116 * t**3
                - 0.00037436 * t**4 + 0.0000121272 * t**5 - 0.0000001699 * t**6
                + 0.000000000875 * t**7)
    if y < 1900:
        t = y - 1860
        return (7.62 + 0.5737 * t - 0.251754 * t**2 + 0.01680668 * t**3
                - 0.0004473624 * t**4 + t**5 / 233174)
    if y < 1920:
        t = y - 1900
        return -2.79 + 1.494119 * t - 0.0598939 * t**2 + 0.0061966 * t**3 - 0.000197 * t**4
    if y < 1941:
        t = y - 1920
        return 21.20 + 0.84493 * t - 0.076100 * t**2 + 0.0020936 * t**3
    if y < 1961:
        t = y - 1950
        return 29.07 + 0.407 * t - t**2 / 233 + t**3 / 2547
    if y < 1986:
        t = y - 1975
        return 45.45 + 1.067 * t - t**2 / 260 - t**3 / 718
    if y < 2005:
        t = y - 2000
        return (63.86 + 0.3345 * t - 0.060374 * t**2 + 0.0017275 * t**3
                + 0.000651814 * t**4 + 0.00002373599 * t**5)
    if y < 2050:
        t = y - 2000
        return 62.92 + 0.32217 * t + 0.005589 * t**2
    u = (y - 1820) / 100
    if y < 2150:
        return -20 + 32 * u**2 - 0.5628 * (2150 - y)
    return -20 + 32 * u**2


def decimal_year(dublin):
    return 2000 + (dublin + 2415020.0 - 2451545.0) / 365.25


def local_from_ephem(dublin):
    """Local instant (days since 1970, UTC+8) of an ephem UT date, by Espenak-Meeus ΔT."""
    tt = dublin + ephem.delta_t(dublin) / 86400
    ut = tt - delta_t(decimal_year(tt)) / 86400
    return ut - DUBLIN_TO_1970 + CHINA


def ephem_from_local(local):
    ut = local - CHINA + DUBLIN_TO_1970
    tt = ut + delta_t(decimal_year(ut)) / 86400
    return tt - ephem.delta_t(tt) / 86400


def sun_longitude(dublin):
    sun = ephem.Sun()
    sun.compute(ephem.Date(dublin))
    eq = ephem.Equatorial(sun.g_ra, sun.g_dec, epoch=ephem.Date(dublin))
    return math.degrees(ephem.Ecliptic(eq, epoch=ephem.Date(dublin)).lon)


def fold(degrees):
    return degrees - 360 * math.floor((degrees + 180) / 360)


def term_instant(index, near_local):
    target = (285 + 15 * index) % 360
    d = ephem_from_local(near_local)
    for _ in range(20):
        miss = fold(target - sun_longitude(d))
        d += miss / 0.98564736
        if abs(miss) < 1e-8:
            break
    return local_from_ephem(d)


def moon_instant(near_local):
    d = ephem.next_new_moon(ephem.Date(ephem_from_local(near_local) - 5))
    return local_from_ephem(float(d))


def text(local):
    days = math.floor(local)
    seconds = round((local - days) * 86400)
    date = datetime.date(1970, 1, 1) + datetime.timedelta(days=days)
    return "%s %02d:%02d:%02d" % (date, seconds // 3600, seconds // 60 % 60, seconds % 60)


def main(path):
    differing = []
    largest = {"term": 0.0, "moon": 0.0}
    for line in open(path):
        fields = line.split()
        if fields[0] == "term":
            year, index, ours = int(fields[1]), int(fields[2]), float(fields[3])
            if not 1600 <= year <= 2400:
                continue
            theirs = term_instant(index, ours)
        else:
            ours = float(fields[1])
            if not FIRST_DAY <= ours < LAST_DAY + 1:
                continue
            theirs = moon_instant(ours)
        largest[fields[0]] = max(largest[fields[0]], abs(theirs - ours) * 86400)
        if math.floor(theirs) != math.floor(ours):
            differing.append("%s generator %s, PyEphem %s" % (fields[0], text(ours), text(theirs)))
    print("Events on a different day (UTC+8):", len(differing))
    for entry in differing:
        print("  " + entry)
    print("Largest difference: terms %.1f s, new moons %.1f s" % (largest["term"], largest["moon"]))


if __name__ == "__main__":
    main(sys.argv[1])
