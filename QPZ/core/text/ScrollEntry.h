#pragma once

#include <QFont>
#include <QString>
#include <QtGlobal>

#include <functional>
#include <optional>

// A scroll entry of the playlist carries everything in its name:
//   "[scroll|" text "|" direction "|" speed "|" font caption "]"
// e.g. "[scroll|Hallo Welt|R->L|165|QPZ, 6pt, N]". There is no escape: a "|" inside the text
// shifts the parts after it.

struct ScrollEntry
{
    QString Text; // may hold placeholders "$" name "§"
    QString Direction; // as it stands; unknown words scroll right to left
    qint16 Speed = 0; // 0..200 in the editor, 200 the fastest
    QString FontCaption; // with the closing "]"
};

// The parts of a scroll entry name; nothing when it has fewer than five parts.
std::optional<ScrollEntry> ParseScrollEntry(const QString &Name);

// The font of a caption "face, size pt, style": the face as it stands, the size read as a
// number of points, bold, italic, underline and strikeout when the style holds "B", "I", "U"
// or "S". Nothing when the caption has fewer than three parts.
std::optional<QFont> FontFromCaption(const QString &FontCaption);

// A display-server answer made fit for the text: a final CR LF, a leading "$" and a final "§"
// go; an answer whose first two characters read as 20 is a status line, of which the text
// from its eleventh character on is kept, without surrounding blanks.
QString CleanServerAnswer(QString Answer);

// Asks the display server one command and returns its answer (empty when there is none).
using ServerQuestion = std::function<QString(const QString &Command)>;

// Limits of the placeholder replacement: answers may bring placeholders of their own, and a
// server whose answers keep doing so must not hold up the show or fill the memory.
constexpr int MaxPlaceholderQuestions = 32;
constexpr qsizetype MaxResolvedTextLength = 100000;

// Replaces the placeholders "$" name "§" of Text, first to last, by the cleaned answers to
// "getvar $" name "§"; every occurrence of a placeholder is replaced by one answer. Stops
// after MaxPlaceholderQuestions questions, or before a replacement would make the text longer
// than MaxResolvedTextLength, leaving the rest of the text as it stands.
QString ResolvePlaceholders(QString Text, const ServerQuestion &Ask);

// Plays a scroll entry: sets the font of picText from the caption, fills the placeholders
// from the display server and scrolls the text. An entry that cannot be read is skipped with
// a line in the debug log; returns whether the entry was played.
bool PlayScrollEntry(const QString &Name);
