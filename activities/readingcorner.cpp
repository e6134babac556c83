#include "readingcorner.h"

#include "menuwidget.h"
#include "sequencewidget.h"

#include <iterator>

namespace {
// Pages of stories 1 to 5: the program's own constants, not read from disk.
constexpr int kStoryPages[] = {8, 8, 8, 9, 10};
} // namespace

ReadingCorner::ReadingCorner(SequenceWidget* pages, MenuWidget* leftArrow, MenuWidget* rightArrow)
    : pages(pages)
    , leftArrow(leftArrow)
    , rightArrow(rightArrow)
{
}

void ReadingCorner::open(int story)
{
    if (story < 1 || story > int(std::size(kStoryPages)))
        return;
    entered = true;
    // A run started by a click on another story must not turn this one's pages.
    pages->slotStop();
    pages->loadStoryFrames(story, kStoryPages[story - 1]);
    pages->show();
    pages->raise();
    pages->slotInit();
    for (MenuWidget* arrow : {leftArrow, rightArrow}) {
        arrow->show();
        arrow->raise();
    }
}

void ReadingCorner::enter()
{
    close();
    entered = true;
}

bool ReadingCorner::pageBack()
{
    return pages->slotBack();
}

bool ReadingCorner::pageForward()
{
    return pages->slotFwd();
}

void ReadingCorner::close()
{
    entered = false;
    pages->slotStop();
    pages->hide();
    leftArrow->hide();
    rightArrow->hide();
}
