#pragma once

#include <QLockFile>
#include <QString>

// The full path of the running program file, known before any Qt application object exists.
QString ExecutablePath();

// Only one player runs per program file and user: a lock file named after the executable's
// path, held for the whole run. A lock left behind by a crashed run does not block the next
// start.
class SingleInstance
{
public:
    enum class Claim {
        Acquired, // this is the only instance
        HeldByOther, // another instance of this program file is running
        Unavailable // the lock file cannot be made (no writable folder): run unguarded
    };

    explicit SingleInstance(const QString &executablePath, const QString &lockFolder = {});

    // Takes the lock without waiting.
    Claim TryAcquire();
    // Gives the lock back, so that the next start need not decide whether it is stale.
    void Release();

    QString LockFilePath() const { return m_lockFilePath; }

    // The folder for the lock: the user's runtime folder, else the temporary folder.
    static QString DefaultLockFolder();

private:
    QString m_lockFilePath;
    QLockFile m_lock;
};
