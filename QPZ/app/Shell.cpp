#include "app/Shell.h"

#include "gui/frmDebug.h"
#include "log/DebugLog.h"
#include "platform/Companion.h"
#include "platform/PowerMonitor.h"
#include "platform/TerminationSignals.h"

#include <QObject>

#include <cstdio>
#include <cstdlib>

Shell::Shell() = default;
Shell::~Shell() = default;

namespace {

void EnterStandby(Shell &shell)
{
    DebugLog(QStringLiteral("--> Going to Standby or Hibernate"));
    QString error;
    // A missing companion only means the player is not started again after waking up.
    if (!StartCompanion(shell.programFolder, shell.executablePath, shell.commandLine.Arguments,
                        &error))
        DebugLog(QStringLiteral("Could not start %1: %2").arg(CompanionName, error));
    // The shutdown ends the process. When one is already under way (the standby came during
    // it), it is left to finish and end the process itself.
    RunShutdown(shell);
}

} // namespace

void WatchPowerAndSignals(Shell &shell)
{
    if (shell.power) {
        QObject::connect(shell.power, &PowerMonitor::Suspending, shell.power,
                         [&shell] { EnterStandby(shell); });
        QObject::connect(shell.power, &PowerMonitor::Resuming, shell.power,
                         [] { DebugLog(QStringLiteral("--> Resuming Operation")); });
        shell.power->Start();
    }
    shell.terminationSignals = std::make_unique<TerminationSignals>();
    QObject::connect(shell.terminationSignals.get(), &TerminationSignals::TerminationRequested,
                     shell.terminationSignals.get(), [&shell] { RunShutdown(shell); });
}

void EndProcessNow()
{
    std::fflush(stdout);
    std::fflush(stderr);
    std::_Exit(0);
}
