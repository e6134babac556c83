#pragma once

#include <QImage>
#include <QList>
#include <QString>
#include <QStringList>

constexpr int kStoriesVersion = 1;

struct StoryPage
{
    QList<uint> characters; // emoji in front
    QList<uint> scenery;    // emoji behind
    QString text;
};

struct Story
{
    int number = 0;
    QString title;
    QList<StoryPage> pages;
};

// Reads the stories file (see content/stories.txt for its form).
QList<Story> readStories(const QString& path, QString* error);

// One page, 705 x 350: the illustration on the left, the text on the right
// in the reading font, the title above the text of the first page.
QImage storyPage(const Story& story, int pageIndex);

// Writes LANG + "Cuentos/leer<story>_<page>.png".
bool writeStoryPages(const QString& storiesFile, const QString& languageFolder, QString* error);
