#pragma once

#include <QObject>
#include <QPointer>

class QSystemTrayIcon;
class QWidget;

// The player's icon in the notification area, its usual face: the main window hides at start-up
// and a double click on the icon brings it back. Where the desktop has no notification area
// (a bare X server), the window stays on screen instead, so that it can always be reached.
class TrayIcon : public QObject
{
    Q_OBJECT

public:
    explicit TrayIcon(QObject *parent = nullptr);
    ~TrayIcon() override;

    // Adds the icon with the window's icon and the tip, and hides the window unless noHide.
    // Returns whether the icon is shown; without one the window is shown and left visible.
    bool AddTrayIcon(QWidget *window, const QString &tip, bool noHide);
    void RemoveTrayIcon();

    // True between adding an icon that the desktop shows and removing it.
    bool IsShown() const;

private:
    void ShowWindow();

    QPointer<QWidget> m_window;
    QSystemTrayIcon *m_icon = nullptr;
};
