#include "menutree.h"

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

bool isPresentation(int activity)
{
    return activity == 20 || activity == 22 || activity == 24;
}

QString subSubMenuPicture(int selectedSubMenu, int entry)
{
    const char* name = nullptr;
    switch (selectedSubMenu) {
    case 10: name = entry == 1 ? "tepresentosenas" : "comoempiezasenas"; break;
    case 11: name = entry == 1 ? "digoletraslabial" : "comoempiezalabial"; break;
    case 12: name = entry == 1 ? "presentodactilologico" : "letradactilologico"; break;
    case 15: name = entry == 1 ? "escribir1" : "escribir2"; break;
    default: return QString();
    }
    return QStringLiteral("menus/") + QLatin1String(name) + QStringLiteral(".png");
}

QString rollover(const QString& picture, bool underscore)
{
    const QString base = picture.endsWith(QStringLiteral(".png")) ? picture.chopped(4) : picture;
    return base + (underscore ? QStringLiteral("_roll.png") : QStringLiteral("roll.png"));
}

} // namespace MenuTree
