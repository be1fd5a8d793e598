#include "util/Rnd.h"

#include <QDateTime>
#include <QRandomGenerator>

namespace {
QRandomGenerator generator(1u);
std::function<double()> testSource;
} // namespace

double Rnd()
{
    return testSource ? testSource() : generator.generateDouble();
}

void Randomize()
{
    generator.seed(quint32(QDateTime::currentMSecsSinceEpoch()));
}

void SetRndSource(std::function<double()> source)
{
    testSource = std::move(source);
}
