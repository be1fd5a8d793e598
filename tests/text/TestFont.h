#pragma once

#include <QObject>

// The display font file and its install for the running process.
class TestFont : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void missingFileIsReported();
    void damagedFileIsNotAdded();
    void installAndRemove();
    void coverage();
    void glyphRows_data();
    void glyphRows();
    void umlautDotsOnTheTopRow();
};
