#include "gui/frmMain.h"

#include "display/modQuarnoleds.h"
#include "gui/EmulationPanel.h"
#include "gui/LedSimulation.h"
#include "log/UserMessages.h"

#include <QCloseEvent>
#include <QGridLayout>
#include <QPushButton>
#include <QStatusBar>
#include <QTimer>

namespace {
// Passing news stays this long in the status bar.
constexpr int StatusTimeoutMs = 15000;
} // namespace

frmMain::frmMain(QWidget *parent) : QMainWindow(parent), m_emulation(new EmulationPanel(this))
{
    setObjectName(QStringLiteral("frmMain"));
    setWindowTitle(AppTitle);
    setWindowIcon(QIcon(QStringLiteral(":/icons/qpz.svg")));

    auto *central = new QWidget(this);
    auto *layout = new QGridLayout(central);
    layout->addWidget(m_emulation, 0, 0);
    // The settings dialog it opens comes with the dialog itself.
    auto *config = new QPushButton(QStringLiteral("Einstellungen"), central);
    config->setObjectName(QStringLiteral("cmdConfig"));
    config->setIcon(QIcon::fromTheme(QStringLiteral("preferences-system")));
    layout->addWidget(config, 1, 0, Qt::AlignLeft);
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

void frmMain::SetCloseHandler(std::function<void()> handler)
{
    m_closeHandler = std::move(handler);
}

void frmMain::SetHideWhenMinimised(bool hide)
{
    m_hideWhenMinimised = hide;
}

void frmMain::closeEvent(QCloseEvent *event)
{
    if (!m_closeHandler) {
        event->accept();
        return;
    }
    event->ignore();
    m_closeHandler();
}

void frmMain::changeEvent(QEvent *event)
{
    QMainWindow::changeEvent(event);
    if (event->type() != QEvent::WindowStateChange || !m_hideWhenMinimised || !isMinimized())
        return;
    // The window lives on as the tray icon. Hiding is deferred until the state change is over.
    QTimer::singleShot(0, this, [this] {
        hide();
        setWindowState(windowState() & ~Qt::WindowMinimized);
    });
}
