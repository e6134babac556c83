#include "activityregistry.h"

#include "activitycodes.h"
#include "letterexercise.h"
#include "presentationactivity.h"
#include "writingexercise.h"

namespace {
template <PresentationActivity::Media media>
std::unique_ptr<AbstractActivity> presentation(int code, Stage& stage, LessonContext& context)
{
    return std::make_unique<PresentationActivity>(code, media, stage, context);
}

template <LetterExercise::Media media>
std::unique_ptr<AbstractActivity> letterExercise(int code, Stage& stage, LessonContext& context)
{
    return std::make_unique<LetterExercise>(code, media, stage, context);
}

template <bool wholeWord>
std::unique_ptr<AbstractActivity> writingExercise(int code, Stage& stage, LessonContext& context)
{
    return std::make_unique<WritingExercise>(code, wholeWord, stage, context);
}

const ActivityEntry kActivities[] = {
    {Activity::SignWords, "te presento palabras.png", "tepresentosenas.png", true,
     presentation<PresentationActivity::Signs>},
    {Activity::SignFirstLetter, "como empieza esta palabra.png", "comoempiezasenas.png", false,
     letterExercise<LetterExercise::Signs>},
    {Activity::LipLetters, "te digo las letras.png", "digoletraslabial.png", true,
     presentation<PresentationActivity::Lips>},
    {Activity::LipFirstLetter, "como comienza esta palabra labial.png", "comoempiezalabial.png", false,
     letterExercise<LetterExercise::Lips>},
    {Activity::HandWords, "te presento las letras.png", "presentodactilologico.png", true,
     presentation<PresentationActivity::Hands>},
    {Activity::HandLetter, "que letra es.png", "letradactilologico.png", false,
     letterExercise<LetterExercise::Hands>},
    {Activity::MissingLetter, "escribir1.png", "escribir1.png", false, writingExercise<false>},
    {Activity::TypeWord, "escribir2.png", "escribir2.png", false, writingExercise<true>},
};
} // namespace

namespace ActivityRegistry {

const ActivityEntry* find(int code)
{
    for (const ActivityEntry& entry : kActivities) {
        if (entry.code == code)
            return &entry;
    }
    return nullptr;
}

} // namespace ActivityRegistry
