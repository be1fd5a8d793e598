#pragma once

#include <QStringView>

// Whether a text typed into a settings dialog is a number as a whole: surrounding blanks,
// an optional sign, digits with an optional fraction and exponent, or "&H" followed by
// hexadecimal digits. Its value is then read with LenientNumber / LenientInt.
bool IsNumericText(QStringView text);
