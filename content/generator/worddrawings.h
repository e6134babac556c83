#pragma once

#include <QImage>
#include <QString>
#include <QStringList>

// Our own word pictures, for words that no single emoji shows unmistakably:
// painted with Qt, some composed with Noto Color Emoji. `name` is the part
// after "draw:" in wordlist.tsv. A null image for an unknown name. A changed
// drawing needs the version in wordpictures.cpp bumped to be drawn again.
QImage wordDrawing(const QString& name, int size);

// Every name wordDrawing() knows.
QStringList wordDrawingNames();
