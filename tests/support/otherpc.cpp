// Another PC of the class, for the tests: a second program process on the
// same database and media library (ONDALIRA_HOME), saving one word.
//   otherpc DATABASE edit WORD_ID PICTURE  saves the word with a new picture
//   otherpc DATABASE hold WORD_ID PICTURE  the same, but stops once its copy
//                                          is staged and waits there for a
//                                          line on its input (or its end)
// DATABASE: a postgresql:// URI or an SQLite file. Prints the outcome's
// number, and "saving" when a held save has reached its wait.
#include "database.h"
#include "word.h"
#include "wordsaver.h"

#include <QCoreApplication>
#include <QFile>
#include <QTextStream>

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    const QString database = args.value(1);
    const bool opened = database.startsWith(QLatin1String("postgresql:"))
        ? Database::openDefaultServer(database)
        : Database::openDefault(database);
    Word word;
    if (!opened || !word.loadById(args.value(3).toInt()))
        return 2;
    QTextStream out(stdout);
    if (args.value(2) == QLatin1String("hold")) {
        WordSaver::setCrashPoint([&out](const QString& step) {
            if (step.startsWith(QLatin1String("copy "))) {
                out << "saving" << Qt::endl;
                QFile in;
                if (in.open(stdin, QIODevice::ReadOnly))
                    in.readLine();
            }
            return false;
        });
    }
    const WordForm shown = WordSaver::shownPaths(word);
    WordForm form = shown;
    form.image = args.value(4);
    const WordSaver::Outcome outcome = WordSaver::save(word, form, shown).outcome;
    out << int(outcome) << Qt::endl;
    return outcome == WordSaver::Outcome::Saved ? 0 : 1;
}
