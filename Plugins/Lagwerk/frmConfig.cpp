#include "frmConfig.h"

#include "clsLagwerk.h"

#include "api/NumericText.h"
#include "util/TextNumbers.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace Lagwerk {

frmConfig::frmConfig(QWidget *parent)
    : PluginConfigDialog(QStringLiteral("Lagwerk"), parent), m_targets(new QListWidget(this)),
      m_delay(new QLineEdit(this))
{
    m_targets->setObjectName(QStringLiteral("lstOutputPlugins"));
    m_targets->setMinimumWidth(fontMetrics().horizontalAdvance(QLatin1Char('M')) * 20);
    m_targets->setFixedHeight(fontMetrics().height() * 6);

    auto *settings = new QPushButton(QStringLiteral("&Einstellungen des gewählten Plugins"), this);
    settings->setObjectName(QStringLiteral("cmdPluginSettings"));
    settings->setAutoDefault(false);
    connect(settings, &QPushButton::clicked, this, &frmConfig::ConfigureSelected);

    m_delay->setObjectName(QStringLiteral("txtDelay"));
    m_delay->setAlignment(Qt::AlignCenter);
    m_delay->setMaximumWidth(fontMetrics().horizontalAdvance(QLatin1Char('0')) * 9);
    auto *delayLabel = new QLabel(QStringLiteral("&Verzögerung:"), this);
    delayLabel->setBuddy(m_delay);
    auto *delayRow = new QHBoxLayout;
    delayRow->addWidget(delayLabel);
    delayRow->addWidget(m_delay);
    delayRow->addStretch(1);

    // The list has no caption of its own in the classic dialog; without one it is a riddle.
    auto *targetsLabel = new QLabel(QStringLiteral("&Ziel-Plugin:"), this);
    targetsLabel->setBuddy(m_targets);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(targetsLabel);
    layout->addWidget(m_targets);
    layout->addWidget(settings);
    layout->addLayout(delayRow);
    AddButtons(layout);
}

void frmConfig::SetClass(clsLagwerk *plugin)
{
    m_plugin = plugin;
    m_delay->setText(QString::number(plugin->Size));
    m_targets->clear();
    const PluginSlots &pluginSlots = plugin->LoadedPlugins();
    for (qsizetype slot = 1; slot < pluginSlots.size(); ++slot) {
        if (!plugin->IsTarget(int(slot)))
            continue;
        auto *item = new QListWidgetItem(pluginSlots[slot].DisplayName, m_targets);
        item->setData(Qt::UserRole, int(slot));
        if (slot == plugin->UsePlugin)
            m_targets->setCurrentItem(item);
    }
    if (!m_targets->currentItem() && m_targets->count() > 0)
        m_targets->setCurrentRow(0);
}

int frmConfig::SelectedSlot() const
{
    const QListWidgetItem *item = m_targets->currentItem();
    return item ? item->data(Qt::UserRole).toInt() : clsLagwerk::NoTarget;
}

void frmConfig::ConfigureSelected()
{
    if (m_plugin && SelectedSlot() != clsLagwerk::NoTarget)
        m_plugin->ConfigureLoadedPlugin(SelectedSlot());
}

QString frmConfig::CheckValues() const
{
    if (!IsNumericText(m_delay->text()))
        return QStringLiteral("Eingegebene Verzögerung ist ungültig (keine Zahl)!");
    return {};
}

void frmConfig::TakeValues()
{
    if (m_plugin) {
        // With no candidate listed there is nothing to choose; the target stays as it was.
        if (SelectedSlot() != clsLagwerk::NoTarget)
            m_plugin->UsePlugin = SelectedSlot();
        m_plugin->Size = LenientInt(m_delay->text());
    }
}

} // namespace Lagwerk
