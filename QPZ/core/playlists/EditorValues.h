#pragma once

#include <QString>

// What the entry editor on the main window holds at a moment: the texts and values its
// controls show. The test play reads it, and so do the row operations that turn it into a row.
struct EditorValues
{
    QString MovieText; // the text of the movie list (an item ending in "(<key>)")
    QString DurationText; // seconds, as typed
    QString RepetitionsText;
    int Boost = 0; // -100..100
    QString TransitionText; // a caption of the transition list
    QString ScrollText;
    QString Direction; // "R->L", "L->R", "O->U", "U->O"
    int Speed = 165; // 0..200
    QString FontCaption; // face, size and style, e.g. "QPZ, 6pt, N"
};

// The entry name of a scroll text: "[scroll|" text "|" direction "|" speed "|" font "]".
inline QString ScrollEntryName(const EditorValues &values)
{
    return QStringLiteral("[scroll|") + values.ScrollText + u'|' + values.Direction + u'|'
        + QString::number(values.Speed) + u'|' + values.FontCaption + u']';
}
