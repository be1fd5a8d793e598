#pragma once

#include <QString>

// QPZ.cfg in the program folder.
QString ConfigFilePath();

// Defaults, then the file's values. A missing file is created empty; a file with another
// marker is ignored silently; a broken one is reported and the fields read so far are kept.
void LoadConfig(const QString &path = ConfigFilePath());

// Writes the record. The new file replaces the old one in a single step, so a crash or a
// full disk never leaves a half-written file. Returns false (with the reason) when the file
// cannot be written; the program goes on.
bool SaveConfig(const QString &path = ConfigFilePath(), QString *error = nullptr);
