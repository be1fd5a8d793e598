#pragma once

#include "Recorders.h"

#include <QFile>
#include <QTemporaryDir>

// A movies folder with small one-frame movies: movie n lights the pixel (n, 1) only, so a
// recorded frame tells which movie it came from.
class MovieFolder
{
public:
    QString Path() const { return m_folder.path(); }

    // Writes "<name>.qlm": frames of frameMs each, all lighting pixel (column, 1).
    void AddMovie(const QString &name, int column, int frames = 1, int frameMs = 1)
    {
        QByteArray text = "#name = " + name.toLatin1() + '\n';
        QByteArray row(18, '0');
        row[column - 1] = '1';
        for (int i = 0; i < frames; ++i) {
            text += "@" + QByteArray::number(frameMs) + '\n' + row + '\n';
            text += QByteArray(QByteArray(18, '0') + '\n').repeated(7);
        }
        Write(name + QStringLiteral(".qlm"), text);
    }

    void Write(const QString &fileName, const QByteArray &bytes)
    {
        QFile file(m_folder.filePath(fileName));
        if (file.open(QIODevice::WriteOnly))
            file.write(bytes);
    }

private:
    QTemporaryDir m_folder;
};

// The movie a delivered frame belongs to: the column of its lit pixel in row 1, 0 for none.
inline int MovieOf(const LedFrame &frame)
{
    for (int column = 1; column <= LedFrame::Columns; ++column) {
        if (frame.IsLit(column, 1))
            return column;
    }
    return 0;
}
