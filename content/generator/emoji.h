#pragma once

#include <QImage>

// Colour pictures drawn from the Noto Color Emoji font (SIL OFL 1.1).

// True when the emoji font is installed and has a picture for the code point.
bool emojiAvailable(uint codePoint);

// The emoji of one code point, trimmed to its drawn pixels and scaled
// smoothly to fit a size × size square, centred on a transparent ARGB32
// premultiplied image. A null image when the font has no such picture.
QImage renderEmoji(uint codePoint, int size);
