#include "drawnmedia.h"

#include "contentsource.h"
#include "letternames.h"
#include "lipvideos.h"
#include "manual.h"
#include "packpaths.h"
#include "signpictures.h"
#include "splash.h"
#include "stories.h"
#include "signvideos.h"

#include <QElapsedTimer>
#include <QTextStream>

namespace {
struct Step
{
    const char* name;
    bool (*run)(const QString& sourceDir, const QString& homeDir, const ContentSource& source,
                QString* error);
};

bool signs(const QString&, const QString& home, const ContentSource& source, QString* error)
{
    return writeSignPictures(packLanguageFolder(home, source), source, error);
}

bool signVideos(const QString&, const QString& home, const ContentSource& source, QString* error)
{
    return writeSignVideos(packLanguageFolder(home, source), source, error);
}

bool lipVideos(const QString&, const QString& home, const ContentSource& source, QString* error)
{
    return writeLipVideos(packLanguageFolder(home, source), source, error);
}

bool letterNames(const QString&, const QString& home, const ContentSource& source, QString* error)
{
    return writeLetterNames(packLanguageFolder(home, source), source, error);
}

bool feedbackSounds(const QString&, const QString& home, const ContentSource&, QString* error)
{
    return writeFeedbackSounds(home + QStringLiteral("/media/system/"), error);
}

bool userPictures(const QString&, const QString& home, const ContentSource&, QString* error)
{
    return writeUserPictures(home + QStringLiteral("/media/system/"), error);
}

bool spokenPrompts(const QString&, const QString& home, const ContentSource&, QString* error)
{
    return writeSpokenPrompts(home + QStringLiteral("/media/system/"), error);
}

bool splashVideos(const QString&, const QString& home, const ContentSource&, QString* error)
{
    return writeSplashVideos(home + QStringLiteral("/media/system/"), error);
}

bool storyPages(const QString& sourceDir, const QString& home, const ContentSource& source, QString* error)
{
    return writeStoryPages(sourceDir + QStringLiteral("/stories.txt"), packLanguageFolder(home, source), error);
}

bool manual(const QString& sourceDir, const QString& home, const ContentSource&, QString* error)
{
    // Beside the program, where the help dialog opens it from.
    return writeManual(sourceDir + QStringLiteral("/manual.md"), home + QStringLiteral("/manual-ol.pdf"), error);
}

const Step kSteps[] = {
    {"hand signs", signs},
    {"sign videos", signVideos},
    {"lip videos", lipVideos},
    {"letter names", letterNames},
    {"feedback sounds", feedbackSounds},
    {"user pictures", userPictures},
    {"spoken prompts", spokenPrompts},
    {"start-up videos", splashVideos},
    {"stories", storyPages},
    {"manual", manual},
};
} // namespace

bool writeDrawnMedia(const QString& sourceDir, const QString& homeDir, const ContentSource& source,
                     QString* error)
{
    QTextStream out(stdout);
    for (const Step& step : kSteps) {
        QElapsedTimer timer;
        timer.start();
        if (!step.run(sourceDir, homeDir, source, error)) {
            *error = QLatin1String(step.name) + QStringLiteral(": ") + *error;
            return false;
        }
        out << "olcontent: " << step.name << ' ' << timer.elapsed() << " ms\n";
        out.flush();
    }
    return true;
}
