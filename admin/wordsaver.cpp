#include "wordsaver.h"

#include "mediastore.h"
#include "word.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cstdio>

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

// One media field on its way into the word folder.
struct Filing
{
    bool chosen = false;  // the field names a file to copy in
    QString source;
    QString oldName;      // what the record named before
    QString finalName;    // what the record names after
    QString copyPath;     // where the copy went; empty when nothing was copied
    bool staged = false;  // copied beside the old file of the same name
};

bool isPlainFileName(const QString& name)
{
    return !name.isEmpty() && name != QLatin1String(".") && name != QLatin1String("..")
        && fileNameOf(name) == name;
}

// Atomically puts from in the place of to (an existing regular file).
bool replaceFile(const QString& from, const QString& to)
{
    return std::rename(QFile::encodeName(from).constData(), QFile::encodeName(to).constData()) == 0;
}
} // namespace

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

WordSaver::Result WordSaver::save(Word& word, const WordForm& form, const WordForm& shown,
                                  const Progress& progress)
{
    const auto fail = [](Outcome outcome, const QString& detail = QString()) {
        Result result;
        result.outcome = outcome;
        result.detail = detail;
        return result;
    };

    for (const QString* field : {&form.name, &form.fullName, &form.image, &form.sign, &form.lips}) {
        if (field->isEmpty())
            return fail(Outcome::EmptyField);
    }
    if (checkFolderName(form.fullName) != NameProblem::None)
        return fail(Outcome::UnsafeName, form.fullName);
    if (!word.letter || !word.letter->language)
        return fail(Outcome::RecordFailed, form.fullName);

    Word probe;
    probe.id = word.id;
    probe.fullName = form.fullName;
    probe.setLetter(word.letter);
    if (probe.isFullNameTaken())
        return fail(Outcome::DuplicateName, form.fullName);

    // Folders: the word's folder under its new description.
    const bool isNew = word.id == 0;
    const QString root = lettersFolder(*word.letter->language);
    const QString letterFolder = word.letter->folderPath();
    const QString folder = letterFolder + form.fullName;
    const QString oldFolder = letterFolder + word.fullName;
    const bool renaming = !isNew && form.fullName != word.fullName;
    if (!isInside(folder, root) || (renaming && !isInside(oldFolder, root)))
        return fail(Outcome::FolderOutside, form.fullName);

    bool renamed = false;
    bool created = false;
    if (renaming && isOccupied(oldFolder)) {
        if (isOccupied(folder))
            return fail(Outcome::FolderExists, form.fullName);
        if (!QDir().rename(oldFolder, folder))
            return fail(Outcome::FolderFailed, form.fullName);
        renamed = true;
    }
    if (!isOccupied(folder)) {
        if (!QDir().mkpath(folder))
            return fail(Outcome::FolderFailed, form.fullName);
        created = true;
    }

    Filing filings[kMediaCount];
    const auto undo = [&] {
        for (const Filing& filing : filings) {
            if (!filing.copyPath.isEmpty())
                QFile::remove(filing.copyPath);
        }
        if (created)
            removeDirectory(folder, root);
        else if (renamed)
            QDir().rename(folder, oldFolder);
    };
    if (!resolvesInside(folder, root)) {
        undo();
        return fail(Outcome::FolderOutside, form.fullName);
    }

    // Names that stay in the folder whatever happens: the files of the fields
    // left as they were shown.
    QStringList reserved;
    qint64 total = 0;
    for (int i = 0; i < kMediaCount; ++i) {
        Filing& filing = filings[i];
        filing.oldName = isNew ? QString() : word.*kMediaFields[i].record;
        filing.chosen = isNew || form.*kMediaFields[i].form != shown.*kMediaFields[i].form;
        if (!filing.chosen) {
            filing.finalName = filing.oldName;
            reserved << filing.oldName;
            continue;
        }
        filing.source = form.*kMediaFields[i].form;
        // A file chosen in the word's own folder has moved with the folder.
        if (renamed && filing.source.startsWith(oldFolder + QLatin1Char('/')))
            filing.source = folder + filing.source.mid(oldFolder.size());
        total += QFileInfo(filing.source).size();
    }

    qint64 copiedBefore = 0;
    for (Filing& filing : filings) {
        if (!filing.chosen)
            continue;
        const QString wanted = fileNameOf(filing.source);
        if (!isPlainFileName(wanted)) {
            undo();
            return fail(Outcome::CopyFailed, filing.source);
        }
        const QString target = folder + QLatin1Char('/') + wanted;
        const QFileInfo targetInfo(target);
        if (targetInfo.isFile() && !targetInfo.isSymLink()
            && targetInfo.canonicalFilePath() == QFileInfo(filing.source).canonicalFilePath()) {
            filing.finalName = wanted; // already in place
        } else {
            if (wanted == filing.oldName && targetInfo.isFile() && !targetInfo.isSymLink()
                && !reserved.contains(wanted)) {
                // Same name as the file it replaces: copy beside it first.
                filing.staged = true;
                filing.finalName = wanted;
                const QString staging = QLatin1Char('.') + wanted + QStringLiteral(".new");
                filing.copyPath = folder + QLatin1Char('/') + freeName(folder, staging, reserved);
            } else {
                filing.finalName = freeName(folder, wanted, reserved);
                filing.copyPath = folder + QLatin1Char('/') + filing.finalName;
            }
            const auto report = [&](qint64 copied) {
                if (progress)
                    progress(copiedBefore + copied, total);
            };
            if (!copyFile(filing.source, filing.copyPath, report)) {
                filing.copyPath.clear(); // nothing of it was left behind
                undo();
                return fail(Outcome::CopyFailed, filing.source);
            }
            copiedBefore += QFileInfo(filing.copyPath).size();
        }
        reserved << filing.finalName;
    }

    const Word before = word;
    word.name = form.name;
    word.fullName = form.fullName;
    for (int i = 0; i < kMediaCount; ++i)
        word.*kMediaFields[i].record = filings[i].finalName;
    const bool written = isNew ? word.save() : word.update();
    if (!written) {
        word = before;
        undo();
        return fail(Outcome::RecordFailed, form.fullName);
    }

    // The record names the new files: now the old ones may go.
    Result result;
    for (const Filing& filing : filings) {
        const QString target = folder + QLatin1Char('/') + filing.finalName;
        if (filing.staged && !replaceFile(filing.copyPath, target)) {
            QFile::remove(filing.copyPath);
            result.keptOld << filing.source;
        }
    }
    for (const Filing& filing : filings) {
        if (filing.chosen && isPlainFileName(filing.oldName) && !reserved.contains(filing.oldName))
            QFile::remove(folder + QLatin1Char('/') + filing.oldName);
    }
    return result;
}
