#include "frmConfig.h"

#include "clsUDP.h"

#include "api/NumericText.h"
#include "util/TextNumbers.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

namespace UDP {

frmConfig::frmConfig(QWidget *parent)
    : PluginConfigDialog(QStringLiteral("UDP"), parent), m_host(new QLineEdit(this)),
      m_port(new QLineEdit(this))
{
    m_host->setObjectName(QStringLiteral("txtUDPHost"));
    m_host->setAlignment(Qt::AlignCenter);
    m_host->setMinimumWidth(fontMetrics().horizontalAdvance(QLatin1Char('0')) * 18);
    m_port->setObjectName(QStringLiteral("txtUDPPort"));
    m_port->setAlignment(Qt::AlignCenter);
    m_port->setMaximumWidth(fontMetrics().horizontalAdvance(QLatin1Char('0')) * 9);

    auto *hostLabel = new QLabel(QStringLiteral("UDP-&Host:"), this);
    hostLabel->setBuddy(m_host);
    auto *portLabel = new QLabel(QStringLiteral("UDP-&Port:"), this);
    portLabel->setBuddy(m_port);

    auto *row = new QHBoxLayout;
    row->addWidget(hostLabel);
    row->addWidget(m_host, 1);
    row->addSpacing(12);
    row->addWidget(portLabel);
    row->addWidget(m_port);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(row);
    AddButtons(layout);
}

void frmConfig::SetClass(clsUDP *plugin)
{
    m_plugin = plugin;
    m_host->setText(plugin->UDPHost);
    m_port->setText(QString::number(plugin->UDPPort));
}

QString frmConfig::CheckValues() const
{
    const QString portText = m_port->text();
    // A port outside 1..65535 cannot be sent to; it is refused like text that is no number.
    const double port = LenientNumber(portText);
    if (!IsNumericText(portText) || port < 1 || port > 65535)
        return QStringLiteral("Eingegebener Port ist ungültig!");
    return {};
}

void frmConfig::TakeValues()
{
    if (m_plugin) {
        m_plugin->UDPPort = LenientInt(m_port->text());
        m_plugin->UDPHost = m_host->text();
    }
}

} // namespace UDP
