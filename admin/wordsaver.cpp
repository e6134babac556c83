#include "wordsaver.h"

#include "lettertext.h"
#include "mediastore.h"
#include "sqlhelpers.h"
#include "word.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSaveFile>
#include <QStorageInfo>
#include <QVariant>

using namespace MediaStore;

namespace {
struct MediaField
{
    QString WordForm::*form;
    QString Word::*record;
};
const MediaField kMediaFields[] = {
    {&WordForm::image, &Word::image},
    {&WordForm::sign, &Word::sign},
    {&WordForm::lips, &Word::lips},
};
constexpr int kMediaCount = 3;

const QString kStagingPrefix = QStringLiteral(".guardando-");
const QString kJournalSuffix = QStringLiteral(".diario");

WordSaver::CrashPoint& crashHook()
{
    static WordSaver::CrashPoint hook;
    return hook;
}

using Crash = std::function<bool(const QString&)>;

// What one save does, written down before it starts.
struct Plan
{
    QString letterFolder; // with its trailing "/"
    QString root;         // the language's "Letras" folder
    QString staging;      // name of the hidden folder the copies go to
    int wordId = 0;       // 0 for a new word
    int letterId = 0;
    QString baseFolder;   // the existing folder the word builds on, or empty
    WordForm record;      // the record after the save, with bare file names
    QStringList moves;    // files of the staging folder that go into the word folder
    QStringList obsolete; // files of the word folder that the record no longer names
    bool unchanged = false; // the record reads the same before and after
    bool committed = false; // the record has been written

    QString journalPath() const { return letterFolder + staging + kJournalSuffix; }
    QString stagingPath() const { return letterFolder + staging; }
    QString targetPath() const { return letterFolder + record.fullName; }
};

QJsonArray toArray(const QStringList& list)
{
    return QJsonArray::fromStringList(list);
}

QStringList toList(const QJsonValue& value)
{
    QStringList list;
    for (const QJsonValue& item : value.toArray())
        list << item.toString();
    return list;
}

bool writeJournal(const Plan& plan)
{
    const QJsonObject record{{"name", plan.record.name},   {"fullName", plan.record.fullName},
                             {"image", plan.record.image}, {"sign", plan.record.sign},
                             {"lips", plan.record.lips}};
    const QJsonObject journal{{"wordId", plan.wordId},         {"letterId", plan.letterId},
                              {"baseFolder", plan.baseFolder}, {"record", record},
                              {"moves", toArray(plan.moves)},  {"obsolete", toArray(plan.obsolete)},
                              {"unchanged", plan.unchanged},   {"committed", plan.committed}};
    if (isRefused(plan.journalPath()))
        return false;
    QSaveFile file(plan.journalPath());
    return file.open(QIODevice::WriteOnly)
        && file.write(QJsonDocument(journal).toJson()) > 0 && file.commit();
}

bool readJournal(const QString& path, Plan* plan)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const QJsonObject journal = QJsonDocument::fromJson(file.readAll()).object();
    const QJsonObject record = journal.value(QLatin1String("record")).toObject();
    plan->wordId = journal.value(QLatin1String("wordId")).toInt();
    plan->letterId = journal.value(QLatin1String("letterId")).toInt();
    plan->baseFolder = journal.value(QLatin1String("baseFolder")).toString();
    plan->record.name = record.value(QLatin1String("name")).toString();
    plan->record.fullName = record.value(QLatin1String("fullName")).toString();
    plan->record.image = record.value(QLatin1String("image")).toString();
    plan->record.sign = record.value(QLatin1String("sign")).toString();
    plan->record.lips = record.value(QLatin1String("lips")).toString();
    plan->moves = toList(journal.value(QLatin1String("moves")));
    plan->obsolete = toList(journal.value(QLatin1String("obsolete")));
    plan->unchanged = journal.value(QLatin1String("unchanged")).toBool();
    plan->committed = journal.value(QLatin1String("committed")).toBool();
    const QString name = fileNameOf(path);
    plan->staging = name.left(name.size() - kJournalSuffix.size());
    // Names from the file must stay plain names inside the letter folder.
    QStringList names = plan->moves + plan->obsolete;
    names << plan->record.fullName;
    if (!plan->baseFolder.isEmpty())
        names << plan->baseFolder;
    for (const QString& entry : names) {
        if (entry.isEmpty() || entry == QLatin1String(".") || entry == QLatin1String("..")
            || fileNameOf(entry) != entry)
            return false;
    }
    return true;
}

bool isPlainFileName(const QString& name)
{
    return !name.isEmpty() && name != QLatin1String(".") && name != QLatin1String("..")
        && fileNameOf(name) == name;
}

// Whether the record in the database is the one the save was writing.
bool recordMatches(const Plan& plan)
{
    Word word;
    Letter letter;
    bool found = false;
    if (plan.wordId > 0)
        found = word.loadById(plan.wordId);
    else
        found = letter.loadById(plan.letterId)
            && word.loadByFullName(plan.record.fullName, &letter);
    return found && word.name == plan.record.name && word.fullName == plan.record.fullName
        && word.image == plan.record.image && word.sign == plan.record.sign
        && word.lips == plan.record.lips;
}

// Whether the save got past its point of no return. A record that reads the
// same before and after cannot tell; then the copies decide: once they are
// all complete, finishing gives the new word, and before that undoing keeps
// the old one.
bool pastRecord(const Plan& plan)
{
    if (plan.committed)
        return true;
    if (!recordMatches(plan))
        return false;
    if (!plan.unchanged)
        return true;
    for (const QString& name : plan.moves) {
        if (!QFileInfo(plan.stagingPath() + QLatin1Char('/') + name).isFile())
            return false;
    }
    return true;
}

enum class Step { Done, Failed, Crashed };

// Everything after the record was written. Each step checks what is already
// done, so that the next start can run it again after a crash.
Step finish(const Plan& plan, const Crash& crash)
{
    const QString staging = plan.stagingPath();
    const QString target = plan.targetPath();
    if (plan.baseFolder.isEmpty()) {
        // A new folder: the staging folder becomes it, files and all.
        if (isOccupied(staging) && !isOccupied(target) && !renamePath(staging, target))
            return Step::Failed;
        if (crash(QStringLiteral("folder")))
            return Step::Crashed;
    } else {
        const QString base = plan.letterFolder + plan.baseFolder;
        if (base != target && isOccupied(base) && !isOccupied(target)
            && !renamePath(base, target))
            return Step::Failed;
        if (crash(QStringLiteral("folder")))
            return Step::Crashed;
        for (const QString& name : plan.moves) {
            const QString from = staging + QLatin1Char('/') + name;
            if (QFileInfo(from).isFile()
                && !renamePath(from, target + QLatin1Char('/') + name))
                return Step::Failed;
            if (crash(QStringLiteral("move ") + name))
                return Step::Crashed;
        }
    }
    const QStringList named{plan.record.image, plan.record.sign, plan.record.lips};
    for (const QString& name : plan.obsolete) {
        const QString path = target + QLatin1Char('/') + name;
        if (named.contains(name) || !QFileInfo(path).isFile() || QFileInfo(path).isSymLink())
            continue;
        if (isRefused(path) || !QFile::remove(path))
            return Step::Failed;
    }
    if (crash(QStringLiteral("obsolete")))
        return Step::Crashed;
    if (isOccupied(staging)) {
        removeDirectory(staging, plan.root);
        if (isOccupied(staging))
            return Step::Failed;
    }
    if (crash(QStringLiteral("staging")))
        return Step::Crashed;
    if (isRefused(plan.journalPath()) || !QFile::remove(plan.journalPath()))
        return Step::Failed;
    return Step::Done;
}

// Undoes a save whose record was not written: only the staging folder and
// the journal were ever touched.
void undo(const Plan& plan)
{
    removeDirectory(plan.stagingPath(), plan.root);
    if (!isOccupied(plan.stagingPath()))
        QFile::remove(plan.journalPath());
}

void reconcileLetterFolder(const QString& letterFolder, const QString& root)
{
    const QDir dir(letterFolder);
    const QStringList journals = dir.entryList({kStagingPrefix + QStringLiteral("*") + kJournalSuffix},
                                               QDir::Files | QDir::Hidden);
    for (const QString& name : journals) {
        Plan plan;
        plan.letterFolder = letterFolder;
        plan.root = root;
        if (!readJournal(letterFolder + name, &plan))
            continue; // not ours to judge: left as it is
        if (pastRecord(plan))
            finish(plan, [](const QString&) { return false; });
        else
            undo(plan);
    }
    // A staging folder whose journal is gone holds nothing the record names.
    const QStringList stagings = dir.entryList({kStagingPrefix + QStringLiteral("*")},
                                               QDir::Dirs | QDir::Hidden | QDir::NoDotAndDotDot);
    for (const QString& name : stagings) {
        if (!QFileInfo::exists(letterFolder + name + kJournalSuffix))
            removeDirectory(letterFolder + name, root);
    }
}

int languageId(const QString& name)
{
    QSqlQuery query = SqlHelpers::prepare(QStringLiteral("SELECT id FROM language WHERE name = :name"));
    query.bindValue(QStringLiteral(":name"), name);
    return SqlHelpers::execFirstRow(query) ? query.value(0).toInt() : 0;
}

// A folder moved aside for deletion: back in place when its record is
// still there (the deletion never reached the database), otherwise removed.
void reconcileAside(const QString& folder, const QString& aside, bool recordExists,
                    const QString& root)
{
    if (recordExists && !isOccupied(folder))
        moveBack(aside, folder);
    else
        removeDirectory(aside, root);
}

void reconcileDeletions(const QString& root, Language* language)
{
    const QDir letters(root);
    const QString prefix = asidePrefix();
    for (const QString& name :
         letters.entryList({prefix + QStringLiteral("*")}, QDir::Dirs | QDir::Hidden | QDir::NoDotAndDotDot)) {
        const QString letterName = name.mid(prefix.size());
        Letter letter;
        reconcileAside(root + QLatin1Char('/') + letterName, root + QLatin1Char('/') + name,
                       language && letter.loadByName(letterName, language), root);
    }
    for (const QString& letterName : letters.entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        const QString letterFolder = root + QLatin1Char('/') + letterName + QLatin1Char('/');
        Letter letter;
        const bool letterFound = language && letter.loadByName(letterName, language);
        for (const QString& name : QDir(letterFolder).entryList(
                 {prefix + QStringLiteral("*")}, QDir::Dirs | QDir::Hidden | QDir::NoDotAndDotDot)) {
            const QString fullName = name.mid(prefix.size());
            Word word;
            reconcileAside(letterFolder + fullName, letterFolder + name,
                           letterFound && word.loadByFullName(fullName, &letter), root);
        }
    }
}
} // namespace

QString WordSaver::unshowableCharacters(const QString& name)
{
    QString unshowable;
    // Letter pictures exist for a to z and the accented letters, whose
    // base names are one or two ASCII letters; a blank has its own picture.
    const auto showable = [](char32_t c) {
        if (c == U' ')
            return true;
        if (c > 0xFFFF || !QChar(c).isLetter())
            return false;
        const QString base = LetterText::baseName(QChar(c));
        for (QChar b : base) {
            if (b < QLatin1Char('a') || b > QLatin1Char('z'))
                return false;
        }
        return !base.isEmpty() && base.size() <= 2;
    };
    for (char32_t c : name.toUcs4()) {
        const QString text = QString::fromUcs4(&c, 1);
        if (!showable(c) && !unshowable.contains(text))
            unshowable += text;
    }
    return unshowable;
}

void WordSaver::setCrashPoint(const CrashPoint& crashPoint)
{
    crashHook() = crashPoint;
}

WordForm WordSaver::shownPaths(const Word& word)
{
    WordForm shown;
    shown.name = word.name;
    shown.fullName = word.fullName;
    if (word.letter && word.letter->language) {
        shown.image = word.imagePath();
        shown.sign = word.signPath();
        shown.lips = word.lipsPath();
    }
    return shown;
}

WordForm WordSaver::formFromFolder(const QString& folder)
{
    WordForm form;
    const QString clean = QDir::cleanPath(folder);
    form.fullName = fileNameOf(clean);
    form.name = form.fullName;
    QStringList videos;
    for (const QFileInfo& file : QDir(clean).entryInfoList(QDir::Files, QDir::Name)) {
        const QString suffix = file.suffix().toLower();
        if (MediaStore::pictureSuffixes().contains(suffix)) {
            if (form.image.isEmpty())
                form.image = file.filePath();
        } else if (MediaStore::videoSuffixes().contains(suffix)) {
            videos << file.filePath();
        }
    }
    // Names tell the videos apart where they can; the rest fill the gaps.
    const auto take = [&](QString& field, const QStringList& hints) {
        for (const QString& video : videos) {
            const QString name = fileNameOf(video).toLower();
            for (const QString& hint : hints) {
                if (field.isEmpty() && name.contains(hint)) {
                    field = video;
                    videos.removeOne(video);
                    return;
                }
            }
        }
    };
    take(form.sign, {QStringLiteral("seña"), QStringLiteral("sena"), QStringLiteral("sign")});
    take(form.lips, {QStringLiteral("modula"), QStringLiteral("labi"), QStringLiteral("boca"),
                     QStringLiteral("lip")});
    for (QString* field : {&form.sign, &form.lips}) {
        if (field->isEmpty() && !videos.isEmpty())
            *field = videos.takeFirst();
    }
    return form;
}

WordSaver::Result WordSaver::save(Word& word, const WordForm& form, const WordForm& shown,
                                  const Progress& progress)
{
    const auto fail = [](Outcome outcome, const QString& detail = QString()) {
        Result result;
        result.outcome = outcome;
        result.detail = detail;
        return result;
    };
    const Crash crash = [](const QString& step) { return crashHook() && crashHook()(step); };

    for (const QString* field : {&form.name, &form.fullName, &form.image, &form.sign, &form.lips}) {
        if (field->isEmpty())
            return fail(Outcome::EmptyField);
    }
    if (const QString unshowable = unshowableCharacters(form.name); !unshowable.isEmpty())
        return fail(Outcome::Unshowable, unshowable);
    if (checkFolderName(form.fullName) != NameProblem::None)
        return fail(Outcome::UnsafeName, form.fullName);
    if (form.fullName.toUtf8().size() > kMaxNameBytes)
        return fail(Outcome::NameTooLong, form.fullName);
    if (!word.letter || !word.letter->language)
        return fail(Outcome::RecordFailed, form.fullName);

    Word probe;
    probe.id = word.id;
    probe.fullName = form.fullName;
    probe.setLetter(word.letter);
    if (probe.isFullNameTaken())
        return fail(Outcome::DuplicateName, form.fullName);

    const bool isNew = word.id == 0;
    Plan plan;
    plan.root = lettersFolder(*word.letter->language);
    plan.letterFolder = word.letter->folderPath();
    plan.wordId = word.id;
    plan.letterId = word.letter->id;
    plan.record = form;
    const QString target = plan.letterFolder + form.fullName;
    const QString oldFolder = plan.letterFolder + word.fullName;
    const bool renaming = !isNew && form.fullName != word.fullName;
    if (!isInside(target, plan.root) || (renaming && !isInside(oldFolder, plan.root)))
        return fail(Outcome::FolderOutside, form.fullName);
    if (renaming && isOccupied(target))
        return fail(Outcome::FolderExists, form.fullName);
    // A new word may take over a folder that no record names (made of it in
    // the administrator); an edited word builds on its own folder.
    if (isNew ? isOccupied(target) : isOccupied(oldFolder))
        plan.baseFolder = isNew ? form.fullName : word.fullName;
    const QString base = plan.baseFolder.isEmpty() ? QString() : plan.letterFolder + plan.baseFolder;
    if (!base.isEmpty() && !resolvesInside(base, plan.root))
        return fail(Outcome::FolderOutside, form.fullName);
    if (!QFileInfo(plan.letterFolder).isDir()
        && (!isInside(plan.letterFolder + QStringLiteral("x"), plan.root)
            || !QDir().mkpath(plan.letterFolder)))
        return fail(Outcome::FolderFailed, form.fullName);
    if (!resolvesInside(plan.letterFolder, plan.root))
        return fail(Outcome::FolderOutside, form.fullName);

    // Which file each media field will name, and which of them are copied.
    struct Copy
    {
        QString source;
        QString name;
    };
    QList<Copy> copies;
    QStringList reserved;
    for (int i = 0; i < kMediaCount; ++i) {
        const QString oldName = isNew ? QString() : word.*kMediaFields[i].record;
        if (!isNew && form.*kMediaFields[i].form == shown.*kMediaFields[i].form)
            reserved << oldName; // kept as it is
    }
    qint64 total = 0;
    for (int i = 0; i < kMediaCount; ++i) {
        const QString oldName = isNew ? QString() : word.*kMediaFields[i].record;
        QString& finalName = plan.record.*kMediaFields[i].form;
        if (!isNew && form.*kMediaFields[i].form == shown.*kMediaFields[i].form) {
            finalName = oldName;
            continue;
        }
        const QString source = form.*kMediaFields[i].form;
        const QString wanted = fileNameOf(source);
        const QFileInfo sourceInfo(source);
        if (!isPlainFileName(wanted) || !sourceInfo.isFile())
            return fail(Outcome::CopyFailed, source);
        const QFileInfo inPlace(base + QLatin1Char('/') + wanted);
        if (!base.isEmpty() && inPlace.isFile() && !inPlace.isSymLink()
            && inPlace.canonicalFilePath() == sourceInfo.canonicalFilePath()) {
            finalName = wanted; // already in the word's folder
        } else {
            const bool replacesOwn = wanted == oldName && inPlace.isFile() && !inPlace.isSymLink()
                && !reserved.contains(wanted);
            // Names are free when neither the folder the word builds on nor
            // the other fields use them.
            finalName = replacesOwn ? wanted
                                    : freeName(base.isEmpty() ? target : base, wanted, reserved);
            copies << Copy{source, finalName};
            plan.moves << finalName;
            total += sourceInfo.size();
        }
        reserved << finalName;
        if (isPlainFileName(oldName))
            plan.obsolete << oldName;
    }
    for (const QString& name : QStringList(plan.obsolete)) {
        if (reserved.contains(name))
            plan.obsolete.removeAll(name);
    }
    plan.unchanged = !isNew && plan.record.name == word.name
        && plan.record.fullName == word.fullName && plan.record.image == word.image
        && plan.record.sign == word.sign && plan.record.lips == word.lips;
    const QStorageInfo disk(plan.letterFolder);
    if (disk.isValid() && disk.bytesAvailable() >= 0 && disk.bytesAvailable() < total)
        return fail(Outcome::DiskFull, copies.isEmpty() ? QString() : copies.last().source);

    plan.staging = fileNameOf(freeName(plan.letterFolder,
                                       kStagingPrefix + QString::number(QDateTime::currentMSecsSinceEpoch())));
    if (!writeJournal(plan))
        return fail(Outcome::FolderFailed, form.fullName);
    if (crash(QStringLiteral("journal")))
        return fail(Outcome::Interrupted);
    if (isRefused(plan.stagingPath()) || !QDir().mkdir(plan.stagingPath())) {
        undo(plan);
        return fail(Outcome::FolderFailed, form.fullName);
    }
    if (crash(QStringLiteral("staging")))
        return fail(Outcome::Interrupted);

    qint64 copiedBefore = 0;
    for (const Copy& copy : copies) {
        const auto report = [&](qint64 copied) {
            return !progress || progress(copiedBefore + copied, total);
        };
        CopyError error = CopyError::None;
        if (!copyFile(copy.source, plan.stagingPath() + QLatin1Char('/') + copy.name, report,
                      &error)) {
            undo(plan);
            return fail(error == CopyError::DiskFull   ? Outcome::DiskFull
                            : error == CopyError::Cancelled ? Outcome::Cancelled
                                                          : Outcome::CopyFailed,
                        copy.source);
        }
        copiedBefore += QFileInfo(copy.source).size();
        if (crash(QStringLiteral("copy ") + copy.name))
            return fail(Outcome::Interrupted);
    }

    // The point of no return: from here on the new word is the word.
    const Word before = word;
    word.name = plan.record.name;
    word.fullName = plan.record.fullName;
    for (int i = 0; i < kMediaCount; ++i)
        word.*kMediaFields[i].record = plan.record.*kMediaFields[i].form;
    const bool written = isNew ? word.save() : word.update();
    if (!written) {
        word = before;
        undo(plan);
        return fail(Outcome::RecordFailed, form.fullName);
    }
    if (crash(QStringLiteral("record")))
        return fail(Outcome::Interrupted);
    plan.committed = true;
    writeJournal(plan); // without it the record itself tells, see pastRecord()
    if (crash(QStringLiteral("committed")))
        return fail(Outcome::Interrupted);

    switch (finish(plan, crash)) {
    case Step::Done: return Result();
    case Step::Crashed: return fail(Outcome::Interrupted);
    case Step::Failed: break;
    }
    return fail(Outcome::Unfinished, form.fullName);
}

void WordSaver::reconcile(const QString& languagesFolder)
{
    const QDir languages(languagesFolder);
    for (const QString& languageName : languages.entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        const QString root = languages.filePath(languageName) + QStringLiteral("/Letras");
        if (!QFileInfo(root).isDir())
            continue;
        Language language;
        const int id = languageId(languageName);
        const bool known = id > 0 && language.loadById(id);
        for (const QString& letterName : QDir(root).entryList(QDir::Dirs | QDir::NoDotAndDotDot))
            reconcileLetterFolder(root + QLatin1Char('/') + letterName + QLatin1Char('/'), root);
        reconcileDeletions(root, known ? &language : nullptr);
    }
}
