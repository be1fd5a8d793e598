#include "movies/modQLM.h"

#include "log/DebugLog.h"
#include "util/Ansi.h"
#include "util/TextNumbers.h"

#include <QBuffer>
#include <QFile>
#include <QFileInfo>

#include <cstring>

MovieFrameArray MovieFrames;
std::vector<qint32> MovieDurations;
qint32 MovieFrameCount = 0;
QString MovieComment;

LedFrame MovieFrameArray::operator[](qsizetype f) const
{
    LedFrame frame;
    if (f < 0 || f >= size())
        return frame;
    const PackedFrame &rows = m_frames[size_t(f)];
    for (int row = 1; row <= LedFrame::Rows; ++row) {
        const quint32 bits = rows[size_t(row - 1)];
        for (int column = 1; column <= LedFrame::Columns; ++column)
            frame.At(column, row) = (bits >> (column - 1)) & 1u ? LedTrue : LedFalse;
    }
    return frame;
}

namespace {

constexpr qint64 ReadChunkSize = 64 * 1024;
constexpr int MovieNameHeadSize = 200;

// Reads a movie line by line as the bytes arrive. A line ends at every CR and every LF; empty
// lines are skipped, so all three usual line ends work. The result is collected here and moved
// into the store only once the whole file was read.
class MovieParser
{
public:
    MovieParser()
    {
        m_frames.emplace_back();
        m_durations.push_back(0);
    }

    void Feed(const char *data, qsizetype size)
    {
        const char *end = data + size;
        while (data < end) {
            const char *lineEnd = data;
            while (lineEnd < end && *lineEnd != '\r' && *lineEnd != '\n')
                ++lineEnd;
            const qsizetype room = MaxMovieLineLength - m_lineLength;
            const qsizetype take = std::min<qsizetype>(lineEnd - data, room);
            std::memcpy(m_line + m_lineLength, data, size_t(take));
            m_lineLength += int(take);
            if (lineEnd == end)
                return; // the line goes on in the next chunk
            if (m_lineLength > 0)
                HandleLine();
            m_lineLength = 0;
            data = lineEnd + 1;
        }
    }

    // A last line without a line end is not read.
    void Finish()
    {
        MovieFrames.Packed() = std::move(m_frames);
        MovieDurations = std::move(m_durations);
        MovieFrameCount = m_frameCount;
        MovieComment = std::move(m_comment);
    }

private:
    void HandleLine()
    {
        switch (m_line[0]) {
        case '#':
            if (m_comment.size() < MaxMovieCommentLength) {
                m_comment += AnsiToUnicode(QByteArray::fromRawData(m_line + 1, m_lineLength - 1));
                m_comment += QStringLiteral("\r\n");
            }
            break;
        case '@':
            StartFrame();
            break;
        case '0':
        case '1':
            AddRow();
            break;
        default:
            break;
        }
    }

    void StartFrame()
    {
        if (m_frameCount >= MaxMovieFrames) {
            if (!m_overflow)
                DebugLog(QStringLiteral("Movie has more than %1 frames, the rest is ignored")
                             .arg(MaxMovieFrames));
            m_overflow = true;
            return;
        }
        ++m_frameCount;
        m_frames.emplace_back();
        m_durations.push_back(DisplayTime());
        m_row = 0;
    }

    // The text after "@" read leniently and rounded half to even; plain digits, by far the
    // usual case, are read directly.
    qint32 DisplayTime() const
    {
        const char *digits = m_line + 1;
        const int count = m_lineLength - 1;
        if (count > 0 && count <= 9) {
            qint32 value = 0;
            int i = 0;
            while (i < count && digits[i] >= '0' && digits[i] <= '9')
                value = value * 10 + (digits[i++] - '0');
            if (i == count)
                return value;
        }
        return LenientInt(AnsiToUnicode(QByteArray::fromRawData(digits, count)));
    }

    // The character at position 1..18 decides column 1..18: "0" is dark, anything else and a
    // position beyond a short line's end is lit. A ninth or later row overwrites row 8.
    void AddRow()
    {
        if (m_overflow || m_frameCount == 0)
            return; // rows before the first "@" belong to no played frame
        m_row = std::min(m_row + 1, int(LedFrame::Rows));
        quint32 bits = 0;
        for (int column = 1; column <= LedFrame::Columns; ++column) {
            if (column > m_lineLength || m_line[column - 1] != '0')
                bits |= 1u << (column - 1);
        }
        m_frames.back()[size_t(m_row - 1)] = bits;
    }

    char m_line[MaxMovieLineLength];
    int m_lineLength = 0;
    int m_frameCount = 0;
    int m_row = 0;
    bool m_overflow = false;
    std::vector<MovieFrameArray::PackedFrame> m_frames;
    std::vector<qint32> m_durations;
    QString m_comment;
};

} // namespace

bool LoadMovieFrom(QIODevice &device, QString *error)
{
    MovieParser parser;
    QByteArray chunk(ReadChunkSize, Qt::Uninitialized);
    for (;;) {
        const qint64 got = device.read(chunk.data(), ReadChunkSize);
        if (got < 0) {
            if (error)
                *error = device.errorString();
            return false;
        }
        if (got == 0)
            break;
        parser.Feed(chunk.constData(), got);
    }
    parser.Finish();
    return true;
}

bool LoadMovieData(const QByteArray &data)
{
    QBuffer buffer;
    buffer.setData(data);
    buffer.open(QIODevice::ReadOnly);
    return LoadMovieFrom(buffer);
}

bool LoadMovie(const QString &Path, QString *error)
{
    if (Path.isEmpty())
        return true;
    QFile file(Path);
    if (QFileInfo(Path).isDir() || !file.open(QIODevice::ReadOnly)) {
        if (error)
            *error = QFileInfo(Path).isDir() ? QStringLiteral("is a folder") : file.errorString();
        return false;
    }
    return LoadMovieFrom(file, error);
}

std::optional<QString> MovieNameFromHead(const QByteArray &head, const QString &fileName)
{
    const QString text = AnsiToUnicode(head.left(MovieNameHeadSize));
    const qsizetype namePos = text.indexOf(QLatin1String("name"));
    if (namePos < 0)
        return fileName;

    const qsizetype equalsPos = text.indexOf(u'=', namePos);
    QString name = equalsPos >= 0 ? text.mid(equalsPos + 1) : text;
    if (name.startsWith(u' '))
        name.remove(0, 1);
    qsizetype cut = name.indexOf(u'\n');
    if (cut < 0)
        cut = name.indexOf(u'\r');
    if (cut < 0)
        return std::nullopt; // the name's line has no end within the bytes read
    name.truncate(cut);
    if (name.isEmpty())
        return QStringLiteral("[NO NAME]");
    if (name.endsWith(u'\r') || name.endsWith(u'\n'))
        name.chop(1); // the CR of a CR LF line end
    return name;
}

std::optional<QString> GetMovieName(const QString &Path, QString *error)
{
    QFile file(Path);
    if (QFileInfo(Path).isDir() || !file.open(QIODevice::ReadOnly)) {
        if (error)
            *error = file.errorString();
        return std::nullopt;
    }
    const std::optional<QString> name
        = MovieNameFromHead(file.read(MovieNameHeadSize), QFileInfo(Path).fileName());
    if (!name && error)
        *error = QStringLiteral("no line end after the name");
    return name;
}
