#pragma once

#include <QString>

// The menu tree's codes: which sub-menu a click opens, which activity a
// sub-sub-menu entry starts and which pictures the entries show.
namespace MenuTree {

// Sub-menu opened by entry 100, 200 or 300 of a main menu (0 letters,
// 2 reading and writing); 0 when the entry opens nothing.
int subMenuCode(int selectedMenu, int code);

// Activity started by sub-sub-menu entry 100 or 200; 0 when none.
int activityCode(int selectedMenu, int selectedSubMenu, int code);

// Picture of sub-sub-menu entry 1 or 2 of a sub-menu, relative to the
// system media folder ("menus/…png"); empty for a sub-menu without entries.
QString subSubMenuPicture(int selectedSubMenu, int entry);

// "menus/a.png" -> "menus/aroll.png" (or "menus/a_roll.png" with the underscore).
QString rollover(const QString& picture, bool underscore = false);

} // namespace MenuTree
