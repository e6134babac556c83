#include "abstractactivity.h"

#include "stage.h"

AbstractActivity::AbstractActivity(int code, Stage& stage, LessonContext& context)
    : stage(stage)
    , context(context)
    , activityCode(code)
{
}

void AbstractActivity::repeatRequested()
{
    if (!hasContent) {
        stage.warnNothingToRepeat();
        return;
    }
    repeat();
}

void AbstractActivity::retire()
{
    stop();
    for (QObject* sender : stage.senders())
        QObject::disconnect(sender, nullptr, this, nullptr);
}
