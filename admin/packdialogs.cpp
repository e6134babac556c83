#include "packdialogs.h"

#include "contentlists.h"
#include "language.h"
#include "mediapaths.h"
#include "mediastore.h"
#include "videoprobe.h"
#include "word.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QFormLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QImageReader>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QProgressDialog>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {
constexpr int kWordIdRole = Qt::UserRole;

// Bytes as per mille for a progress dialog whose range is an int.
int perMille(qint64 done, qint64 total)
{
    return total > 0 ? int(qMin<qint64>(1000, done * 1000 / total)) : 0;
}

QString megabytes(qint64 bytes)
{
    return QString::number(double(bytes) / (1 << 20), 'f', 1);
}
} // namespace

ContentPack::Probe mediaProbe()
{
    return [](const QString& path, ContentPack::MediaKind kind) {
        if (kind == ContentPack::MediaKind::Picture) {
            QImageReader reader(path);
            return reader.canRead() && !reader.size().isEmpty();
        }
        return VideoProbe::canPlay(path);
    };
}

ExportPackDialog::ExportPackDialog(Language* lang, QWidget* parent)
    : QDialog(parent)
    , language(lang)
{
    setWindowTitle(tr("Exportar paquete"));
    allWords = new QCheckBox(tr("Todas las palabras"), this);
    allWords->setObjectName(QStringLiteral("packAllWords"));
    wordsTree = new QTreeWidget(this);
    wordsTree->setObjectName(QStringLiteral("packWordsTree"));
    wordsTree->setHeaderLabel(tr("Letras y palabras"));
    categories = new QListWidget(this);
    categories->setObjectName(QStringLiteral("packCategories"));
    title = new QLineEdit(this);
    title->setObjectName(QStringLiteral("packTitle"));
    author = new QLineEdit(this);
    author->setObjectName(QStringLiteral("packAuthor"));
    licence = new QComboBox(this);
    licence->setObjectName(QStringLiteral("packLicence"));
    licence->addItems(ContentPack::licences());
    otherLicence = new QLineEdit(this);
    otherLicence->setObjectName(QStringLiteral("packOtherLicence"));
    otherLicence->setPlaceholderText(tr("Escriba la licencia"));
    otherLicence->setVisible(false);
    connect(licence, &QComboBox::currentIndexChanged, this,
            [this](int index) { otherLicence->setVisible(index == licence->count() - 1); });

    if (language) {
        LetterList letters;
        letters.loadOfLanguage(language);
        while (const Letter* letter = letters.next()) {
            auto* item = new QTreeWidgetItem(wordsTree, {letter->name});
            item->setFlags(item->flags() | Qt::ItemIsUserCheckable | Qt::ItemIsAutoTristate);
            item->setCheckState(0, Qt::Unchecked);
            for (const int id : ContentPack::chooseWords(*language, {letter->name}, {})) {
                Word word;
                if (!word.loadById(id))
                    continue;
                auto* child = new QTreeWidgetItem(item, {word.fullName});
                child->setData(0, kWordIdRole, id);
                child->setFlags(child->flags() | Qt::ItemIsUserCheckable);
                child->setCheckState(0, Qt::Unchecked);
            }
        }
        CategoryList list;
        list.loadOfLanguage(language);
        while (const Category* category = list.next()) {
            auto* item = new QListWidgetItem(category->name, categories);
            item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
            item->setCheckState(Qt::Unchecked);
        }
    }
    connect(allWords, &QCheckBox::toggled, wordsTree, &QWidget::setDisabled);
    connect(allWords, &QCheckBox::toggled, categories, &QWidget::setDisabled);

    auto* form = new QFormLayout;
    form->addRow(tr("Título:"), title);
    form->addRow(tr("Autor:"), author);
    form->addRow(tr("Licencia:"), licence);
    form->addRow(QString(), otherLicence);
    auto* lists = new QHBoxLayout;
    lists->addWidget(wordsTree);
    auto* categoryColumn = new QVBoxLayout;
    categoryColumn->addWidget(new QLabel(tr("Categorías:"), this));
    categoryColumn->addWidget(categories);
    lists->addLayout(categoryColumn);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Cancel, this);
    QPushButton* exportButton = buttons->addButton(tr("Exportar…"), QDialogButtonBox::AcceptRole);
    exportButton->setObjectName(QStringLiteral("packExportButton"));
    connect(buttons, &QDialogButtonBox::accepted, this, &ExportPackDialog::slotExport);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* column = new QVBoxLayout(this);
    column->addWidget(allWords);
    column->addLayout(lists);
    column->addLayout(form);
    column->addWidget(buttons);
    resize(560, 480);
}

QList<int> ExportPackDialog::chosenWords() const
{
    if (!language)
        return {};
    if (allWords->isChecked())
        return ContentPack::chooseWords(*language, {}, {});
    QList<int> ids;
    for (int i = 0; i < wordsTree->topLevelItemCount(); ++i) {
        const QTreeWidgetItem* letter = wordsTree->topLevelItem(i);
        for (int j = 0; j < letter->childCount(); ++j) {
            if (letter->child(j)->checkState(0) == Qt::Checked)
                ids << letter->child(j)->data(0, kWordIdRole).toInt();
        }
    }
    QStringList chosenCategories;
    for (int i = 0; i < categories->count(); ++i) {
        if (categories->item(i)->checkState() == Qt::Checked)
            chosenCategories << categories->item(i)->text();
    }
    if (ids.isEmpty() && chosenCategories.isEmpty())
        return {}; // nothing chosen is not "everything"
    return ContentPack::chooseWords(*language, {}, chosenCategories, ids);
}

ContentPack::PackInfo ExportPackDialog::info() const
{
    const bool other = licence->currentIndex() == licence->count() - 1;
    return {title->text().trimmed(), author->text().trimmed(),
            other ? otherLicence->text().trimmed() : licence->currentText()};
}

bool ExportPackDialog::exportTo(const QString& path)
{
    const QList<int> words = chosenWords();
    QProgressDialog progress(tr("Exportando el paquete…"), tr("Cancelar"), 0, 1000, this);
    progress.setObjectName(QStringLiteral("packProgress"));
    progress.setWindowModality(Qt::WindowModal);
    progress.setMinimumDuration(500);
    QString error;
    const bool done = ContentPack::exportPack(
        path, *language, words, info(),
        [&](qint64 copied, qint64 total) {
            progress.setValue(perMille(copied, total));
            return !progress.wasCanceled();
        },
        &error);
    progress.reset();
    if (!done) {
        QMessageBox::warning(this, tr("Exportar paquete"), error);
        return false;
    }
    QMessageBox::information(this, tr("Exportar paquete"),
                             tr("Se exportaron %1 palabras a %2.")
                                 .arg(words.size())
                                 .arg(QDir::toNativeSeparators(path)));
    return true;
}

void ExportPackDialog::slotExport()
{
    if (chosenWords().isEmpty()) {
        QMessageBox::warning(
            this, tr("Exportar paquete"),
            tr("Elija las letras, las categorías o las palabras que quiere exportar."));
        return;
    }
    if (info().title.isEmpty() || info().author.isEmpty() || info().licence.isEmpty()) {
        QMessageBox::warning(this, tr("Exportar paquete"),
                             tr("Escriba el título, el autor y la licencia del paquete."));
        return;
    }
    QString path = QFileDialog::getSaveFileName(
        this, tr("Exportar paquete"),
        QDir::home().filePath(info().title + QLatin1Char('.') + ContentPack::suffix()),
        tr("Paquetes de Ondalira (*.%1)").arg(ContentPack::suffix()));
    if (path.isEmpty())
        return;
    if (!path.endsWith(QLatin1Char('.') + ContentPack::suffix()))
        path += QLatin1Char('.') + ContentPack::suffix();
    if (exportTo(path))
        accept();
}

ImportPackDialog::ImportPackDialog(const ContentPack::Manifest& manifest,
                                   const ContentPack::ImportPlan& plan, QWidget* parent)
    : QDialog(parent)
    , chosen(plan)
{
    setWindowTitle(tr("Importar paquete"));
    auto* about = new QLabel(this);
    about->setObjectName(QStringLiteral("packAbout"));
    about->setTextFormat(Qt::PlainText);
    about->setText(tr("Título: %1\nAutor: %2\nLicencia: %3\nIdioma: %4")
                       .arg(manifest.title, manifest.author, manifest.licence, manifest.language));
    preview = new QTreeWidget(this);
    preview->setObjectName(QStringLiteral("packPreview"));
    preview->setColumnCount(3);
    preview->setHeaderLabels({tr("Palabra"), tr("Estado"), tr("Si ya existe")});
    const QStringList choices{tr("Conservar la mía"), tr("Tomar la suya"), tr("Conservar ambas")};
    QTreeWidgetItem* letterItem = nullptr;
    QList<QComboBox*> combos;
    for (int i = 0; i < chosen.items.size(); ++i) {
        const ContentPack::ImportItem& item = chosen.items.at(i);
        const ContentPack::PackWord& word = manifest.words.at(item.word);
        if (!letterItem || letterItem->text(0) != word.letter) {
            letterItem = new QTreeWidgetItem(preview, {word.letter});
            letterItem->setExpanded(true);
        }
        const QString state = item.letterMissing ? tr("Letra que este idioma no tiene: se omitirá")
            : item.existingId > 0                ? tr("Ya existe")
                                                 : tr("Nueva");
        auto* row = new QTreeWidgetItem(letterItem, {word.fullName, state});
        if (item.existingId > 0 && !item.letterMissing) {
            auto* combo = new QComboBox(preview);
            combo->setObjectName(QStringLiteral("packChoice%1").arg(i));
            combo->addItems(choices);
            combo->setCurrentIndex(int(item.choice));
            connect(combo, &QComboBox::currentIndexChanged, this, [this, i](int index) {
                chosen.items[i].choice = ContentPack::Conflict(index);
            });
            preview->setItemWidget(row, 2, combo);
            combos << combo;
        }
    }
    preview->expandAll();
    preview->header()->setSectionResizeMode(QHeaderView::ResizeToContents);

    forAll = new QComboBox(this);
    forAll->setObjectName(QStringLiteral("packChoiceAll"));
    forAll->addItems(choices);
    forAll->setEnabled(!combos.isEmpty());
    connect(forAll, &QComboBox::currentIndexChanged, this, [this, combos](int index) {
        chosen.chooseForAll(ContentPack::Conflict(index));
        for (QComboBox* combo : combos)
            combo->setCurrentIndex(index);
    });
    auto* forAllRow = new QHBoxLayout;
    forAllRow->addWidget(new QLabel(tr("Para todas las que ya existen:"), this));
    forAllRow->addWidget(forAll);

    QStringList notes;
    notes << tr("Palabras: %1 (nuevas: %2, ya existen: %3)")
                 .arg(chosen.items.size())
                 .arg(chosen.items.size() - chosen.existing())
                 .arg(chosen.existing());
    if (!chosen.missingLetters.isEmpty())
        notes << tr("Letras que este idioma no tiene (sus palabras se omitirán): %1")
                     .arg(chosen.missingLetters.join(QStringLiteral(", ")));
    if (!chosen.missingCategories.isEmpty())
        notes << tr("Categorías que se crearán: %1")
                     .arg(chosen.missingCategories.join(QStringLiteral(", ")));
    notes << tr("Tamaño total: %1 MB; espacio libre: %2 MB")
                 .arg(megabytes(chosen.totalSize), megabytes(chosen.freeSpace));
    auto* summary = new QLabel(notes.join(QLatin1Char('\n')), this);
    summary->setObjectName(QStringLiteral("packSummary"));
    summary->setTextFormat(Qt::PlainText);
    summary->setWordWrap(true);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Cancel, this);
    QPushButton* importButton = buttons->addButton(tr("Importar"), QDialogButtonBox::AcceptRole);
    importButton->setObjectName(QStringLiteral("packImportButton"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* column = new QVBoxLayout(this);
    column->addWidget(about);
    column->addWidget(preview);
    column->addLayout(forAllRow);
    column->addWidget(summary);
    column->addWidget(buttons);
    resize(560, 520);
}

ContentPack::ImportPlan ImportPackDialog::plan() const
{
    return chosen;
}

bool importPackInteractively(Language* language, const QString& path, QWidget* parent)
{
    const QString title = QCoreApplication::translate("ImportPackDialog", "Importar paquete");
    ContentPack::Reader reader(path);
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    const bool opened = reader.open(MediaStore::lettersFolder(*language));
    QGuiApplication::restoreOverrideCursor();
    if (!opened) {
        QMessageBox::warning(
            parent, title,
            QCoreApplication::translate("ImportPackDialog", "No se puede importar este paquete: %1")
                .arg(reader.error()));
        return false;
    }
    ImportPackDialog preview(reader.manifest(),
                             ContentPack::planImport(reader.manifest(), *language), parent);
    if (preview.exec() != QDialog::Accepted)
        return false;
    QProgressDialog progress(
        QCoreApplication::translate("ImportPackDialog", "Comprobando e importando el paquete…"),
        QCoreApplication::translate("ImportPackDialog", "Cancelar"), 0, 1000, parent);
    progress.setObjectName(QStringLiteral("packProgress"));
    progress.setWindowModality(Qt::WindowModal);
    progress.setMinimumDuration(500);
    ContentPack::ImportSummary summary;
    QString error;
    const bool done = ContentPack::importPack(
        reader, preview.plan(), *language, mediaProbe(),
        [&](qint64 copied, qint64 total) {
            progress.setValue(perMille(copied, total));
            return !progress.wasCanceled();
        },
        &summary, &error);
    progress.reset();
    const QStringList lines = ContentPack::describe(summary);
    if (!done && summary.failed.isEmpty()) {
        QMessageBox::warning(
            parent, title,
            QCoreApplication::translate("ImportPackDialog", "No se importó nada: %1").arg(error));
        return false;
    }
    if (!done)
        QMessageBox::warning(parent, title, lines.join(QLatin1Char('\n')));
    else
        QMessageBox::information(parent, title, lines.join(QLatin1Char('\n')));
    return done;
}
