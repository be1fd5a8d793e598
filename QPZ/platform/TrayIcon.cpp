#include "platform/TrayIcon.h"

#include "log/DebugLog.h"

#include <QStyle>
#include <QSystemTrayIcon>
#include <QWidget>

TrayIcon::TrayIcon(QObject *parent) : QObject(parent) { }

TrayIcon::~TrayIcon()
{
    RemoveTrayIcon();
}

bool TrayIcon::AddTrayIcon(QWidget *window, const QString &tip, bool noHide)
{
    m_window = window;
    if (!QSystemTrayIcon::isSystemTrayAvailable()) {
        DebugLog(QStringLiteral("No notification area: the main window stays visible"));
        ShowWindow();
        return false;
    }

    if (noHide)
        window->show();
    else
        window->hide();

    // An icon that cannot be drawn (an image format missing from the system) would leave an
    // empty spot in the tray and the hidden window out of reach: a standard icon stands in.
    QIcon icon = window->windowIcon();
    if (icon.pixmap(QSize(22, 22)).isNull())
        icon = window->style()->standardIcon(QStyle::SP_MediaPlay);
    m_icon = new QSystemTrayIcon(icon, this);
    m_icon->setObjectName(QStringLiteral("picTray"));
    m_icon->setToolTip(tip);
    // A left double click shows the window; single clicks and the context click do nothing.
    connect(m_icon, &QSystemTrayIcon::activated, this,
            [this](QSystemTrayIcon::ActivationReason reason) {
                if (reason == QSystemTrayIcon::DoubleClick)
                    ShowWindow();
            });
    m_icon->show();
    return true;
}

void TrayIcon::RemoveTrayIcon()
{
    if (!m_icon)
        return;
    m_icon->hide();
    delete m_icon;
    m_icon = nullptr;
}

bool TrayIcon::IsShown() const
{
    return m_icon && m_icon->isVisible();
}

void TrayIcon::ShowWindow()
{
    if (!m_window)
        return;
    m_window->showNormal();
    m_window->raise();
    m_window->activateWindow();
}
