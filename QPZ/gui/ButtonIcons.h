#pragma once

#include <QIcon>

// Icons of the main window's buttons: the desktop theme's icon where it has one, otherwise a
// simple picture drawn here, so the buttons look right with and without an icon theme.
enum class ButtonIcon {
    Play,
    Stop,
    NextEntry,
    NextMovie,
    Open,
    Save,
    Up,
    Down,
    Delete,
    Repeat,
    Shuffle,
    Add,
    Apply,
    Test,
};

QIcon MakeButtonIcon(ButtonIcon kind);
