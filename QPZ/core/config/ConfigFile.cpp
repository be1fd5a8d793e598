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

// Reads fields in the order Fields() visits them.
class Reader
{
public:
    Reader(const QByteArray &bytes, qsizetype offset)
        : m_bytes(bytes)
        , m_pos(offset)
    {
    }

    void Int32(qint32 &value) { value = qFromLittleEndian<qint32>(Take(4)); }
    void Color(OleColor &value) { value = qFromLittleEndian<quint32>(Take(4)); }
    void Boolean(bool &value) { value = Word() != 0; }
    void String(QString &value)
    {
        const int length = Word();
        value = AnsiToUnicode(QByteArray(Take(length), length));
    }
    template<typename T>
    void List(QList<T> &values)
    {
        const int count = ListHeader();
        values.clear();
        for (int i = 0; i < count; ++i) {
            T value {};
            Element(value);
            values.append(value);
        }
    }

private:
    void Element(QString &value) { String(value); }
    void Element(bool &value) { Boolean(value); }

    quint16 Word() { return qFromLittleEndian<quint16>(Take(2)); }

    // The list header; returns the element count, refusing counts the file cannot hold (every
    // element takes at least two bytes), so a damaged count never allocates gigabytes.
    int ListHeader()
    {
        const int dimensions = Word();
        qint32 count = 0;
        qint32 lowerBound = 0;
        Int32(count);
        Int32(lowerBound);
        if (dimensions != 1 || lowerBound != 0 || count < 0)
            throw BrokenFile(BadRecordFormat, "Bad record format");
        if (qint64(count) * 2 > m_bytes.size() - m_pos)
            throw BrokenFile(InputPastEnd, "Input past end of file");
        return count;
    }

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

// Writes fields in the order Fields() visits them.
class Writer
{
public:
    void Int32(const qint32 &value) { Append(qToLittleEndian(value)); }
    void Color(const OleColor &value) { Append(qToLittleEndian(value)); }
    void Boolean(const bool &value) { Word(value ? 0xFFFF : 0x0000); }
    void String(const QString &value)
    {
        // The length field holds at most 65535 characters; longer text is cut there.
        const QByteArray bytes = UnicodeToAnsi(value).left(0xFFFF);
        Word(quint16(bytes.size()));
        m_bytes.append(bytes);
    }
    template<typename T>
    void List(const QList<T> &values)
    {
        Word(1); // dimensions
        Append(qToLittleEndian(qint32(values.size())));
        Append(qToLittleEndian(qint32(0))); // lower bound
        for (const T &value : values)
            Element(value);
    }
    QByteArray Bytes() const { return m_bytes; }

private:
    void Element(const QString &value) { String(value); }
    void Element(const bool &value) { Boolean(value); }
    void Word(quint16 value) { Append(qToLittleEndian(value)); }

    template<typename T>
    void Append(T value)
    {
        m_bytes.append(reinterpret_cast<const char *>(&value), sizeof value);
    }
    QByteArray m_bytes;
};

// The one list of the stored fields and their order, shared by reading and writing.
template<typename Stream, typename Record>
void Fields(Stream &io, Record &r)
{
    io.String(r.MoviesDir);
    io.Boolean(r.OutputEnabled);
    io.List(r.PluginNames);
    io.List(r.PluginActive);
    io.String(r.InputMode);
    io.Int32(r.UDPInPort);
    io.Boolean(r.OfflineMode);
    io.Boolean(r.RemoteEnabled);
    io.Boolean(r.RemotePasswordRequired);
    io.String(r.RemotePassword);
    io.String(r.ServerHost);
    io.Int32(r.ServerPort);
    io.Boolean(r.KeepConnection);
    io.Int32(r.Reaction);
    io.Int32(r.SamplingRate);
    io.Int32(r.Stretch);
    io.String(r.LastPlaylist);
    io.Color(r.LedOnColor);
    io.Color(r.LedOffColor);
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
        Fields(in, record);
    } catch (const BrokenFile &error) {
        return {ReadResult::Broken, error.number, QString::fromLatin1(error.what())};
    }
    return {};
}

QByteArray Write(const ConfigRecord &record)
{
    Writer out;
    Fields(out, record);
    return QByteArray(Marker, MarkerLength) + out.Bytes();
}

} // namespace ConfigFile
