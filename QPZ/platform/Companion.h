#pragma once

#include <QString>
#include <QStringList>

// The standby companion "Weckwerk" lives in the program folder. Before the computer sleeps the
// player starts it with its own full path and its own arguments, so that the companion can
// start the player again after the computer has woken up. The player does not wait for it.
inline const QString CompanionName = QStringLiteral("Weckwerk");

// Starts the companion detached. False (with the reason) when it cannot be started, for
// example because it is missing.
bool StartCompanion(const QString &programFolder, const QString &playerPath,
                    const QStringList &playerArguments, QString *error = nullptr);
