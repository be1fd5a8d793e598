#pragma once

#include "dialogs/PluginConfigDialog.h"

class QLineEdit;
class clsUDP;

namespace UDP {

// "Konfiguration" of the UDP output: the destination host and port of the frames.
class frmConfig : public PluginConfigDialog
{
    Q_OBJECT

public:
    explicit frmConfig(QWidget *parent = nullptr);

    // Binds the dialog to a plug-in object and shows its values.
    void SetClass(clsUDP *plugin);

private:
    // The port must be a number in range.
    QString CheckValues() const override;
    void TakeValues() override;

    clsUDP *m_plugin = nullptr;
    QLineEdit *m_host;
    QLineEdit *m_port;
};

} // namespace UDP
