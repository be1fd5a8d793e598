#pragma once

#include "display/LedFrame.h"

#include <QMetaMethod>
#include <QString>

#include <array>
#include <memory>

class QObject;

// One created plug-in object with its contract members, looked up by name once. Every call
// goes straight to the cached QMetaMethod, so a frame costs no name lookup. A call returns false
// with the reason in *error when the member threw; a missing optional member is skipped and
// counts as success.
class PluginInstance
{
public:
    // Takes ownership of object. Fails (null, reason in *error, object deleted) when a required
    // member is missing or none of its overloads takes the contract's parameters.
    static std::unique_ptr<PluginInstance> Adopt(QObject *object, QString *error = nullptr);
    ~PluginInstance();

    PluginInstance(const PluginInstance &) = delete;
    PluginInstance &operator=(const PluginInstance &) = delete;

    QObject *Object() const { return m_object; }

    bool PluginName(QString *name, QString *error = nullptr);
    bool Init(const QString &CallingAppTitle, const QString &MyFilename, QString *error = nullptr);
    bool Term(QString *error = nullptr);
    bool Configure(QString *error = nullptr);
    bool OutputToDevice(const LedFrame &OutputData, QString *error = nullptr);

    // The hardware test lines; plug-ins without them are skipped.
    bool SetData(quint8 DataBit, bool Enable, QString *error = nullptr);
    bool SetClock(bool Enable, QString *error = nullptr);
    bool SetStrobe(bool Enable, QString *error = nullptr);
    bool SetOE(bool Enable, QString *error = nullptr);

    enum Member {
        MemberPluginName,
        MemberInit,
        MemberTerm,
        MemberConfigure,
        MemberOutputToDevice,
        MemberSetData,
        MemberSetClock,
        MemberSetStrobe,
        MemberSetOE,
        MemberCount
    };
    bool Offers(Member member) const { return m_methods[member].isValid(); }

private:
    explicit PluginInstance(QObject *object);
    bool Call(Member member, QGenericReturnArgument result, QString *error,
              QGenericArgument a0 = QGenericArgument(), QGenericArgument a1 = QGenericArgument());

    QObject *m_object;
    std::array<QMetaMethod, MemberCount> m_methods;
};
