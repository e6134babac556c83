#include "categorywordwidget.h"

#include "contentlists.h"

#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

CategoryWordWidget::CategoryWordWidget(WordList* words, Category* category, QWidget* parent)
    : QDialog(parent, Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint)
    , wordsList(new QListWidget(this))
{
    Q_UNUSED(words);
    setAttribute(Qt::WA_DeleteOnClose);
    setModal(true);
    wordsList->setObjectName(QStringLiteral("wordsList"));
    auto* closeButton = new QPushButton(tr("Cerrar"), this);
    closeButton->setObjectName(QStringLiteral("closeButton"));
    closeButton->setFixedSize(100, 25);
    connect(closeButton, &QPushButton::clicked, this, &CategoryWordWidget::slotCloseIt);

    if (category)
        loadWordList(*category);

    auto* column = new QVBoxLayout(this);
    column->addWidget(wordsList);
    column->addWidget(closeButton, 0, Qt::AlignRight);

    setWindowTitle(tr("Lista de palabras asociadas a la categoría: %1")
                       .arg(category ? category->name : QString()));
}

void CategoryWordWidget::loadWordList(const Category& category)
{
    wordsList->clear();
    WordList words;
    words.loadOfCategory(category);
    words.reset();
    while (Word* word = words.next()) {
        auto* item = new QListWidgetItem(word->name, wordsList);
        item->setData(Qt::UserRole, word->id);
    }
}

void CategoryWordWidget::slotCloseIt()
{
    Q_EMIT done();
    close();
}
