// Loads a generated 50 MB movie file and prints how fast it was read.

#include "movies/modQLM.h"
#include "timing/Pacing.h"

#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    constexpr qint64 TargetBytes = 50LL * 1024 * 1024;

    // Frames as real movies hold them: a display time, eight rows of 18 characters, CR LF.
    QByteArray block = "# name = Parse benchmark\r\n";
    for (int f = 0; f < 64; ++f) {
        block += '@' + QByteArray::number(20 + f % 50) + "\r\n";
        for (int row = 0; row < 8; ++row) {
            QByteArray line(18, '0');
            for (int c = 0; c < 18; ++c)
                line[c] = ((c * 7 + row * 3 + f) % 5) < 2 ? '1' : '0';
            block += line + "\r\n";
        }
    }

    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("big.qlm"));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return 1;
    qint64 written = 0;
    while (written < TargetBytes)
        written += file.write(block);
    file.close();

    double best = 0;
    for (int run = 0; run < 3; ++run) {
        const double start = NowMs();
        if (!LoadMovie(path))
            return 1;
        const double seconds = (NowMs() - start) / 1000.0;
        best = std::max(best, double(written) / (1024.0 * 1024.0) / seconds);
    }
    std::printf("qlm_parse_mb_per_s: %.0f MB/s\n", best);
    return MovieFrameCount > 0 ? 0 : 1;
}
