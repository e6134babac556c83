// Menus: the navigation codes and what each click shows.
#include "mainwindow.h"

#include "menutree.h"
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

void MainWindow::buildMenus()
{
    const auto same = [](const char* name) -> QString { return QStringLiteral("menus/") + QLatin1String(name); };
    const auto roll = [](const char* name, bool underscore = false) {
        return rollover(QStringLiteral("menus/") + QLatin1String(name), underscore);
    };

    lettersButton = addMenuButton("lettersButton", kLetters, rollover(kLetters), {370, 1, 131, 116}, MenuWidget::Latch);
    readWriteButton = addMenuButton("readWriteButton", kReadWrite, rollover(kReadWrite), {639, 1, 277, 116}, MenuWidget::Latch);
    lettersButton->raise();
    readWriteButton->raise();
    connect(lettersButton, &MenuWidget::menuClicked, this, &MainWindow::slotMenu1);
    connect(lettersButton, &MenuWidget::menuClicked, readWriteButton, &MenuWidget::slotDeactivate);
    connect(readWriteButton, &MenuWidget::menuClicked, this, &MainWindow::slotMenu3);
    connect(readWriteButton, &MenuWidget::menuClicked, lettersButton, &MenuWidget::slotDeactivate);

    subMenuButton1 = addMenuButton("subMenuButton1", same("submenu1.png"), same("submenu1.png"), {442, 116, 122, 60}, MenuWidget::Latch);
    subMenuButton2 = addMenuButton("subMenuButton2", same("submenu2.png"), same("submenu2.png"), {564, 116, 153, 60}, MenuWidget::Latch);
    subMenuButton3 = addMenuButton("subMenuButton3", same("submenu3.png"), same("submenu3.png"), {717, 116, 150, 60}, MenuWidget::Latch);
    MenuWidget* subMenus[] = {subMenuButton1, subMenuButton2, subMenuButton3};
    void (MainWindow::*subMenuSlots[])() = {&MainWindow::slotSubMenu1, &MainWindow::slotSubMenu2, &MainWindow::slotSubMenu3};
    for (int i = 0; i < 3; ++i) {
        subMenus[i]->raise();
        connect(subMenus[i], &MenuWidget::menuClicked, this, subMenuSlots[i]);
        for (int j = 0; j < 3; ++j) {
            if (j != i)
                connect(subMenus[i], &MenuWidget::menuClicked, subMenus[j], &MenuWidget::slotDeactivate);
        }
    }

    subSubMenuButton1 = addMenuButton("subSubMenuButton1", same("subsubmenu1.png"), same("subsubmenu1.png"), {542, 176, 307, 87}, MenuWidget::Latch);
    subSubMenuButton2 = addMenuButton("subSubMenuButton2", same("subsubmenu2.png"), same("subsubmenu2.png"), {542, 253, 307, 197}, MenuWidget::Latch);
    connect(subSubMenuButton1, &MenuWidget::menuClicked, this, &MainWindow::slotSubSubMenu1);
    connect(subSubMenuButton1, &MenuWidget::menuClicked, subSubMenuButton2, &MenuWidget::slotDeactivate);
    connect(subSubMenuButton2, &MenuWidget::menuClicked, this, &MainWindow::slotSubSubMenu2);
    connect(subSubMenuButton2, &MenuWidget::menuClicked, subSubMenuButton1, &MenuWidget::slotDeactivate);

    fileButton = addMenuButton("fileButton", same("archivo.png"), roll("archivo.png"), {10, 2, 91, 21}, MenuWidget::Toggle);
    fileButton->raise();
    connect(fileButton, &MenuWidget::menuClicked, this, &MainWindow::slotMenuArchivo);
    helpButton = addMenuButton("helpButton", same("ayuda.png"), roll("ayuda.png"), {101, 2, 60, 21}, MenuWidget::Push);
    connect(helpButton, &MenuWidget::menuClicked, this, &MainWindow::slotShowHelp);

    userButton = addMenuButton("userButton", same("usuario.png"), roll("usuario.png", true), {12, 23, 91, 20}, MenuWidget::Push);
    configButton = addMenuButton("configButton", same("config.png"), roll("config.png", true), {12, 43, 91, 20}, MenuWidget::Push);
    adminButton = addMenuButton("adminButton", same("administrador.png"), roll("administrador.png", true), {12, 63, 91, 19}, MenuWidget::Push);
    exitButton = addMenuButton("exitButton", same("salir.png"), roll("salir.png", true), {12, 82, 91, 23}, MenuWidget::Push);
    hideAll({userButton, configButton, adminButton, exitButton});
    connect(userButton, &MenuWidget::menuClicked, this, &MainWindow::slotUser);
    connect(userButton, &MenuWidget::menuClicked, this, &MainWindow::slotHideMenuArchivo);
    connect(configButton, &MenuWidget::menuClicked, this, &MainWindow::slotConfig);
    connect(configButton, &MenuWidget::menuClicked, this, &MainWindow::slotHideMenuArchivo);
    connect(adminButton, &MenuWidget::menuClicked, this, &MainWindow::slotAdministrador);
    connect(adminButton, &MenuWidget::menuClicked, this, &MainWindow::slotHideMenuArchivo);
    connect(exitButton, &MenuWidget::menuClicked, this, &MainWindow::slotExit);
    fileButton->raise();
    fileMenuOpen = false;

    storiesHeader = addMenuButton("storiesHeader", same("cuentos.png"), same("cuentos.png"), {542, 176, 362, 116}, MenuWidget::Push, false);
    storyButton1 = addMenuButton("storyButton1", same("leer1.png"), roll("leer1.png"), {542, 292, 362, 37}, MenuWidget::Push);
    storyButton2 = addMenuButton("storyButton2", same("leer2.png"), roll("leer2.png"), {542, 329, 362, 38}, MenuWidget::Push);
    storyButton3 = addMenuButton("storyButton3", same("leer3.png"), roll("leer3.png"), {542, 367, 362, 40}, MenuWidget::Push);
    fablesHeader = addMenuButton("fablesHeader", same("fabulas.png"), same("fabulas.png"), {542, 407, 362, 60}, MenuWidget::Push, false);
    storyButton4 = addMenuButton("storyButton4", same("leer4.png"), roll("leer4.png"), {542, 467, 362, 35}, MenuWidget::Push);
    storyButton5 = addMenuButton("storyButton5", same("leer5.png"), roll("leer5.png"), {542, 502, 362, 39}, MenuWidget::Push);
    hideAll({storiesHeader, storyButton1, storyButton2, storyButton3, fablesHeader, storyButton4, storyButton5});
    connect(storyButton1, &MenuWidget::menuClicked, this, &MainWindow::slotLeer1);
    connect(storyButton2, &MenuWidget::menuClicked, this, &MainWindow::slotLeer2);
    connect(storyButton3, &MenuWidget::menuClicked, this, &MainWindow::slotLeer3);
    connect(storyButton4, &MenuWidget::menuClicked, this, &MainWindow::slotLeer4);
    connect(storyButton5, &MenuWidget::menuClicked, this, &MainWindow::slotLeer5);

    repeatButton = addMenuButton("repeatButton", same("repetir.png"), roll("repetir.png", true), {935, 200, 70, 70}, MenuWidget::Push);
    hideButton = addMenuButton("hideButton", same("esconder.png"), roll("esconder.png", true), {935, 280, 70, 70}, MenuWidget::Toggle);
    letterByLetterButton = addMenuButton("letterByLetterButton", same("letrasstopmo.png"), roll("letrasstopmo.png", true), {935, 360, 70, 70}, MenuWidget::Toggle);
    hideAll({repeatButton, hideButton, letterByLetterButton});
    connect(repeatButton, &MenuWidget::menuClicked, this, &MainWindow::slotRepeatWord);
    connect(hideButton, &MenuWidget::menuClicked, this, &MainWindow::slotToggleWord);
}

void MainWindow::menu(int code)
{
    clearActivityScreen();
    if (code == 100)
        selectedMenu = 0;
    else if (code == 300)
        selectedMenu = 2;
    hideAll({hideButton, repeatButton, letterByLetterButton});
    updateSubMenus();
}

void MainWindow::updateSubMenus()
{
    const QString system = systemMediaPath();
    const auto set = [&system](MenuWidget* button, const QString& picture, const QString& roll) {
        button->setImages(system + picture, system + roll);
    };
    const QString submenu1 = QStringLiteral("menus/submenu1.png");
    if (selectedMenu == 0) {
        const bool labial = settings.get(SettingKey::UseLabial, 0) != 0;
        const QString signs = QStringLiteral("menus/senas.png");
        const QString lips = QStringLiteral("menus/labial.png");
        const QString spelling = QStringLiteral("menus/dactilologico.png");
        set(subMenuButton1, signs, rollover(signs));
        set(subMenuButton2, lips, rollover(lips));
        set(subMenuButton3, spelling, rollover(spelling));
        subMenuButton1->clickable = true;
        subMenuButton2->clickable = labial;
        subMenuButton3->clickable = true;
    } else if (selectedMenu == 2) {
        const QString read = QStringLiteral("menus/leer.png");
        const QString write = QStringLiteral("menus/escribir.png");
        set(subMenuButton1, submenu1, submenu1);
        set(subMenuButton2, read, rollover(read));
        set(subMenuButton3, write, rollover(write));
        subMenuButton1->clickable = false;
        subMenuButton2->clickable = true;
        subMenuButton3->clickable = true;
    }
    hideAll({subSubMenuButton1, subSubMenuButton2});
}

void MainWindow::subMenu(int code)
{
    if (const int subMenuCode = MenuTree::subMenuCode(selectedMenu, code))
        selectedSubMenu = subMenuCode;
    showSubMenu();
}

void MainWindow::showSubMenu()
{
    clearActivityScreen();
    subSubMenuButton1->slotDeactivate();
    subSubMenuButton2->slotDeactivate();
    updateBackground(selectedSubMenu);

    if (selectedSubMenu == 14) {
        activeSubMenu = 14;
        hideAll({storySequence, subSubMenuButton1, subSubMenuButton2, titleLabel});
        showRaised({leftArrow, rightArrow});
        showRaised({storiesHeader, storyButton1, storyButton2, storyButton3, fablesHeader, storyButton4,
                    storyButton5});
        return;
    }
    hideAll({storySequence, leftArrow, rightArrow});
    const QString system = systemMediaPath();
    int entry = 1;
    for (MenuWidget* button : {subSubMenuButton1, subSubMenuButton2}) {
        const QString picture = MenuTree::subSubMenuPicture(selectedSubMenu, entry++);
        if (!picture.isEmpty())
            button->setImages(system + picture, system + rollover(picture));
        button->clickable = true;
    }
    videoPlayer->hide();
    handSequence->slotStop();
    hideAll({handSequence, handLabel});
    showRaised({subSubMenuButton1, subSubMenuButton2});
}

void MainWindow::updateBackground(int subMenuCode)
{
    const QString system = systemMediaPath();
    if (subMenuCode == 14) {
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
    if (const int activity = MenuTree::activityCode(selectedMenu, selectedSubMenu, code))
        selectedActivity = activity;
    hideAll({hideButton, repeatButton, letterByLetterButton});
    if (MenuTree::isPresentation(selectedActivity))
        showRaised({repeatButton, hideButton, letterByLetterButton});
    else if (selectedActivity != 0)
        showRaised({repeatButton});
    hideAll({storySequence, subSubMenuButton1, subSubMenuButton2});
    startActivity();
}

void MainWindow::goToFirstActivity()
{
    menu(100);
    subMenu(100);
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
    showRaised({adminButton, exitButton, userButton, configButton});
    fileMenuOpen = true;
}

void MainWindow::slotHideMenuArchivo()
{
    fileButton->slotDeactivate();
    hideAll({adminButton, exitButton, userButton, configButton});
    fileMenuOpen = false;
}
