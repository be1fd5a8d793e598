#pragma once

#include <QObject>

// Scroll entry names, font captions, server answers and placeholders.
class TestScrollEntry : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void entryNames_data();
    void entryNames();
    void fontCaptions_data();
    void fontCaptions();
    void serverAnswers_data();
    void serverAnswers();
    void placeholders_data();
    void placeholders();
    void endlessPlaceholdersAreBounded_data();
    void endlessPlaceholdersAreBounded();
    void playsOrSkipsEntries_data();
    void playsOrSkipsEntries();
};
