#pragma once

#include <QByteArray>
#include <QHash>
#include <QString>

#include <optional>
#include <vector>

// An INI text file held in memory with the usual profile-file rules: section and key names
// match without regard to case (the first occurrence wins), values are trimmed and lose one
// pair of enclosing quotes, ";" starts a comment line, text is Windows-1252. Writing a value
// changes only its own line (or adds one), so every other section, key, comment and blank line
// of the file is kept as it was.
class IniDocument
{
public:
    // Files larger than this are not read: no playlist comes near it, and a hostile file must
    // not be pulled into memory whole.
    static constexpr qint64 MaxFileSize = 32 * 1024 * 1024;

    // Reads the file. A missing, unreadable or oversized file gives false and an empty
    // document.
    bool Load(const QString &path, QString *error = nullptr);
    // Writes the document in one step (a half-written file is never left behind).
    bool Save(const QString &path, QString *error = nullptr) const;

    void Parse(const QByteArray &bytes);
    QByteArray ToBytes() const;

    // The value as the profile routines return it; none when the key or section is missing.
    std::optional<QString> Value(const QString &section, const QString &key) const;
    // Replaces the key's value, adding the key (after the section's last line) or the section
    // (at the end of the file) as needed. Line breaks in the value become blanks, so a value
    // can never start a line of its own.
    void SetValue(const QString &section, const QString &key, const QString &value);

private:
    struct Section
    {
        QString header; // the header line as written; empty for the lines before any section
        std::vector<QString> lines;
        QHash<QString, int> keyLines; // folded key -> index in lines, first occurrence
    };

    void AddLine(Section &section, const QString &line);
    static QString Fold(const QString &name);

    std::vector<Section> m_sections;
    QHash<QString, int> m_sectionIndex; // folded name -> index in m_sections
};
