#pragma once

#include <QString>

struct ContentSource;

// Composes pictures of the generated pack for people to look at: screens
// put together as the program shows them, and one sheet with every letter
// style, every menu picture and a sample of the word pictures. Written to
// a folder of its own, never into the program home.
bool writeContactSheet(const QString& home, const ContentSource& source, const QString& folder,
                       QString* error);
