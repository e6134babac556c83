// The stories: pages and arrows.
#include "mainwindow.h"

#include "activitycodes.h"
#include "menuwidget.h"
#include "sequencewidget.h"

namespace {
// Pages of stories 1 to 5: the program's own constants, not read from disk.
constexpr int kStoryPages[] = {8, 8, 8, 9, 10};
} // namespace

void MainWindow::slotLeer1()
{
    openStory(1, kStoryPages[0]);
}

void MainWindow::slotLeer2()
{
    openStory(2, kStoryPages[1]);
}

void MainWindow::slotLeer3()
{
    openStory(3, kStoryPages[2]);
}

void MainWindow::slotLeer4()
{
    openStory(4, kStoryPages[3]);
}

void MainWindow::slotLeer5()
{
    openStory(5, kStoryPages[4]);
}

void MainWindow::slotFlechaIzq()
{
    if (!storySequence->slotBack())
        subMenu(200);
}

void MainWindow::slotFlechaDer()
{
    if (!storySequence->slotFwd())
        subMenu(200);
}

void MainWindow::enterReadingScreen()
{
    activeSubMenu = Activity::StoriesSubMenu;
    for (MenuWidget* entry : {storiesHeader, storyButton1, storyButton2, storyButton3,
                              fablesHeader, storyButton4, storyButton5})
        entry->hide();
}

void MainWindow::openStory(int story, int pages)
{
    enterReadingScreen();
    // A run started by a click on another story must not turn this one's pages.
    storySequence->slotStop();
    storySequence->loadStoryFrames(story, pages);
    storySequence->show();
    storySequence->raise();
    storySequence->slotInit();
    for (MenuWidget* arrow : {leftArrow, rightArrow}) {
        arrow->show();
        arrow->raise();
    }
}
