#include "imagewidget.h"
#include "mainwindow.h"
#include "menutree.h"
#include "menuwidget.h"
#include "picturenames.h"
#include "widgets.h"
#include "windowfixture.h"

#include <QFileInfo>
#include <QTest>

namespace {
// Every picture button and picture holder of the window that has no name
// or no description, by object name.
QStringList unnamed(const MainWindow* window)
{
    QStringList missing;
    const auto check = [&missing](const QWidget* widget) {
        if (widget->accessibleName().isEmpty() || widget->accessibleDescription().isEmpty())
            missing << widget->objectName();
    };
    for (const MenuWidget* button : window->findChildren<MenuWidget*>())
        check(button);
    for (const ImageWidget* holder : window->findChildren<ImageWidget*>())
        check(holder);
    return missing;
}
} // namespace

class TestPictureNames : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void shouldNameEveryMenuPicture();
    void shouldIgnoreUnknownPictures();
    void shouldNameButtonsAndHoldersInEveryMenu();
};

void TestPictureNames::shouldNameEveryMenuPicture()
{
    QStringList pictures = PictureNames::knownPictures();
    QVERIFY(pictures.contains(QStringLiteral("letras")));
    for (int subMenu : {10, 11, 12, 15}) {
        for (int entry : {1, 2}) {
            const QString picture = MenuTree::subSubMenuPicture(subMenu, entry);
            QVERIFY2(PictureNames::knownPictures().contains(QFileInfo(picture).completeBaseName()),
                     qPrintable(picture));
        }
    }
    for (const QString& picture : pictures) {
        const QString path = QStringLiteral("/home/media/system/menus/") + picture + QStringLiteral(".png");
        QVERIFY2(!PictureNames::name(path).isEmpty(), qPrintable(picture));
        QVERIFY2(!PictureNames::description(path).isEmpty(), qPrintable(picture));
    }
    QVERIFY(!PictureNames::name(QStringLiteral("/x/ui/fder.png")).isEmpty());
}

void TestPictureNames::shouldIgnoreUnknownPictures()
{
    QVERIFY(PictureNames::name(QStringLiteral("menus/otra.png")).isEmpty());
    QVERIFY(PictureNames::description(QString()).isEmpty());
    // A rollover picture is not the button's name.
    QVERIFY(PictureNames::name(QStringLiteral("menus/letrasroll.png")).isEmpty());
}

void TestPictureNames::shouldNameButtonsAndHoldersInEveryMenu()
{
    WindowFixture fixture;
    QVERIFY(fixture.isValid());
    MainWindow* window = fixture.start();
    QVERIFY(window);
    QCOMPARE(unnamed(window), QStringList());

    const auto click = [window](const char* name) {
        auto* button = window->findChild<MenuWidget*>(QLatin1String(name));
        QVERIFY2(button, name);
        QTest::mouseClick(button, Qt::LeftButton);
    };
    // Every menu and sub-menu, without starting an activity.
    const QList<QList<const char*>> paths = {
        {"lettersButton", "subMenuButton1"},
        {"lettersButton", "subMenuButton2"},
        {"lettersButton", "subMenuButton3"},
        {"readWriteButton", "subMenuButton2"},
        {"readWriteButton", "subMenuButton3"},
        {"fileButton"},
    };
    for (const QList<const char*>& path : paths) {
        for (const char* name : path)
            click(name);
        QVERIFY2(unnamed(window).isEmpty(), qPrintable(unnamed(window).join(QLatin1Char(' '))));
    }
    // Names follow the pictures a button is given.
    const auto* entry = window->findChild<MenuWidget*>(QStringLiteral("subMenuButton1"));
    click("lettersButton");
    const QString signs = entry->accessibleName();
    click("readWriteButton");
    QVERIFY(entry->accessibleName() != signs);
}

QTEST_MAIN(TestPictureNames)
#include "tst_picturenames.moc"
