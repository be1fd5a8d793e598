#include "gui/frmMain.h"

#include "display/modQuarnoleds.h"
#include "gui/EmulationPanel.h"
#include "gui/EntryEditor.h"
#include "gui/LedSimulation.h"
#include "gui/PlaylistPanel.h"
#include "log/UserMessages.h"
#include "playback/PlaylistRunner.h"

#include <QCloseEvent>
#include <QGridLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QStatusBar>
#include <QTimer>

namespace {
// Passing news stays this long in the status bar.
constexpr int StatusTimeoutMs = 15000;
} // namespace

frmMain::frmMain(PlaylistRunner &runner, QWidget *parent)
    : QMainWindow(parent), m_emulation(new EmulationPanel(this)), m_editor(new EntryEditor(this)),
      m_playlist(new PlaylistPanel(runner, this))
{
    setObjectName(QStringLiteral("frmMain"));
    setWindowTitle(AppTitle);
    setWindowIcon(QIcon(QStringLiteral(":/icons/qpz.svg")));

    auto *central = new QWidget(this);
    auto *layout = new QGridLayout(central);
    layout->addWidget(m_emulation, 0, 0);
    layout->addWidget(m_editor, 0, 1);
    layout->addWidget(m_playlist, 1, 0, 1, 2);
    layout->setColumnStretch(0, 1);
    layout->setColumnStretch(1, 1);
    layout->setRowStretch(0, 1);
    layout->setRowStretch(1, 1);
    setCentralWidget(central);
    statusBar()->setObjectName(QStringLiteral("staMain"));
    // Reading order: simulation, editor, then the playlist with its buttons.
    setTabOrder(m_emulation, m_editor);
    setTabOrder(m_editor, m_playlist);
    // Room for the simulation and a dozen playlist rows from the first start on.
    resize(sizeHint().expandedTo(QSize(960, 720)));

    connect(&runner, &PlaylistRunner::PlayingChanged, m_playlist, &PlaylistPanel::SetPlaying);
    connect(&runner, &PlaylistRunner::PlayingChanged, m_editor, &EntryEditor::SetPlaying);
    connect(&runner, &PlaylistRunner::TestPlayingChanged, m_editor, &EntryEditor::SetTestPlaying);
    connect(m_editor, &EntryEditor::TestPlayClicked, &runner,
            [this, &runner] { runner.ToggleTestPlay(m_editor->Values()); });

    SetSimulationSink(m_emulation->Simulation());
    SetStatusSink(this);
    SetMovieInfoSink(this);
}

frmMain::~frmMain()
{
    SetSimulationSink(nullptr);
    SetStatusSink(nullptr);
    SetMovieInfoSink(nullptr);
}

LedSimulation *frmMain::Simulation() const
{
    return m_emulation->Simulation();
}

void frmMain::SelectEditorDefaults()
{
    m_editor->SelectDefaults();
}

void frmMain::ShowAboutNotice(const QString &notice)
{
    auto *label = statusBar()->findChild<QLabel *>(QStringLiteral("lblCopy"));
    if (!label) {
        label = new QLabel(statusBar());
        label->setObjectName(QStringLiteral("lblCopy"));
        label->setEnabled(false); // quiet, like a caption
        statusBar()->addPermanentWidget(label);
    }
    label->setText(notice);
}

void frmMain::FillMovieList()
{
    m_editor->FillMovieList();
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

void frmMain::ShowMovieInfo(const QString &text)
{
    QString shown = text;
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    m_emulation->MovieInfo()->setPlainText(shown);
}
