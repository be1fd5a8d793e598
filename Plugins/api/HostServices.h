#pragma once

#include "log/UserMessages.h"

#include <QString>

// Message boxes, debug lines and status news of the host routines.
//
// The host routines are linked into the player and, as a separate copy, into every plug-in that
// hosts others (Lagwerk). Each copy has its own message presenter and debug log, and only the
// player's are connected to windows. So the outermost host claims the application for itself
// when it starts loading plug-ins, and every other copy in the process sends its messages to
// the claimer's routines; a copy that finds no claim uses its own.

void ClaimHostServices();

void HostShowMessage(MessageIcon icon, const QString &text, const QString &caption);
void HostDebugLog(const QString &line);
void HostReportStatus(const QString &text);
