#include "gui/EmulationPanel.h"

#include "gui/LedSimulation.h"

#include <QPlainTextEdit>
#include <QVBoxLayout>

EmulationPanel::EmulationPanel(QWidget *parent)
    : QGroupBox(QStringLiteral("Emulation"), parent)
    , m_simulation(new LedSimulation(this))
    , m_movieInfo(new QPlainTextEdit(this))
{
    setObjectName(QStringLiteral("fraEmulation"));
    setToolTip(QStringLiteral(
        "Klicken Sie in eines der Felder um die entsprechende LED ein- oder auszuschalten"));

    m_movieInfo->setObjectName(QStringLiteral("txtMovieInfo"));
    m_movieInfo->setReadOnly(true);
    m_movieInfo->setPlaceholderText(QStringLiteral("Informationen zum Movie"));
    m_movieInfo->setToolTip(QString());
    m_movieInfo->setMaximumHeight(m_movieInfo->fontMetrics().lineSpacing() * 5);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_simulation, 1);
    layout->addWidget(m_movieInfo);
}
