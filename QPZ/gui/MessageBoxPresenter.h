#pragma once

#include "log/UserMessages.h"

class QWidget;

// Shows the engine's messages as modal message boxes over the main window.
class MessageBoxPresenter : public MessagePresenter
{
public:
    explicit MessageBoxPresenter(QWidget *parent = nullptr)
        : m_parent(parent)
    {
    }
    void ShowMessage(MessageIcon icon, const QString &text, const QString &caption) override;

private:
    QWidget *m_parent;
};
