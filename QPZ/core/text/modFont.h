#pragma once

#include "config/ConfigRecord.h"

#include <QString>

// The display font "QPZ", shipped as the file "QPZ.bdf" beside the program. When the desktop
// does not have it, start-up adds the file for this process only and shutdown removes it.

inline const QString DisplayFontFace = QStringLiteral("QPZ");
inline const QString DisplayFontFile = QStringLiteral("QPZ.bdf");

// Set when start-up added the font file for the running process.
extern bool FontAdded;

// True when asking for a font named FaceName gives that font and not a stand-in; the name is
// compared without regard to case.
bool FontExists(const QString &FaceName);

// Start-up: makes the display font available unless the desktop has it already. Without the
// file in Folder the user is told so, and text is drawn in a substitute font.
void InstallDisplayFont(const QString &Folder = ProgramFolder());

// Shutdown: removes the font again if InstallDisplayFont added it.
void RemoveDisplayFont();
