#pragma once

#include <QByteArray>

// The display server writes the German special letters with the code points of an old DOS
// code page. This turns them into their Windows-1252 bytes; every other byte stays as it is.
//   246 -> Ö, 228 -> Ä, 252 -> Ü, 225 -> ä, 239 -> ö, 245 -> ü, 226 -> ß
// The replacements are applied in this order, one byte value at a time, so the results of the
// later ones (ä, ö, ü = 228, 246, 252) are not converted again.
QByteArray ServerTextToAnsi(QByteArray reply);
