#pragma once

#include "config/ConfigRecord.h"

#include <QByteArray>
#include <QString>

// The binary layout of QPZ.cfg: a 20-character marker, then the record's fields in order,
// little-endian, without padding.
namespace ConfigFile {

inline constexpr char Marker[] = "QPZConfigurationFile";
inline constexpr int MarkerLength = 20;

struct ReadResult
{
    enum Status { Read, WrongMarker, Broken };
    Status status = Read;
    int errorNumber = 0;      // set when Broken
    QString errorDescription; // set when Broken
};

// Reads the fields into record. With a wrong marker the record is left alone. A broken file
// leaves the fields read so far with the file's values, text fields and lists not yet read
// empty, and other fields as they were.
ReadResult Read(const QByteArray &bytes, ConfigRecord &record);

QByteArray Write(const ConfigRecord &record);

} // namespace ConfigFile
