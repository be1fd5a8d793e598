#pragma once

#include <QByteArray>
#include <QString>

// Text in files and on the wire is 8-bit Windows-1252, one byte per character. Inside the
// program every text is a QString; these two convert at the boundary.
QString AnsiToUnicode(const QByteArray &bytes);

// Characters without a Windows-1252 byte become "?".
QByteArray UnicodeToAnsi(const QString &text);
