#pragma once

#include "config/ConfigRecord.h"

#include <QColor>

// A stored 0x00BBGGRR colour, or a system colour by index when the top bit is set, as the
// desktop's palette shows it.
QColor ToQColor(OleColor color);
