#pragma once

#include <QString>
#include <QStringView>

// Numbers taken from text (playlist fields, editor boxes, frame times, settings) are read
// leniently: blanks, tabs and line feeds are skipped, then an optional sign, digits, an optional
// fraction and exponent are taken until the first other character. "&H" starts a hexadecimal
// whole number. Text without a number reads as 0, so "30s" is 30, "-50%" is -50 and "2,5" is 2.
double LenientNumber(QStringView text);

// Converting a fraction to a whole number rounds to the nearest, a half going to the even
// neighbour (12.5 -> 12, 13.5 -> 14). Values beyond the 32-bit range are clamped.
int RoundHalfEven(double value);

// Lenient reading followed by half-to-even rounding, the usual way a whole number is read.
inline int LenientInt(QStringView text)
{
    return RoundHalfEven(LenientNumber(text));
}

// The path with the separator appended unless it already ends with one.
QString AddBackslash(const QString &path);
