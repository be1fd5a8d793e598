#pragma once

#include "log/DebugLog.h"

#include <QWidget>

class QListWidget;
class QListWidgetItem;

// The debug window "Debugging-Ausgabe": the progress lines of the debug log, newest selected.
// It exists only when the player was started with "-debug". Once the user closes it, it is
// not shown again and later lines no longer reach it (they still go to standard error).
class frmDebug : public QWidget, public DebugLogSink
{
    Q_OBJECT

public:
    explicit frmDebug(QWidget *parent = nullptr);
    ~frmDebug() override;

    // Attaches the window to the debug log and shows it beside where the main window goes.
    void ShowAndAttach();

    // DebugLogSink
    void AppendLine(const QString &line) override;

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void ShowLine(QListWidgetItem *item);

    QListWidget *m_lines;
    bool m_attached = false;
};
