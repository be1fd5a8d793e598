#include "PluginInstance.h"

#include <QMetaObject>
#include <QObject>

#include <exception>

namespace {

// Parameter forms the contract allows, as moc normalises them ("const QString &" is "QString").
enum class Arg { String, Frame, Byte, Bool };

struct MemberSignature
{
    const char *name;
    int argCount;
    std::array<Arg, 2> args;
    bool required;
};

const std::array<MemberSignature, PluginInstance::MemberCount> Signatures = { {
    { "PluginName", 0, {}, true },
    { "Init", 2, { Arg::String, Arg::String }, true },
    { "Term", 0, {}, true },
    { "Configure", 0, {}, true },
    { "OutputToDevice", 1, { Arg::Frame }, true },
    { "SetData", 2, { Arg::Byte, Arg::Bool }, false },
    { "SetClock", 1, { Arg::Bool }, false },
    { "SetStrobe", 1, { Arg::Bool }, false },
    { "SetOE", 1, { Arg::Bool }, false },
} };

bool Accepts(Arg arg, const QByteArray &type)
{
    switch (arg) {
    case Arg::String:
        return type == "QString" || type == "QString&";
    case Arg::Frame:
        // A plug-in only reads the frame: a non-const reference would let it write the host's.
        return type == "LedFrame";
    case Arg::Byte:
        return type == "uchar";
    case Arg::Bool:
        return type == "bool";
    }
    return false;
}

bool Matches(const QMetaMethod &method, int member)
{
    const MemberSignature &signature = Signatures[size_t(member)];
    const QList<QByteArray> types = method.parameterTypes();
    if (types.size() != signature.argCount)
        return false;
    for (int i = 0; i < signature.argCount; ++i)
        if (!Accepts(signature.args[size_t(i)], types[i]))
            return false;
    // PluginName's text is the one result the host uses.
    return member != PluginInstance::MemberPluginName || qstrcmp(method.typeName(), "QString") == 0;
}

} // namespace

PluginInstance::PluginInstance(QObject *object) : m_object(object) { }

PluginInstance::~PluginInstance()
{
    delete m_object;
}

std::unique_ptr<PluginInstance> PluginInstance::Adopt(QObject *object, QString *error)
{
    std::unique_ptr<PluginInstance> instance(new PluginInstance(object));
    const QMetaObject *meta = object->metaObject();
    for (int member = 0; member < MemberCount; ++member) {
        const MemberSignature &signature = Signatures[size_t(member)];
        QByteArray mismatch;
        for (int i = 0; i < meta->methodCount(); ++i) {
            const QMetaMethod method = meta->method(i);
            if (method.methodType() != QMetaMethod::Method
                && method.methodType() != QMetaMethod::Slot)
                continue;
            if (qstricmp(method.name().constData(), signature.name) != 0)
                continue;
            if (Matches(method, member)) {
                instance->m_methods[size_t(member)] = method;
                break;
            }
            mismatch = method.methodSignature();
        }
        if (signature.required && !instance->m_methods[size_t(member)].isValid()) {
            if (error) {
                *error = mismatch.isEmpty()
                    ? QStringLiteral("class %1 has no member %2")
                          .arg(QString::fromLatin1(meta->className()),
                               QString::fromLatin1(signature.name))
                    : QStringLiteral(
                          "class %1 declares %2 with other parameters than the contract's")
                          .arg(QString::fromLatin1(meta->className()),
                               QString::fromLatin1(mismatch));
            }
            return nullptr;
        }
    }
    return instance;
}

bool PluginInstance::Call(Member member, QGenericReturnArgument result, QString *error,
                          QGenericArgument a0, QGenericArgument a1)
{
    const QMetaMethod &method = m_methods[member];
    if (!method.isValid())
        return true; // an optional member the plug-in does not offer
    try {
        if (method.invoke(m_object, Qt::DirectConnection, result, a0, a1))
            return true;
        if (error)
            *error = QStringLiteral("%1 could not be called")
                         .arg(QString::fromLatin1(Signatures[member].name));
    } catch (const std::exception &exception) {
        if (error)
            *error = QString::fromLocal8Bit(exception.what());
    } catch (...) {
        if (error)
            *error = QStringLiteral("unknown exception in %1")
                         .arg(QString::fromLatin1(Signatures[member].name));
    }
    return false;
}

bool PluginInstance::PluginName(QString *name, QString *error)
{
    QString text;
    const bool ok = Call(MemberPluginName, Q_RETURN_ARG(QString, text), error);
    if (ok && name)
        *name = text;
    return ok;
}

bool PluginInstance::Init(const QString &CallingAppTitle, const QString &MyFilename, QString *error)
{
    // Copies, so a plug-in that takes the strings by non-const reference cannot change ours.
    QString title = CallingAppTitle;
    QString fileName = MyFilename;
    return Call(MemberInit, QGenericReturnArgument(), error, QGenericArgument("QString", &title),
                QGenericArgument("QString", &fileName));
}

bool PluginInstance::Term(QString *error)
{
    return Call(MemberTerm, QGenericReturnArgument(), error);
}

bool PluginInstance::Configure(QString *error)
{
    return Call(MemberConfigure, QGenericReturnArgument(), error);
}

bool PluginInstance::OutputToDevice(const LedFrame &OutputData, QString *error)
{
    return Call(MemberOutputToDevice, QGenericReturnArgument(), error,
                QGenericArgument("LedFrame", &OutputData));
}

bool PluginInstance::SetData(quint8 DataBit, bool Enable, QString *error)
{
    return Call(MemberSetData, QGenericReturnArgument(), error, Q_ARG(quint8, DataBit),
                Q_ARG(bool, Enable));
}

bool PluginInstance::SetClock(bool Enable, QString *error)
{
    return Call(MemberSetClock, QGenericReturnArgument(), error, Q_ARG(bool, Enable));
}

bool PluginInstance::SetStrobe(bool Enable, QString *error)
{
    return Call(MemberSetStrobe, QGenericReturnArgument(), error, Q_ARG(bool, Enable));
}

bool PluginInstance::SetOE(bool Enable, QString *error)
{
    return Call(MemberSetOE, QGenericReturnArgument(), error, Q_ARG(bool, Enable));
}
