#pragma once

#include <QString>

// One playlist row. Every field but Checked is the text shown in its column, in the forms the
// editor writes ("30s", "3", "-50%", "-" where the kind of entry has no such value); numbers
// are read from the text where they are used.
struct PlaylistEntry
{
    QString Position; // "Pos.": the number the row got when it was created; moves with it
    bool Checked = true; // the runner plays checked rows only
    QString Description; // "Name"
    QString Duration = QStringLiteral("-");
    QString Repetitions = QStringLiteral("-");
    QString Boost = QStringLiteral("-");
    QString Transition = QStringLiteral("[Kein]"); // a caption of the transition list
    QString Filename; // a movie file or a special "[...]" name
    bool Played = false; // the runner's mark: played in this pass; neither shown nor stored

    bool operator==(const PlaylistEntry &) const = default;
};
