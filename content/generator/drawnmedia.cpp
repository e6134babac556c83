#include "drawnmedia.h"

#include "contentsource.h"
#include "signpictures.h"

#include <QElapsedTimer>
#include <QTextStream>

namespace {
struct Step
{
    const char* name;
    bool (*run)(const QString& sourceDir, const QString& homeDir, const ContentSource& source,
                QString* error);
};

QString languageFolder(const QString& homeDir, const ContentSource& source)
{
    return homeDir + QStringLiteral("/media/languages/") + source.languageName + QLatin1Char('/');
}

bool signs(const QString&, const QString& home, const ContentSource& source, QString* error)
{
    return writeSignPictures(languageFolder(home, source), source, error);
}

const Step kSteps[] = {
    {"hand signs", signs},
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
