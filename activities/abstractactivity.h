#pragma once

#include <QObject>
#include <QString>

class Stage;
struct LessonContext;

// What every activity does, as the window's shell drives it: it starts,
// takes the keys the shell hands on, repeats its last word or question on
// the repeat button, and stops. An activity lives for one run: the shell
// makes a fresh one at each start and cuts it off from the screen when it
// stops, so that no pending video or timer reaches it afterwards.
class AbstractActivity : public QObject
{
    Q_OBJECT

public:
    AbstractActivity(int code, Stage& stage, LessonContext& context);

    int code() const { return activityCode; }

    virtual void start() = 0;
    // Ends what runs (clips, hand sequences, timers, a word being shown);
    // what is on screen stays until the shell clears it.
    virtual void stop() = 0;

    // Whether the activity takes keys now (not while an answer shows).
    virtual bool acceptsKeys() const { return true; }
    // Whether a typed text is one of the activity's letters.
    virtual bool isLetterKey(const QString& text) const = 0;
    // A letter key: "m", "ñ", "ch" (the comma), "ll" (the period).
    virtual void letterKey(const QString& letter) = 0;
    virtual void otherKey() {}
    virtual void returnKey() {}
    virtual void spaceKey() {}

    // The repeat button: the last word or question again, or a warning
    // when there is nothing yet.
    void repeatRequested();
    // The hide button of the presentations.
    virtual void toggleWord(bool hidden) { Q_UNUSED(hidden) }

    // Stops, and cuts every signal of the screen pieces to this activity.
    void retire();

protected:
    virtual void repeat() = 0;

    Stage& stage;
    LessonContext& context;
    // Something was shown that the repeat button can show again.
    bool hasContent = false;

private:
    const int activityCode;
};
