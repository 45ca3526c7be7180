#pragma once

// ΔT = TT - UT in seconds for a decimal Gregorian year, by the polynomials of Espenak and
// Meeus (2006) for 1600 to 2400 and beyond. Before 1955 they rest on observations; after
// 2005 they are extrapolations that grow less certain with every decade.
double DeltaTSeconds(double DecimalYear);
