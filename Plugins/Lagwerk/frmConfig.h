#pragma once

#include "dialogs/PluginConfigDialog.h"

class QLineEdit;
class QListWidget;
class clsLagwerk;

namespace Lagwerk {

// "Konfiguration" of the delay output: which plug-in receives the delayed frames, its own
// settings, and the delay in frames.
class frmConfig : public PluginConfigDialog
{
    Q_OBJECT

public:
    explicit frmConfig(QWidget *parent = nullptr);

    // Binds the dialog to a plug-in object: lists its targets and shows its values.
    void SetClass(clsLagwerk *plugin);

private:
    int SelectedSlot() const;
    void ConfigureSelected();
    // The delay must be a number.
    QString CheckValues() const override;
    void TakeValues() override;

    clsLagwerk *m_plugin = nullptr;
    QListWidget *m_targets;
    QLineEdit *m_delay;
};

} // namespace Lagwerk
