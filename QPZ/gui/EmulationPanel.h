#pragma once

#include <QGroupBox>

class LedSimulation;
class QPlainTextEdit;

// The "Emulation" frame: the LED simulation and, below it, the comment of the movie shown.
class EmulationPanel : public QGroupBox
{
    Q_OBJECT

public:
    explicit EmulationPanel(QWidget *parent = nullptr);

    LedSimulation *Simulation() const { return m_simulation; }
    QPlainTextEdit *MovieInfo() const { return m_movieInfo; }

private:
    LedSimulation *m_simulation;
    QPlainTextEdit *m_movieInfo;
};
