#pragma once

#include <QDialog>

class QVBoxLayout;

// What every plug-in's "Konfiguration" dialog has in common: its name and title, the OK and
// "Abbrechen" buttons below the plug-in's own controls, a fixed size, and an OK that takes the
// values only when they pass the plug-in's check and otherwise warns and keeps the dialog open.
class PluginConfigDialog : public QDialog
{
    Q_OBJECT

public:
    // warningCaption is the caption of the warning about values that cannot be taken.
    PluginConfigDialog(const QString &warningCaption, QWidget *parent);

protected:
    // Puts the buttons below the plug-in's controls in layout and fixes the dialog's size. The
    // plug-in's constructor calls it last, so the buttons also come last in the tab order.
    void AddButtons(QVBoxLayout *layout);

    // The warning that keeps the dialog open, or an empty text when the values can be taken.
    virtual QString CheckValues() const = 0;
    // Hands the checked values to the plug-in object.
    virtual void TakeValues() = 0;

private:
    void Confirm();

    QString m_warningCaption;
};
