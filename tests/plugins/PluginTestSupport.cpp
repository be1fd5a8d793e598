#include "PluginTestSupport.h"

#include "api/SettingsStore.h"
#include "log/UserMessages.h"

#include <QAbstractButton>
#include <QApplication>
#include <QFile>
#include <QMessageBox>
#include <QSettings>
#include <QTimer>

#include <stdexcept>

namespace {

QString FindPluginFile(const QString &fileName)
{
    for (const QString &folder : { QStringLiteral(QPZ_BIN_DIR), QStringLiteral(QPZ_PLUGIN_FIXTURES),
                                   QStringLiteral(QPZ_TEST_DATA "/plugins") }) {
        const QString path = folder + QLatin1Char('/') + fileName;
        if (QFile::exists(path))
            return path;
    }
    throw std::runtime_error("no such plug-in file: " + fileName.toStdString());
}

} // namespace

PluginFolder::PluginFolder(const QStringList &files)
{
    for (const QString &entry : files) {
        const QString source = entry.section(QLatin1Char('='), 0, 0);
        const QString target
            = entry.contains(QLatin1Char('=')) ? entry.section(QLatin1Char('='), 1) : source;
        if (!QFile::copy(FindPluginFile(source), m_dir.filePath(target)))
            throw std::runtime_error("cannot copy " + source.toStdString());
    }
}

ScratchSettings::ScratchSettings()
{
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, m_dir.path());
}

void ScratchSettings::Set(const QString &fileName, const QString &key, const QString &value)
{
    SettingsStore(AppTitle).SaveSetting(SettingsStore::PluginSection(fileName), key, value);
}

QString ScratchSettings::Get(const QString &fileName, const QString &key) const
{
    return SettingsStore(AppTitle).GetSetting(SettingsStore::PluginSection(fileName), key,
                                              QStringLiteral("<absent>"));
}

QList<LedFrame> FramesOf(QObject *recorder)
{
    QList<LedFrame> frames;
    for (const QByteArray &bytes : Ask<QByteArrayList>(recorder, "Frames")) {
        LedFrame frame;
        std::memcpy(frame.Pixel.data(), bytes.constData(), sizeof frame);
        frames.append(frame);
    }
    return frames;
}

void OnNextModal(std::function<void(QWidget *)> action, QWidget *skip)
{
    auto *timer = new QTimer;
    auto attempts = std::make_shared<int>(0);
    QObject::connect(timer, &QTimer::timeout, [timer, action, skip, attempts] {
        QWidget *modal = QApplication::activeModalWidget();
        if ((!modal || modal == skip) && ++*attempts < 500)
            return;
        timer->stop();
        timer->deleteLater();
        if (modal && modal != skip)
            action(modal);
    });
    timer->start(10);
}

void CloseNextMessageBox(QStringList *texts, QWidget *skip)
{
    OnNextModal(
        [texts](QWidget *modal) {
            if (auto *box = qobject_cast<QMessageBox *>(modal))
                texts->append(box->text());
            modal->close();
        },
        skip);
}

void Click(QWidget *window, const char *buttonName)
{
    auto *button = window->findChild<QAbstractButton *>(QLatin1String(buttonName));
    if (!button)
        throw std::runtime_error(std::string("no button ") + buttonName);
    button->click();
}
