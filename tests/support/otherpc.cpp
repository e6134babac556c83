// Another PC of the class, for the tests: a second program process on the
// same database and media library (ONDALIRA_HOME), saving one word.
//   otherpc DATABASE edit WORD_ID PICTURE  saves the word with a new picture
//   otherpc DATABASE hold WORD_ID PICTURE  the same, but stops once its copy
//                                          is staged and waits there for a
//                                          line on its input (or its end)
//   otherpc DATABASE delete WORD_ID        deletes the word as the
//                                          administrator does, waiting in the
//                                          same way once its folder is aside
// DATABASE: a postgresql:// URI or an SQLite file. Prints the outcome's
// number, and "saving" or "deleting" when it has reached its wait.
#include "database.h"
#include "language.h"
#include "mediastore.h"
#include "word.h"
#include "wordsaver.h"
#include "worklock.h"

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
    const auto wait = [&out](const char* what) {
        out << what << Qt::endl;
        QFile in;
        if (in.open(stdin, QIODevice::ReadOnly))
            in.readLine();
    };
    if (args.value(2) == QLatin1String("delete")) {
        if (!word.letter || !word.letter->language)
            return 2;
        const QString root = MediaStore::lettersFolder(*word.letter->language);
        WorkLock deletion;
        QString aside;
        if (!WordSaver::holdDeletion(deletion, word.folderPath(), root)
            || !MediaStore::moveAside(word.folderPath(), root, &aside))
            return 1;
        wait("deleting");
        if (!word.removeAsRead()) {
            MediaStore::moveBack(aside, word.folderPath());
            return 1;
        }
        MediaStore::removeDirectory(aside, root);
        return 0;
    }
    if (args.value(2) == QLatin1String("hold")) {
        WordSaver::setCrashPoint([&wait](const QString& step) {
            if (step.startsWith(QLatin1String("copy ")))
                wait("saving");
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
