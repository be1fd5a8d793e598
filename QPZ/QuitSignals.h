#pragma once

class QWidget;

// SIGTERM and SIGINT (the session ending, a service manager stopping the player, Ctrl+C in a
// terminal) close the window as the user would, so the normal shutdown runs: the configuration
// is saved, the display goes dark and the plug-ins are stopped.
void CloseOnQuitSignals(QWidget *window);
