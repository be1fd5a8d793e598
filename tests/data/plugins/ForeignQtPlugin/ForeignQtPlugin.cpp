// ForeignQtPlugin.out.so: a Qt plug-in of another kind. A host must turn it away from its
// metadata; if it were loaded anyway, its static initialiser would leave a mark.

#include <QObject>
#include <QtPlugin>

#include <cstdlib>

namespace {
[[maybe_unused]] const int loadedMark = ::setenv("QPZ_FOREIGN_PLUGIN_LOADED", "1", 1);
}

class ForeignPlugin : public QObject
{
    Q_OBJECT
    Q_PLUGIN_METADATA(IID "org.example.SomethingElse/1.0")
};

#include "ForeignQtPlugin.moc"
