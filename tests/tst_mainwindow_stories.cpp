// The five stories: fixed page counts, the arrows at both ends, the
// automatic run on a click.
#include "mainwindow.h"
#include "menuwidget.h"
#include "sequencewidget.h"
#include "widgets.h"
#include "windowfixture.h"

#include <QSignalSpy>
#include <QTest>

class TestMainWindowStories : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void shouldTurnEveryPageThenReturnToList_data();
    void shouldTurnEveryPageThenReturnToList();
    void shouldRunPagesOnClick();
};

namespace {
void openStory(MainWindow* w, int story)
{
    w->menu(300);
    w->subMenu(200);
    void (MainWindow::*slots[])() = {&MainWindow::slotLeer1, &MainWindow::slotLeer2,
                                     &MainWindow::slotLeer3, &MainWindow::slotLeer4,
                                     &MainWindow::slotLeer5};
    (w->*slots[story - 1])();
}

bool listShown(const MainWindow* w)
{
    return !child<MenuWidget>(w, "storyButton1")->isHidden() && !child<MenuWidget>(w, "storyButton5")->isHidden()
        && child<SequenceWidget>(w, "storySequence")->isHidden();
}
} // namespace

void TestMainWindowStories::shouldTurnEveryPageThenReturnToList_data()
{
    QTest::addColumn<int>("story");
    QTest::addColumn<int>("pages");
    QTest::newRow("story 1") << 1 << 8;
    QTest::newRow("story 2") << 2 << 8;
    QTest::newRow("story 3") << 3 << 8;
    QTest::newRow("fable 4") << 4 << 9;
    QTest::newRow("fable 5") << 5 << 10;
}

void TestMainWindowStories::shouldTurnEveryPageThenReturnToList()
{
    QFETCH(int, story);
    QFETCH(int, pages);
    WindowFixture f;
    MainWindow* w = f.start();
    openStory(w, story);
    QVERIFY(!listShown(w));
    QVERIFY(!child<SequenceWidget>(w, "storySequence")->isHidden());
    QCOMPARE(f.shownFile(child<SequenceWidget>(w, "storySequence")),
             f.languagePath() + QStringLiteral("Cuentos/leer%1_1.png").arg(story));
    // Back from the second page to the first, and from the first to the list.
    QTest::mouseClick(child<MenuWidget>(w, "rightArrow"), Qt::LeftButton);
    QTest::mouseClick(child<MenuWidget>(w, "leftArrow"), Qt::LeftButton);
    QCOMPARE(f.shownFile(child<SequenceWidget>(w, "storySequence")),
             f.languagePath() + QStringLiteral("Cuentos/leer%1_1.png").arg(story));
    QTest::mouseClick(child<MenuWidget>(w, "leftArrow"), Qt::LeftButton);
    QVERIFY(listShown(w));
    openStory(w, story);
    for (int page = 2; page <= pages; ++page) {
        QTest::mouseClick(child<MenuWidget>(w, "rightArrow"), Qt::LeftButton);
        QCOMPARE(f.shownFile(child<SequenceWidget>(w, "storySequence")),
                 f.languagePath() + QStringLiteral("Cuentos/leer%1_%2.png").arg(story).arg(page));
    }
    QVERIFY(!listShown(w));
    // Past the last page (the folder holds more): back to the list.
    QTest::mouseClick(child<MenuWidget>(w, "rightArrow"), Qt::LeftButton);
    QVERIFY(listShown(w));
}

void TestMainWindowStories::shouldRunPagesOnClick()
{
    WindowFixture f;
    MainWindow* w = f.start();
    child<SequenceWidget>(w, "storySequence")->frameInterval = 5;
    openStory(w, 4);
    QSignalSpy finished(child<SequenceWidget>(w, "storySequence"), &SequenceWidget::signalFinished);
    QTest::mouseClick(child<SequenceWidget>(w, "storySequence"), Qt::LeftButton);
    QTRY_COMPARE_WITH_TIMEOUT(finished.count(), 1, 2000);
    QCOMPARE(f.shownFile(child<SequenceWidget>(w, "storySequence")), f.languagePath() + QStringLiteral("Cuentos/leer4_9.png"));
    QVERIFY(!listShown(w));

    // Another story opened during a run starts on its first page, and the
    // run of the first one does not go on turning its pages.
    child<SequenceWidget>(w, "storySequence")->frameInterval = 10000;
    QTest::mouseClick(child<SequenceWidget>(w, "storySequence"), Qt::LeftButton);
    QVERIFY(!child<SequenceWidget>(w, "storySequence")->isStopped());
    w->subMenu(200);
    w->slotLeer5();
    QVERIFY(child<SequenceWidget>(w, "storySequence")->isStopped());
    QCOMPARE(f.shownFile(child<SequenceWidget>(w, "storySequence")), f.languagePath() + QStringLiteral("Cuentos/leer5_1.png"));
}

QTEST_MAIN(TestMainWindowStories)
#include "tst_mainwindow_stories.moc"
