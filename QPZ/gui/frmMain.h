#pragma once

#include "log/DebugLog.h"

#include <QMainWindow>

class EmulationPanel;
class LedSimulation;

// The main window: the simulation at the top left, the entry editor at the top right and the
// playlist across the bottom. It shows the engine's state and turns clicks into engine calls.
class frmMain : public QMainWindow, public StatusSink
{
    Q_OBJECT

public:
    explicit frmMain(QWidget *parent = nullptr);
    ~frmMain() override;

    LedSimulation *Simulation() const;

    // StatusSink
    void ShowStatus(const QString &text) override;

private:
    EmulationPanel *m_emulation;
};
