#include "frmConfig.h"

#include "clsLagwerk.h"

#include "api/NumericText.h"
#include "util/TextNumbers.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QVBoxLayout>

namespace Lagwerk {

frmConfig::frmConfig(QWidget *parent)
    : QDialog(parent), m_targets(new QListWidget(this)), m_delay(new QLineEdit(this))
{
    setObjectName(QStringLiteral("frmConfig"));
    setWindowTitle(QStringLiteral("Konfiguration"));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);

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

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setText(QStringLiteral("OK"));
    buttons->button(QDialogButtonBox::Ok)->setObjectName(QStringLiteral("cmdOK"));
    buttons->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("Abbrechen"));
    buttons->button(QDialogButtonBox::Cancel)->setObjectName(QStringLiteral("cmdCancel"));
    connect(buttons, &QDialogButtonBox::accepted, this, &frmConfig::TakeValues);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    // The list has no caption of its own in the classic dialog; without one it is a riddle.
    auto *targetsLabel = new QLabel(QStringLiteral("&Ziel-Plugin:"), this);
    targetsLabel->setBuddy(m_targets);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(targetsLabel);
    layout->addWidget(m_targets);
    layout->addWidget(settings);
    layout->addLayout(delayRow);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
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

void frmConfig::TakeValues()
{
    if (!IsNumericText(m_delay->text())) {
        QMessageBox::warning(this, QStringLiteral("Lagwerk"),
                             QStringLiteral("Eingegebene Verzögerung ist ungültig (keine Zahl)!"));
        return;
    }
    if (m_plugin) {
        // With no candidate listed there is nothing to choose; the target stays as it was.
        if (SelectedSlot() != clsLagwerk::NoTarget)
            m_plugin->UsePlugin = SelectedSlot();
        m_plugin->Size = LenientInt(m_delay->text());
    }
    accept();
}

} // namespace Lagwerk
