#include "gui/MessageBoxPresenter.h"

#include <QMessageBox>

void MessageBoxPresenter::ShowMessage(MessageIcon icon, const QString &text,
                                      const QString &caption)
{
    const QMessageBox::Icon boxIcon = icon == MessageIcon::Critical ? QMessageBox::Critical
        : icon == MessageIcon::Exclamation                          ? QMessageBox::Warning
                                                                    : QMessageBox::Information;
    QMessageBox box(boxIcon, caption, text, QMessageBox::Ok, m_parent);
    box.exec();
}
