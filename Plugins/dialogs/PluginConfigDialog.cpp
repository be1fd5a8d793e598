#include "PluginConfigDialog.h"

#include <QDialogButtonBox>
#include <QMessageBox>
#include <QPushButton>
#include <QVBoxLayout>

PluginConfigDialog::PluginConfigDialog(const QString &warningCaption, QWidget *parent)
    : QDialog(parent), m_warningCaption(warningCaption)
{
    setObjectName(QStringLiteral("frmConfig"));
    setWindowTitle(QStringLiteral("Konfiguration"));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
}

void PluginConfigDialog::AddButtons(QVBoxLayout *layout)
{
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setText(QStringLiteral("OK"));
    buttons->button(QDialogButtonBox::Ok)->setObjectName(QStringLiteral("cmdOK"));
    buttons->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("Abbrechen"));
    buttons->button(QDialogButtonBox::Cancel)->setObjectName(QStringLiteral("cmdCancel"));
    connect(buttons, &QDialogButtonBox::accepted, this, &PluginConfigDialog::Confirm);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

void PluginConfigDialog::Confirm()
{
    const QString warning = CheckValues();
    if (!warning.isEmpty()) {
        QMessageBox::warning(this, m_warningCaption, warning);
        return;
    }
    TakeValues();
    accept();
}
