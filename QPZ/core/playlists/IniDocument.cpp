#include "playlists/IniDocument.h"

#include "util/Ansi.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace {

QString TrimBlanks(QStringView text)
{
    qsizetype start = 0;
    qsizetype end = text.size();
    while (start < end && (text[start] == u' ' || text[start] == u'\t'))
        ++start;
    while (end > start && (text[end - 1] == u' ' || text[end - 1] == u'\t'))
        --end;
    return text.mid(start, end - start).toString();
}

// The section name of a header line ("[name]"), or none when the line is not a header.
std::optional<QString> HeaderName(const QString &line)
{
    const QString trimmed = TrimBlanks(line);
    if (!trimmed.startsWith(u'['))
        return std::nullopt;
    qsizetype close = trimmed.indexOf(u']');
    if (close < 0)
        close = trimmed.size();
    return TrimBlanks(QStringView(trimmed).mid(1, close - 1));
}

// The key of a "key=value" line, or none for blank, comment and other lines.
std::optional<QString> KeyOf(const QString &line)
{
    const qsizetype equals = line.indexOf(u'=');
    if (equals < 0 || TrimBlanks(line).startsWith(u';'))
        return std::nullopt;
    return TrimBlanks(QStringView(line).left(equals));
}

} // namespace

QString IniDocument::Fold(const QString &name)
{
    return name.toCaseFolded();
}

bool IniDocument::Load(const QString &path, QString *error)
{
    Parse({});
    QFile file(path);
    if (QFileInfo(path).size() > MaxFileSize) {
        if (error)
            *error = QStringLiteral("file too large");
        return false;
    }
    if (!file.open(QIODevice::ReadOnly)) {
        if (error)
            *error = file.errorString();
        return false;
    }
    Parse(file.read(MaxFileSize));
    return true;
}

bool IniDocument::Save(const QString &path, QString *error) const
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(ToBytes()) < 0 || !file.commit()) {
        if (error)
            *error = file.errorString();
        return false;
    }
    return true;
}

void IniDocument::Parse(const QByteArray &bytes)
{
    m_sections.assign(1, Section {});
    m_sectionIndex.clear();
    if (bytes.isEmpty())
        return;
    const QString text = AnsiToUnicode(bytes);
    const QList<QStringView> lines = QStringView(text).split(u'\n');
    const qsizetype count = text.endsWith(u'\n') ? lines.size() - 1 : lines.size();
    for (qsizetype i = 0; i < count; ++i) {
        QString line = lines[i].toString();
        if (line.endsWith(u'\r'))
            line.chop(1);
        if (HeaderName(line)) {
            m_sections.push_back(Section { line, {}, {} });
            continue;
        }
        AddLine(m_sections.back(), line);
    }
    // The first section of a name wins: rebuild the index from the front.
    m_sectionIndex.clear();
    for (int i = int(m_sections.size()) - 1; i >= 1; --i)
        m_sectionIndex.insert(Fold(*HeaderName(m_sections[size_t(i)].header)), i);
}

void IniDocument::AddLine(Section &section, const QString &line)
{
    if (const auto key = KeyOf(line)) {
        const QString folded = Fold(*key);
        if (!section.keyLines.contains(folded))
            section.keyLines.insert(folded, int(section.lines.size()));
    }
    section.lines.push_back(line);
}

QByteArray IniDocument::ToBytes() const
{
    QString text;
    for (const Section &section : m_sections) {
        if (!section.header.isEmpty())
            text += section.header + QStringLiteral("\r\n");
        for (const QString &line : section.lines)
            text += line + QStringLiteral("\r\n");
    }
    return UnicodeToAnsi(text);
}

std::optional<QString> IniDocument::Value(const QString &section, const QString &key) const
{
    const auto s = m_sectionIndex.constFind(Fold(section));
    if (s == m_sectionIndex.constEnd())
        return std::nullopt;
    const Section &found = m_sections[size_t(*s)];
    const auto k = found.keyLines.constFind(Fold(key));
    if (k == found.keyLines.constEnd())
        return std::nullopt;
    const QString &line = found.lines[size_t(*k)];
    QString value = TrimBlanks(QStringView(line).mid(line.indexOf(u'=') + 1));
    if (value.size() >= 2 && (value.front() == u'"' || value.front() == u'\'')
        && value.back() == value.front())
        value = value.mid(1, value.size() - 2);
    return value;
}

void IniDocument::SetValue(const QString &section, const QString &key, const QString &value)
{
    QString cleanValue = value;
    cleanValue.replace(u'\r', u' ').replace(u'\n', u' ');
    const QString line = key + u'=' + cleanValue;

    if (m_sections.empty())
        m_sections.assign(1, Section {});
    auto s = m_sectionIndex.constFind(Fold(section));
    if (s == m_sectionIndex.constEnd()) {
        // A new section goes to the end, set off from the text before it by a blank line.
        Section &last = m_sections.back();
        if (!last.header.isEmpty() || !last.lines.empty()) {
            if (last.lines.empty() || !last.lines.back().isEmpty())
                last.lines.push_back(QString());
        }
        m_sections.push_back(Section { u'[' + section + u']', {}, {} });
        s = m_sectionIndex.insert(Fold(section), int(m_sections.size()) - 1);
    }
    Section &target = m_sections[size_t(*s)];
    const auto k = target.keyLines.constFind(Fold(key));
    if (k != target.keyLines.constEnd()) {
        target.lines[size_t(*k)] = line;
        return;
    }
    // After the section's last non-blank line, so blank lines keep separating sections.
    qsizetype at = qsizetype(target.lines.size());
    while (at > 0 && TrimBlanks(target.lines[size_t(at - 1)]).isEmpty())
        --at;
    target.lines.insert(target.lines.begin() + at, line);
    target.keyLines.insert(Fold(key), int(at));
}
