#include "gui/frmMain.h"

#include "display/modQuarnoleds.h"
#include "gui/EmulationPanel.h"
#include "gui/EntryEditor.h"
#include "gui/LedSimulation.h"
#include "gui/PlaylistPanel.h"
#include "log/UserMessages.h"
#include "playback/PlaylistRunner.h"

#include <QGridLayout>
#include <QPlainTextEdit>
#include <QStatusBar>

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

void frmMain::FillMovieList()
{
    m_editor->FillMovieList();
}

void frmMain::ShowStatus(const QString &text)
{
    statusBar()->showMessage(text, StatusTimeoutMs);
}

void frmMain::ShowMovieInfo(const QString &text)
{
    QString shown = text;
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    m_emulation->MovieInfo()->setPlainText(shown);
}
