#include "gui/frmMain.h"

#include "display/modQuarnoleds.h"
#include "gui/EmulationPanel.h"
#include "gui/LedSimulation.h"
#include "log/UserMessages.h"

#include <QGridLayout>
#include <QStatusBar>

namespace {
// Passing news stays this long in the status bar.
constexpr int StatusTimeoutMs = 15000;
} // namespace

frmMain::frmMain(QWidget *parent)
    : QMainWindow(parent)
    , m_emulation(new EmulationPanel(this))
{
    setObjectName(QStringLiteral("frmMain"));
    setWindowTitle(AppTitle);
    setWindowIcon(QIcon(QStringLiteral(":/icons/qpz.svg")));

    auto *central = new QWidget(this);
    auto *layout = new QGridLayout(central);
    layout->addWidget(m_emulation, 0, 0);
    setCentralWidget(central);
    statusBar()->setObjectName(QStringLiteral("staMain"));

    SetSimulationSink(m_emulation->Simulation());
    SetStatusSink(this);
}

frmMain::~frmMain()
{
    SetSimulationSink(nullptr);
    SetStatusSink(nullptr);
}

LedSimulation *frmMain::Simulation() const
{
    return m_emulation->Simulation();
}

void frmMain::ShowStatus(const QString &text)
{
    statusBar()->showMessage(text, StatusTimeoutMs);
}
