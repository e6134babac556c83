#pragma once

#include <memory>

class AbstractActivity;
class Stage;
struct LessonContext;

// Every activity the menus start: its code, its title and menu pictures, the
// buttons beside it and how to make it.
struct ActivityEntry
{
    int code;
    const char* title;       // under titulos/
    const char* menuPicture; // under menus/, the sub-sub-menu entry that starts it
    bool wordButtons;        // the hide and letter-by-letter buttons beside "repetir"
    std::unique_ptr<AbstractActivity> (*create)(int code, Stage& stage, LessonContext& context);
};

namespace ActivityRegistry {
// The entry of an activity code; null for a code no activity has.
const ActivityEntry* find(int code);
} // namespace ActivityRegistry
