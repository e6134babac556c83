#pragma once

#include "contentpack.h"

#include <QDialog>

class Language;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QTreeWidget;

// The check the word editor makes of a chosen picture or video, for the
// files of a pack.
ContentPack::Probe mediaProbe();

// "Exportar paquete…": the words to send (letters, categories, single words
// or all), a title, an author and a licence.
class ExportPackDialog : public QDialog
{
    Q_OBJECT

public:
    explicit ExportPackDialog(Language* language, QWidget* parent = nullptr);

    QList<int> chosenWords() const;
    ContentPack::PackInfo info() const;

    // Asks where, writes the pack with a progress dialog and reports.
    bool exportTo(const QString& path);

private:
    void slotExport();

    Language* language;
    QCheckBox* allWords = nullptr;
    QTreeWidget* wordsTree = nullptr;
    QListWidget* categories = nullptr;
    QLineEdit* title = nullptr;
    QLineEdit* author = nullptr;
    QComboBox* licence = nullptr;
    QLineEdit* otherLicence = nullptr;
};

// "Importar paquete…": the preview of an opened pack, with the choice for
// each word that exists here already.
class ImportPackDialog : public QDialog
{
    Q_OBJECT

public:
    ImportPackDialog(const ContentPack::Manifest& manifest, const ContentPack::ImportPlan& plan,
                     QWidget* parent = nullptr);

    ContentPack::ImportPlan plan() const;

private:
    ContentPack::ImportPlan chosen;
    QTreeWidget* preview = nullptr;
    QComboBox* forAll = nullptr;
};

// The whole import from the administrator: asks for the file, shows the
// preview, imports with progress and shows the summary. False when nothing
// was imported or something failed.
bool importPackInteractively(Language* language, const QString& path, QWidget* parent);
