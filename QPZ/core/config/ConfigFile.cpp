#include "config/ConfigFile.h"

#include "util/Ansi.h"

#include <QtEndian>

#include <stdexcept>

namespace ConfigFile {
namespace {

// Error numbers and texts in the form the user has always been shown.
constexpr int InputPastEnd = 62;
constexpr int BadRecordFormat = 59;

struct BrokenFile : std::runtime_error
{
    BrokenFile(int number, const char *text)
        : std::runtime_error(text)
        , number(number)
    {
    }
    int number;
};

class Reader
{
public:
    Reader(const QByteArray &bytes, qsizetype offset)
        : m_bytes(bytes)
        , m_pos(offset)
    {
    }

    qint32 Int32() { return qFromLittleEndian<qint32>(Take(4)); }
    quint16 Word() { return qFromLittleEndian<quint16>(Take(2)); }
    bool Boolean() { return Word() != 0; }
    QString String()
    {
        const int length = Word();
        return AnsiToUnicode(QByteArray(Take(length), length));
    }

    // The list header; returns the element count, refusing counts the file cannot hold.
    int ListHeader(int minimumElementSize)
    {
        const int dimensions = Word();
        const qint32 count = Int32();
        const qint32 lowerBound = Int32();
        if (dimensions != 1 || lowerBound != 0 || count < 0)
            throw BrokenFile(BadRecordFormat, "Bad record format");
        if (qint64(count) * minimumElementSize > m_bytes.size() - m_pos)
            throw BrokenFile(InputPastEnd, "Input past end of file");
        return count;
    }

private:
    const char *Take(qsizetype n)
    {
        if (n > m_bytes.size() - m_pos)
            throw BrokenFile(InputPastEnd, "Input past end of file");
        const char *data = m_bytes.constData() + m_pos;
        m_pos += n;
        return data;
    }

    const QByteArray &m_bytes;
    qsizetype m_pos;
};

class Writer
{
public:
    void Int32(qint32 value) { Append(qToLittleEndian(value)); }
    void Word(quint16 value) { Append(qToLittleEndian(value)); }
    void Boolean(bool value) { Word(value ? 0xFFFF : 0x0000); }
    void String(const QString &text)
    {
        // The length field holds at most 65535 characters; longer text is cut there.
        const QByteArray bytes = UnicodeToAnsi(text).left(0xFFFF);
        Word(quint16(bytes.size()));
        m_bytes.append(bytes);
    }
    void ListHeader(qsizetype count)
    {
        Word(1);
        Int32(qint32(count));
        Int32(0);
    }
    QByteArray Bytes() const { return m_bytes; }

private:
    template<typename T>
    void Append(T value)
    {
        m_bytes.append(reinterpret_cast<const char *>(&value), sizeof value);
    }
    QByteArray m_bytes;
};

void ReadFields(Reader &in, ConfigRecord &r)
{
    r.MoviesDir = in.String();
    r.OutputEnabled = in.Boolean();
    const int names = in.ListHeader(2);
    for (int i = 0; i < names; ++i)
        r.PluginNames.append(in.String());
    const int flags = in.ListHeader(2);
    for (int i = 0; i < flags; ++i)
        r.PluginActive.append(in.Boolean());
    r.InputMode = in.String();
    r.UDPInPort = in.Int32();
    r.OfflineMode = in.Boolean();
    r.RemoteEnabled = in.Boolean();
    r.RemotePasswordRequired = in.Boolean();
    r.RemotePassword = in.String();
    r.ServerHost = in.String();
    r.ServerPort = in.Int32();
    r.KeepConnection = in.Boolean();
    r.Reaction = in.Int32();
    r.SamplingRate = in.Int32();
    r.Stretch = in.Int32();
    r.LastPlaylist = in.String();
    r.LedOnColor = OleColor(in.Int32());
    r.LedOffColor = OleColor(in.Int32());
}

} // namespace

ReadResult Read(const QByteArray &bytes, ConfigRecord &record)
{
    if (!bytes.startsWith(QByteArray::fromRawData(Marker, MarkerLength)))
        return {ReadResult::WrongMarker, 0, {}};

    for (QString *text : {&record.MoviesDir, &record.InputMode, &record.RemotePassword,
                          &record.ServerHost, &record.LastPlaylist})
        text->clear();
    record.PluginNames.clear();
    record.PluginActive.clear();

    Reader in(bytes, MarkerLength);
    try {
        ReadFields(in, record);
    } catch (const BrokenFile &error) {
        return {ReadResult::Broken, error.number, QString::fromLatin1(error.what())};
    }
    return {};
}

QByteArray Write(const ConfigRecord &r)
{
    Writer fields;
    fields.String(r.MoviesDir);
    fields.Boolean(r.OutputEnabled);
    fields.ListHeader(r.PluginNames.size());
    for (const QString &name : r.PluginNames)
        fields.String(name);
    fields.ListHeader(r.PluginActive.size());
    for (bool active : r.PluginActive)
        fields.Boolean(active);
    fields.String(r.InputMode);
    fields.Int32(r.UDPInPort);
    fields.Boolean(r.OfflineMode);
    fields.Boolean(r.RemoteEnabled);
    fields.Boolean(r.RemotePasswordRequired);
    fields.String(r.RemotePassword);
    fields.String(r.ServerHost);
    fields.Int32(r.ServerPort);
    fields.Boolean(r.KeepConnection);
    fields.Int32(r.Reaction);
    fields.Int32(r.SamplingRate);
    fields.Int32(r.Stretch);
    fields.String(r.LastPlaylist);
    fields.Int32(qint32(r.LedOnColor));
    fields.Int32(qint32(r.LedOffColor));
    return QByteArray(Marker, MarkerLength) + fields.Bytes();
}

} // namespace ConfigFile
