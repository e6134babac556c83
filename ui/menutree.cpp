#include "menutree.h"

#include "activityregistry.h"

namespace MenuTree {

int subMenuCode(int selectedMenu, int code)
{
    if (selectedMenu == 0) {
        switch (code) {
        case 100: return 10;
        case 200: return 11;
        case 300: return 12;
        }
    } else if (selectedMenu == 2) {
        switch (code) {
        case 200: return 14;
        case 300: return 15;
        }
    }
    return 0;
}

int activityCode(int selectedMenu, int selectedSubMenu, int code)
{
    if (code != 100 && code != 200)
        return 0;
    const int second = code == 200 ? 1 : 0;
    if (selectedMenu == 0) {
        switch (selectedSubMenu) {
        case 10: return 20 + second;
        case 11: return 22 + second;
        case 12: return 24 + second;
        }
    } else if (selectedMenu == 2 && selectedSubMenu == 15) {
        return 30 + second;
    }
    return 0;
}

QString subSubMenuPicture(int selectedSubMenu, int entry)
{
    // The letters' sub-menus are 10 to 12; reading and writing's are 14 and 15.
    const int selectedMenu = selectedSubMenu < 14 ? 0 : 2;
    const ActivityEntry* activity =
        ActivityRegistry::find(activityCode(selectedMenu, selectedSubMenu, entry * 100));
    return activity ? QStringLiteral("menus/") + QLatin1String(activity->menuPicture) : QString();
}

QString rollover(const QString& picture, bool underscore)
{
    const QString base = picture.endsWith(QStringLiteral(".png")) ? picture.chopped(4) : picture;
    return base + (underscore ? QStringLiteral("_roll.png") : QStringLiteral("roll.png"));
}

} // namespace MenuTree
