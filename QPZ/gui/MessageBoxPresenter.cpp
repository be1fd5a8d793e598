#include "gui/MessageBoxPresenter.h"

#include <QMessageBox>

void MessageBoxPresenter::ShowMessage(MessageIcon icon, const QString &text, const QString &caption)
{
    QMessageBox::Icon boxIcon = QMessageBox::Information;
    switch (icon) {
    case MessageIcon::Information:
        break;
    case MessageIcon::Exclamation:
        boxIcon = QMessageBox::Warning;
        break;
    case MessageIcon::Critical:
        boxIcon = QMessageBox::Critical;
        break;
    case MessageIcon::NoIcon:
        boxIcon = QMessageBox::NoIcon;
        break;
    }
    QMessageBox box(boxIcon, caption, text, QMessageBox::Ok, m_parent);
    box.exec();
}
