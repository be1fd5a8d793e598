#pragma once

#include <QString>

// Single INI values, read and written with the rules of IniDocument.

// At most this many characters of a value come back, as with a 1024-character buffer.
inline constexpr int MaxIniValueLength = 1023;

// The value, cut to MaxIniValueLength characters; Default when the file, the section or the
// key is missing or the value is empty.
QString ReadIniValue(const QString &File, const QString &Section, const QString &Key,
                     const QString &Default);

// Writes one value, creating the file, the section or the key as needed; everything else in
// the file stays. Returns false when the file cannot be written.
bool WriteIniValue(const QString &File, const QString &Section, const QString &Key,
                   const QString &Value);

class IniDocument;
// The reading rule of ReadIniValue applied to a document already in memory.
QString ReadIniValue(const IniDocument &document, const QString &Section, const QString &Key,
                     const QString &Default);
