#pragma once

class MenuWidget;
class SequenceWidget;

// The reading corner: one of the five stories, page by page, turned by the
// player itself or by the two arrows.
class ReadingCorner
{
public:
    ReadingCorner(SequenceWidget* pages, MenuWidget* leftArrow, MenuWidget* rightArrow);

    // The story list is on screen, no story open; keys do nothing here.
    void enter();
    bool isOpen() const { return entered; }
    // Story 1 to 5 from its first page, with the arrows to turn it.
    void open(int story);
    // False past the first or last page: the story is over.
    bool pageBack();
    bool pageForward();
    // Stops the story and hides it with its arrows.
    void close();

private:
    SequenceWidget* pages;
    MenuWidget* leftArrow;
    MenuWidget* rightArrow;
    bool entered = false;
};
