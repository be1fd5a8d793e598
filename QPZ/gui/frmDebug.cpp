#include "gui/frmDebug.h"

#include "log/UserMessages.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QListWidget>
#include <QScreen>
#include <QVBoxLayout>

frmDebug::frmDebug(QWidget *parent) : QWidget(parent, Qt::Window), m_lines(new QListWidget(this))
{
    setObjectName(QStringLiteral("frmDebug"));
    setWindowTitle(QStringLiteral("Debugging-Ausgabe"));
    m_lines->setObjectName(QStringLiteral("lstDebug"));
    m_lines->setUniformItemSizes(true);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addWidget(m_lines);
    resize(420, 360);

    // Long lines do not fit the window: a double click shows the whole text.
    connect(m_lines, &QListWidget::itemDoubleClicked, this, &frmDebug::ShowLine);
}

frmDebug::~frmDebug()
{
    if (m_attached)
        SetDebugLogSink(nullptr);
}

void frmDebug::ShowAndAttach()
{
    SetDebugLogSink(this);
    m_attached = true;
    // The log goes to the right edge of the screen, clear of the main window at the left or
    // in the middle, so that both can be watched side by side.
    if (const QScreen *screen = QGuiApplication::primaryScreen()) {
        const QRect area = screen->availableGeometry();
        move(area.right() - width() - 16, area.top() + 16);
    }
    show();
}

void frmDebug::AppendLine(const QString &line)
{
    m_lines->addItem(line);
    m_lines->setCurrentRow(m_lines->count() - 1);
    m_lines->scrollToBottom();
}

void frmDebug::closeEvent(QCloseEvent *event)
{
    if (m_attached)
        SetDebugLogSink(nullptr);
    m_attached = false;
    event->accept();
}

void frmDebug::ShowLine(QListWidgetItem *item)
{
    ShowMessage(MessageIcon::Information, item->text());
}
