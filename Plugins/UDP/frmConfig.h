#pragma once

#include <QDialog>

class QLineEdit;
class clsUDP;

namespace UDP {

// "Konfiguration" of the UDP output: the destination host and port of the frames.
class frmConfig : public QDialog
{
    Q_OBJECT

public:
    explicit frmConfig(QWidget *parent = nullptr);

    // Binds the dialog to a plug-in object and shows its values.
    void SetClass(clsUDP *plugin);

private:
    // OK: takes the values when the port is a number in range, else warns and stays open.
    void TakeValues();

    clsUDP *m_plugin = nullptr;
    QLineEdit *m_host;
    QLineEdit *m_port;
};

} // namespace UDP
