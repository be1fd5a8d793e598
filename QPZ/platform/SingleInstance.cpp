#include "platform/SingleInstance.h"

#include <QCryptographicHash>
#include <QDateTime>
#include <QDir>
#include <QFileInfo>

#include <unistd.h>

namespace {

// A lock file this old that still cannot be taken and holds no readable owner was left by a
// run that died while writing it. Younger ones may be a second start writing it right now.
constexpr qint64 UnreadableLockAgeMs = 2000;

QString LockFileName(const QString &executablePath)
{
    const QByteArray key
        = QCryptographicHash::hash(executablePath.toUtf8(), QCryptographicHash::Sha1).toHex();
    // The user id keeps users apart when the locks end up in the shared temporary folder.
    return QStringLiteral("qpz-%1-%2.lock").arg(::getuid()).arg(QString::fromLatin1(key.left(16)));
}

} // namespace

QString ExecutablePath()
{
    const QString path = QFileInfo(QStringLiteral("/proc/self/exe")).canonicalFilePath();
    return path.isEmpty() ? QStringLiteral("qpz") : path;
}

QString SingleInstance::DefaultLockFolder()
{
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (!runtime.isEmpty() && QFileInfo(runtime).isDir())
        return runtime;
    return QDir::tempPath();
}

SingleInstance::SingleInstance(const QString &executablePath, const QString &lockFolder)
    : m_lockFilePath(QDir(lockFolder.isEmpty() ? DefaultLockFolder() : lockFolder)
                         .filePath(LockFileName(executablePath))),
      m_lock(m_lockFilePath)
{
    // The lock is held for as long as the player runs: it never goes stale by age.
    m_lock.setStaleLockTime(0);
}

SingleInstance::Claim SingleInstance::TryAcquire()
{
    // QLockFile removes a lock whose owner process is gone.
    if (m_lock.tryLock(0))
        return Claim::Acquired;
    if (m_lock.error() != QLockFile::LockFailedError)
        return Claim::Unavailable;

    // A lock without a readable owner is only removed when no process holds it open; a live
    // instance keeps its lock file locked, so that removal fails for it.
    qint64 pid = 0;
    QString hostName, appName;
    const QDateTime modified = QFileInfo(m_lockFilePath).lastModified();
    const bool unreadable = !m_lock.getLockInfo(&pid, &hostName, &appName);
    if (unreadable && modified.msecsTo(QDateTime::currentDateTime()) > UnreadableLockAgeMs
        && m_lock.removeStaleLockFile() && m_lock.tryLock(0))
        return Claim::Acquired;
    return Claim::HeldByOther;
}

void SingleInstance::Release()
{
    m_lock.unlock();
}
