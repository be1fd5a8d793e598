#include "HostServices.h"

#include "log/DebugLog.h"

#include <QCoreApplication>
#include <QVariant>

namespace {

struct HostServiceTable
{
    int Version;
    void (*ShowMessage)(MessageIcon, const QString &, const QString &);
    void (*DebugLog)(const QString &);
    void (*ReportStatus)(const QString &);
};

constexpr int TableVersion = 1;
constexpr char ClaimProperty[] = "qpzHostServices";

const HostServiceTable OwnTable = { TableVersion, &ShowMessage, &DebugLog, &ReportStatus };

const HostServiceTable &Services()
{
    const QCoreApplication *app = QCoreApplication::instance();
    if (!app)
        return OwnTable;
    const QVariant claim = app->property(ClaimProperty);
    const auto *table = reinterpret_cast<const HostServiceTable *>(claim.value<quintptr>());
    return table && table->Version == TableVersion ? *table : OwnTable;
}

} // namespace

void ClaimHostServices()
{
    QCoreApplication *app = QCoreApplication::instance();
    if (app && !app->property(ClaimProperty).isValid())
        app->setProperty(ClaimProperty, QVariant::fromValue(quintptr(&OwnTable)));
}

void HostShowMessage(MessageIcon icon, const QString &text, const QString &caption)
{
    Services().ShowMessage(icon, text, caption);
}

void HostDebugLog(const QString &line)
{
    Services().DebugLog(line);
}

void HostReportStatus(const QString &text)
{
    Services().ReportStatus(text);
}
