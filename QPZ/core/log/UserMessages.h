#pragma once

#include <QString>

// Message boxes reach the engine through this interface, so the engine needs no widgets and
// tests see what the user would have been told.

enum class MessageIcon { Information, Exclamation, Critical, NoIcon };

class MessagePresenter
{
public:
    virtual ~MessagePresenter() = default;
    virtual void ShowMessage(MessageIcon icon, const QString &text, const QString &caption) = 0;
};

// The application title, the caption of message boxes that name no other.
inline const QString AppTitle = QStringLiteral("QuarnoPlayer ZORVIK");

// Installs the presenter; without one, messages go to the debug log and standard error.
void SetMessagePresenter(MessagePresenter *presenter);

// Shows a modal message box (or whatever the installed presenter does with it).
void ShowMessage(MessageIcon icon, const QString &text, const QString &caption = AppTitle);
