#include "PluginRegistration.h"

#include "HostServices.h"
#include "OutputPlugin.h"

#include <QHash>
#include <QJsonArray>
#include <QJsonObject>
#include <QPluginLoader>
#include <QPointer>
#include <QThread>

#include <chrono>
#include <condition_variable>
#include <exception>
#include <mutex>
#include <thread>

namespace {

// The factories of the libraries this copy of the host has registered, by path.
QHash<QString, QPointer<QObject>> &RegisteredFactories()
{
    static QHash<QString, QPointer<QObject>> factories;
    return factories;
}

bool ReadMetadata(const QJsonObject &metaData, QString *typeLibrary, QStringList *classes,
                  QString *error)
{
    if (metaData.isEmpty()) {
        *error = QStringLiteral("not a Qt plug-in");
        return false;
    }
    if (metaData.value(QLatin1String("IID")).toString() != QLatin1String(OutputPluginFactory_iid)) {
        *error = QStringLiteral("a plug-in of another kind (%1)")
                     .arg(metaData.value(QLatin1String("IID")).toString());
        return false;
    }
    const QJsonObject own = metaData.value(QLatin1String("MetaData")).toObject();
    const QString name = own.value(QLatin1String(PluginMetaTypeLibrary)).toString();
    const QJsonArray list = own.value(QLatin1String(PluginMetaClasses)).toArray();
    QStringList names;
    for (const QJsonValue &entry : list)
        if (entry.isString() && !entry.toString().isEmpty())
            names.append(entry.toString());
    if (name.isEmpty() || names.isEmpty() || names.size() != list.size()) {
        *error = QStringLiteral("its metadata does not name the library and its classes");
        return false;
    }
    *typeLibrary = name;
    *classes = names;
    return true;
}

// Shared between the waiting host and the worker, which may outlive the wait.
struct RegistrationJob
{
    std::mutex mutex;
    std::condition_variable finished;
    bool done = false;
    QString error;
    QPointer<QObject> factory;
};

void Register(RegistrationJob &job, const QString &path, QThread *hostThread)
{
    QString error;
    QObject *root = nullptr;
    try {
        QPluginLoader loader(path);
        QString typeLibrary;
        QStringList classes;
        if (ReadMetadata(loader.metaData(), &typeLibrary, &classes, &error)) {
            if (!loader.load()) {
                error = loader.errorString();
            } else {
                root = loader.instance();
                if (!qobject_cast<OutputPluginFactory *>(root)) {
                    error = QStringLiteral("its root object is not an output plug-in factory");
                    root = nullptr;
                } else if (root->thread() == QThread::currentThread()) {
                    // The factory was made here; the host calls it on its own thread.
                    root->moveToThread(hostThread);
                }
            }
        }
    } catch (const std::exception &exception) {
        error = QString::fromLocal8Bit(exception.what());
    } catch (...) {
        error = QStringLiteral("unknown exception while loading");
    }
    const std::lock_guard lock(job.mutex);
    job.error = error;
    job.factory = root;
    job.done = true;
    job.finished.notify_all();
}

} // namespace

bool RegisterPluginFile(const QString &Path)
{
    auto job = std::make_shared<RegistrationJob>();
    QString error;
    bool inTime = false;
    try {
        QThread *hostThread = QThread::currentThread();
        std::thread([job, Path, hostThread] { Register(*job, Path, hostThread); }).detach();
        std::unique_lock lock(job->mutex);
        inTime = job->finished.wait_for(lock, std::chrono::milliseconds(RegistrationTimeoutMs),
                                        [&] { return job->done; });
        error = inTime
            ? job->error
            : QStringLiteral("registration did not end within %1 ms").arg(RegistrationTimeoutMs);
        if (inTime && job->factory)
            RegisteredFactories().insert(Path, job->factory);
    } catch (const std::system_error &exception) {
        error = QStringLiteral("the registration thread could not be started (%1)")
                    .arg(QString::fromLocal8Bit(exception.what()));
    }
    if (error.isEmpty())
        return true;
    RegisteredFactories().remove(Path);
    HostDebugLog(QStringLiteral("Registering plugin %1 failed: %2").arg(Path, error));
    HostShowMessage(MessageIcon::Critical,
                    QStringLiteral("Fehler beim Registrieren des Plugins '") + Path
                        + QStringLiteral("'."),
                    QStringLiteral("QPZ Plugin Manager"));
    return false;
}

bool ReadPluginMetadata(const QString &path, QString *typeLibrary, QStringList *classes,
                        QString *error)
{
    QString reason;
    QString name;
    QStringList names;
    const bool ok = ReadMetadata(QPluginLoader(path).metaData(), &name, &names, &reason);
    if (typeLibrary)
        *typeLibrary = name;
    if (classes)
        *classes = names;
    if (error)
        *error = reason;
    return ok;
}

QList<CreatedPluginObject> CreatePluginObjects(const QString &Path, QString *libraryName)
{
    QList<CreatedPluginObject> created;
    QString typeLibrary;
    QStringList classes;
    QString error;
    if (!ReadPluginMetadata(Path, &typeLibrary, &classes, &error)) {
        HostDebugLog(QStringLiteral("No plugin classes in %1: %2").arg(Path, error));
        return created;
    }
    if (libraryName)
        *libraryName = typeLibrary;
    auto *factory = qobject_cast<OutputPluginFactory *>(RegisteredFactories().value(Path).data());
    if (!factory) {
        HostDebugLog(QStringLiteral("No plugin objects from %1: it is not registered").arg(Path));
        return created;
    }
    for (const QString &className : classes) {
        const QString identifier = typeLibrary + QLatin1Char('.') + className;
        QObject *object = nullptr;
        try {
            object = factory->CreatePluginObject(className);
        } catch (...) {
            object = nullptr;
        }
        if (!object) {
            HostReportStatus(
                QStringLiteral("Plugin-Objekt '%1' konnte nicht erzeugt werden.").arg(identifier));
            continue;
        }
        std::shared_ptr<PluginInstance> instance = PluginInstance::Adopt(object, &error);
        if (!instance) {
            HostReportStatus(
                QStringLiteral("Plugin-Objekt '%1' passt nicht zur Plugin-Schnittstelle: %2")
                    .arg(identifier, error));
            continue;
        }
        created.append({ className, instance });
    }
    return created;
}
