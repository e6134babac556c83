// Menus: the navigation codes and what each click shows.
#include "mainwindow.h"

#include "abstractactivity.h"
#include "activitycodes.h"
#include "activityregistry.h"
#include "menutree.h"
#include "readingcorner.h"
#include "stage.h"
#include "menuwidget.h"
#include "sequencewidget.h"
#include "videoplayer.h"

#include <QLabel>
#include <QPixmap>

using MenuTree::rollover;

namespace {
const QString kLetters = QStringLiteral("menus/letras.png");
const QString kReadWrite = QStringLiteral("menus/leerescribir.png");

void showRaised(std::initializer_list<QWidget*> widgets)
{
    for (QWidget* widget : widgets) {
        widget->show();
        widget->raise();
    }
}

void hideAll(std::initializer_list<QWidget*> widgets)
{
    for (QWidget* widget : widgets)
        widget->hide();
}
} // namespace

namespace {
struct MenuButtonEntry
{
    MenuWidget* MainWindow::*field;
    const char* name;
    const char* normal;   // under menus/
    const char* rollover; // under menus/; the same picture for none
    QRect geometry;
    int mode;
    bool clickable;
    bool shown;
};

} // namespace

void MainWindow::buildMenus()
{
    // Every menu button, in the order they are stacked.
    static const MenuButtonEntry kButtons[] = {
        {&MainWindow::lettersButton, "lettersButton", "letras.png", "letrasroll.png",
         {370, 1, 131, 116}, MenuWidget::Latch, true, true},
        {&MainWindow::readWriteButton, "readWriteButton", "leerescribir.png", "leerescribirroll.png",
         {639, 1, 277, 116}, MenuWidget::Latch, true, true},
        {&MainWindow::subMenuButton1, "subMenuButton1", "submenu1.png", "submenu1.png",
         {442, 116, 122, 60}, MenuWidget::Latch, true, true},
        {&MainWindow::subMenuButton2, "subMenuButton2", "submenu2.png", "submenu2.png",
         {564, 116, 153, 60}, MenuWidget::Latch, true, true},
        {&MainWindow::subMenuButton3, "subMenuButton3", "submenu3.png", "submenu3.png",
         {717, 116, 150, 60}, MenuWidget::Latch, true, true},
        {&MainWindow::subSubMenuButton1, "subSubMenuButton1", "subsubmenu1.png", "subsubmenu1.png",
         {542, 176, 307, 87}, MenuWidget::Latch, true, true},
        {&MainWindow::subSubMenuButton2, "subSubMenuButton2", "subsubmenu2.png", "subsubmenu2.png",
         {542, 253, 307, 197}, MenuWidget::Latch, true, true},
        {&MainWindow::fileButton, "fileButton", "archivo.png", "archivoroll.png",
         {10, 2, 91, 21}, MenuWidget::Toggle, true, true},
        {&MainWindow::helpButton, "helpButton", "ayuda.png", "ayudaroll.png",
         {101, 2, 60, 21}, MenuWidget::Push, true, true},
        {&MainWindow::userButton, "userButton", "usuario.png", "usuario_roll.png",
         {12, 23, 91, 20}, MenuWidget::Push, true, false},
        {&MainWindow::configButton, "configButton", "config.png", "config_roll.png",
         {12, 43, 91, 20}, MenuWidget::Push, true, false},
        {&MainWindow::adminButton, "adminButton", "administrador.png", "administrador_roll.png",
         {12, 63, 91, 19}, MenuWidget::Push, true, false},
        {&MainWindow::progressButton, "progressButton", "progreso.png", "progreso_roll.png",
         {12, 82, 91, 20}, MenuWidget::Push, true, false},
        {&MainWindow::exitButton, "exitButton", "salir.png", "salir_roll.png",
         {12, 102, 91, 23}, MenuWidget::Push, true, false},
        {&MainWindow::storiesHeader, "storiesHeader", "cuentos.png", "cuentos.png",
         {542, 176, 362, 116}, MenuWidget::Push, false, false},
        {&MainWindow::storyButton1, "storyButton1", "leer1.png", "leer1roll.png",
         {542, 292, 362, 37}, MenuWidget::Push, true, false},
        {&MainWindow::storyButton2, "storyButton2", "leer2.png", "leer2roll.png",
         {542, 329, 362, 38}, MenuWidget::Push, true, false},
        {&MainWindow::storyButton3, "storyButton3", "leer3.png", "leer3roll.png",
         {542, 367, 362, 40}, MenuWidget::Push, true, false},
        {&MainWindow::fablesHeader, "fablesHeader", "fabulas.png", "fabulas.png",
         {542, 407, 362, 60}, MenuWidget::Push, false, false},
        {&MainWindow::storyButton4, "storyButton4", "leer4.png", "leer4roll.png",
         {542, 467, 362, 35}, MenuWidget::Push, true, false},
        {&MainWindow::storyButton5, "storyButton5", "leer5.png", "leer5roll.png",
         {542, 502, 362, 39}, MenuWidget::Push, true, false},
        {&MainWindow::repeatButton, "repeatButton", "repetir.png", "repetir_roll.png",
         {935, 200, 70, 70}, MenuWidget::Push, true, false},
        {&MainWindow::hideButton, "hideButton", "esconder.png", "esconder_roll.png",
         {935, 280, 70, 70}, MenuWidget::Toggle, true, false},
        {&MainWindow::letterByLetterButton, "letterByLetterButton", "letrasstopmo.png",
         "letrasstopmo_roll.png", {935, 360, 70, 70}, MenuWidget::Toggle, true, false},
    };

    const QString menus = QStringLiteral("menus/");
    for (const MenuButtonEntry& entry : kButtons) {
        MenuWidget* button = addMenuButton(entry.name, menus + QLatin1String(entry.normal),
                                           menus + QLatin1String(entry.rollover), entry.geometry,
                                           entry.mode, entry.clickable);
        button->setVisible(entry.shown);
        this->*entry.field = button;
    }

    // Buttons of one row exclude each other.
    const auto exclusive = [this](std::initializer_list<MenuWidget*> row) {
        for (MenuWidget* clicked : row) {
            for (MenuWidget* sibling : row) {
                if (sibling != clicked)
                    connect(clicked, &MenuWidget::menuClicked, sibling, &MenuWidget::slotDeactivate);
            }
        }
    };
    connect(lettersButton, &MenuWidget::menuClicked, this, &MainWindow::slotMenu1);
    connect(readWriteButton, &MenuWidget::menuClicked, this, &MainWindow::slotMenu3);
    exclusive({lettersButton, readWriteButton});
    connect(subMenuButton1, &MenuWidget::menuClicked, this, &MainWindow::slotSubMenu1);
    connect(subMenuButton2, &MenuWidget::menuClicked, this, &MainWindow::slotSubMenu2);
    connect(subMenuButton3, &MenuWidget::menuClicked, this, &MainWindow::slotSubMenu3);
    exclusive({subMenuButton1, subMenuButton2, subMenuButton3});
    connect(subSubMenuButton1, &MenuWidget::menuClicked, this, &MainWindow::slotSubSubMenu1);
    connect(subSubMenuButton2, &MenuWidget::menuClicked, this, &MainWindow::slotSubSubMenu2);
    exclusive({subSubMenuButton1, subSubMenuButton2});

    connect(fileButton, &MenuWidget::menuClicked, this, &MainWindow::slotMenuArchivo);
    connect(helpButton, &MenuWidget::menuClicked, this, &MainWindow::slotShowHelp);
    connect(userButton, &MenuWidget::menuClicked, this, &MainWindow::slotUser);
    connect(configButton, &MenuWidget::menuClicked, this, &MainWindow::slotConfig);
    connect(adminButton, &MenuWidget::menuClicked, this, &MainWindow::slotAdministrador);
    connect(progressButton, &MenuWidget::menuClicked, this, &MainWindow::slotProgreso);
    for (MenuWidget* item : {userButton, configButton, adminButton, progressButton})
        connect(item, &MenuWidget::menuClicked, this, &MainWindow::slotHideMenuArchivo);
    // The exit item stays open under the credits.
    connect(exitButton, &MenuWidget::menuClicked, this, &MainWindow::slotExit);
    fileButton->raise();
    fileMenuOpen = false;

    connect(storyButton1, &MenuWidget::menuClicked, this, &MainWindow::slotLeer1);
    connect(storyButton2, &MenuWidget::menuClicked, this, &MainWindow::slotLeer2);
    connect(storyButton3, &MenuWidget::menuClicked, this, &MainWindow::slotLeer3);
    connect(storyButton4, &MenuWidget::menuClicked, this, &MainWindow::slotLeer4);
    connect(storyButton5, &MenuWidget::menuClicked, this, &MainWindow::slotLeer5);
    connect(repeatButton, &MenuWidget::menuClicked, this, &MainWindow::slotRepeatWord);
    connect(hideButton, &MenuWidget::menuClicked, this, &MainWindow::slotToggleWord);
}

void MainWindow::menu(int code)
{
    stopActivity();
    if (code == 100)
        selectedMenu = 0;
    else if (code == 300)
        selectedMenu = 2;
    // Leaving a sub-menu leaves its activity, title and reading corner too,
    // and no entry of the sub-menus stays chosen.
    hideAll({hideButton, repeatButton, letterByLetterButton, titleLabel});
    for (MenuWidget* entry : {subMenuButton1, subMenuButton2, subMenuButton3})
        entry->slotDeactivate();
    leaveReadingCorner();
    updateSubMenus();
}

void MainWindow::leaveReadingCorner()
{
    if (!readingCorner->isOpen())
        return;
    readingCorner->close();
    updateBackground(0);
}

void MainWindow::updateSubMenus()
{
    const QString system = systemMediaPath();
    const auto set = [&system](MenuWidget* button, const QString& picture, const QString& roll) {
        button->setImages(system + picture, system + roll);
    };
    const QString submenu1 = QStringLiteral("menus/submenu1.png");
    if (selectedMenu == 0) {
        const bool labial = lesson.values.useLabial;
        const QString signs = QStringLiteral("menus/senas.png");
        const QString lips = QStringLiteral("menus/labial.png");
        const QString spelling = QStringLiteral("menus/dactilologico.png");
        set(subMenuButton1, signs, rollover(signs));
        set(subMenuButton2, lips, rollover(lips));
        set(subMenuButton3, spelling, rollover(spelling));
        subMenuButton1->setDisabledEntry(false);
        subMenuButton2->setDisabledEntry(!labial);
        subMenuButton3->setDisabledEntry(false);
        subMenuButton1->show();
    } else if (selectedMenu == 2) {
        const QString read = QStringLiteral("menus/leer.png");
        const QString write = QStringLiteral("menus/escribir.png");
        set(subMenuButton1, submenu1, submenu1);
        set(subMenuButton2, read, rollover(read));
        set(subMenuButton3, write, rollover(write));
        subMenuButton1->setDisabledEntry(false);
        subMenuButton2->setDisabledEntry(false);
        subMenuButton3->setDisabledEntry(false);
        // Reading and writing has two entries: the first place holds nothing
        // a child could click.
        subMenuButton1->hide();
    }
    hideAll({subSubMenuButton1, subSubMenuButton2});
}

void MainWindow::subMenu(int code)
{
    // No path opens an entry that cannot be clicked (lip reading switched off).
    const MenuWidget* entry = code == 100 ? subMenuButton1 : code == 200 ? subMenuButton2 : subMenuButton3;
    if (entry->isDisabledEntry())
        return;
    if (const int subMenuCode = MenuTree::subMenuCode(selectedMenu, code))
        selectedSubMenu = subMenuCode;
    showSubMenu();
}

void MainWindow::showSubMenu()
{
    stopActivity();
    subSubMenuButton1->slotDeactivate();
    subSubMenuButton2->slotDeactivate();
    // The activity of the sub-menu left behind goes with its buttons and title.
    hideAll({hideButton, repeatButton, letterByLetterButton, titleLabel});
    updateBackground(selectedSubMenu);

    if (selectedSubMenu == Activity::StoriesSubMenu) {
        // The story list; a story's page arrows come with the story.
        readingCorner->enter();
        hideAll({subSubMenuButton1, subSubMenuButton2, titleLabel});
        showRaised({storiesHeader, storyButton1, storyButton2, storyButton3, fablesHeader, storyButton4,
                    storyButton5});
        return;
    }
    leaveReadingCorner();
    const QString system = systemMediaPath();
    int entry = 1;
    for (MenuWidget* button : {subSubMenuButton1, subSubMenuButton2}) {
        const QString picture = MenuTree::subSubMenuPicture(selectedSubMenu, entry++);
        if (!picture.isEmpty())
            button->setImages(system + picture, system + rollover(picture));
        button->clickable = true;
    }
    showRaised({subSubMenuButton1, subSubMenuButton2});
}

void MainWindow::updateBackground(int subMenuCode)
{
    const QString system = systemMediaPath();
    if (subMenuCode == Activity::StoriesSubMenu) {
        backgroundLabel->setPixmap(QPixmap(system + QStringLiteral("ui/backgroundleer.png")));
        const QString letters = system + QStringLiteral("menus/letras_leer.png");
        const QString readWrite = system + QStringLiteral("menus/leerescribir_leer.png");
        lettersButton->setImages(letters, letters);
        readWriteButton->setImages(readWrite, readWrite);
    } else {
        backgroundLabel->setPixmap(QPixmap(system + QStringLiteral("ui/background.png")));
        lettersButton->setImages(system + kLetters, system + rollover(kLetters));
        readWriteButton->setImages(system + kReadWrite, system + rollover(kReadWrite));
    }
    backgroundLabel->lower();
}

void MainWindow::subSubMenu(int code)
{
    // An activity needs a child: without one, the user dialog comes back.
    if (!currentUser) {
        slotUser();
        return;
    }
    if (const int activityCode = MenuTree::activityCode(selectedMenu, selectedSubMenu, code))
        selectedActivity = activityCode;
    hideAll({hideButton, repeatButton, letterByLetterButton});
    if (const ActivityEntry* entry = ActivityRegistry::find(selectedActivity)) {
        showRaised({repeatButton});
        if (entry->wordButtons)
            showRaised({hideButton, letterByLetterButton});
    }
    hideAll({subSubMenuButton1, subSubMenuButton2});
    startActivity();
}

void MainWindow::startActivity()
{
    stopActivity();
    // The settings dialog or the administrator may have changed what applies.
    readSettings();
    showActivityTitle();
    const ActivityEntry* entry = ActivityRegistry::find(selectedActivity);
    if (!entry)
        return;
    activity = entry->create(entry->code, *stage, lesson);
    // A child of the window, where tools and tests find the activity on screen.
    activity->setParent(this);
    activity->setObjectName(QStringLiteral("activity%1").arg(entry->code));
    activity->start();
}

void MainWindow::stopActivity()
{
    // The activity goes with everything it had running and showing; nothing
    // of it (a clip's end, a timer) can reach it afterwards.
    if (activity) {
        activity->retire();
        activity.reset();
    }
    stage->clear();
    hideAll({subSubMenuButton1, subSubMenuButton2, storiesHeader, storyButton1, storyButton2,
             storyButton3, fablesHeader, storyButton4, storyButton5});
}

void MainWindow::showActivityTitle()
{
    const ActivityEntry* entry = ActivityRegistry::find(selectedActivity);
    titleLabel->setPixmap(entry ? QPixmap(systemMediaPath() + QStringLiteral("titulos/")
                                          + QLatin1String(entry->title))
                                : QPixmap());
    titleLabel->show();
    titleLabel->raise();
}

void MainWindow::slotRepeatWord()
{
    if (activity)
        activity->repeatRequested();
    else
        stage->warnNothingToRepeat();
}

void MainWindow::slotToggleWord()
{
    if (activity)
        activity->toggleWord(hideButton->active);
}

void MainWindow::openStory(int story)
{
    for (MenuWidget* entry : {storiesHeader, storyButton1, storyButton2, storyButton3,
                              fablesHeader, storyButton4, storyButton5})
        entry->hide();
    readingCorner->open(story);
}

void MainWindow::slotLeer1() { openStory(1); }
void MainWindow::slotLeer2() { openStory(2); }
void MainWindow::slotLeer3() { openStory(3); }
void MainWindow::slotLeer4() { openStory(4); }
void MainWindow::slotLeer5() { openStory(5); }

void MainWindow::slotFlechaIzq()
{
    if (!readingCorner->pageBack())
        subMenu(200);
}

void MainWindow::slotFlechaDer()
{
    if (!readingCorner->pageForward())
        subMenu(200);
}

void MainWindow::goToFirstActivity()
{
    // The entries that lead to the first activity look chosen, as after clicks.
    readWriteButton->slotDeactivate();
    lettersButton->slotActivate();
    menu(100);
    subMenuButton2->slotDeactivate();
    subMenuButton3->slotDeactivate();
    subMenuButton1->slotActivate();
    subMenu(100);
    subSubMenuButton2->slotDeactivate();
    subSubMenuButton1->slotActivate();
    subSubMenu(100);
}

void MainWindow::slotMenu1() { menu(100); }
void MainWindow::slotMenu3() { menu(300); }
void MainWindow::slotSubMenu1() { subMenu(100); }
void MainWindow::slotSubMenu2() { subMenu(200); }
void MainWindow::slotSubMenu3() { subMenu(300); }
void MainWindow::slotSubSubMenu1() { subSubMenu(100); }
void MainWindow::slotSubSubMenu2() { subSubMenu(200); }

void MainWindow::slotMenuArchivo()
{
    if (fileMenuOpen) {
        slotHideMenuArchivo();
        return;
    }
    showRaised({adminButton, exitButton, userButton, configButton, progressButton});
    fileMenuOpen = true;
}

void MainWindow::slotHideMenuArchivo()
{
    fileButton->slotDeactivate();
    hideAll({adminButton, exitButton, userButton, configButton, progressButton});
    fileMenuOpen = false;
}
