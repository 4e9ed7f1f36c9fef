#pragma once

#include <QStringList>

namespace kst {

class TForm1;

// The files and folders named on the command line ("kestrom FILE...", and so
// a file manager's "Open with"), as absolute local paths in the order given.
// Relative paths are taken from the current folder; file: URLs are accepted
// too, and "--" (the end of options) is passed over.
QStringList commandLineFiles(const QStringList& arguments);

// Adds the paths as a drop of them would, once the event loop runs, so that
// the main window is up and any message box has a window to belong to.
void addWhenStarted(TForm1& form, const QStringList& paths);

}  // namespace kst
