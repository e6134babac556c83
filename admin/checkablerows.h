#pragma once

#include <QListWidget>
#include <QListWidgetItem>

// Rows of the check lists of the settings dialog and the word editor: the
// record's name shown, its id as user data, a user-checkable check mark.
inline QListWidgetItem* appendCheckableRow(QListWidget* list, const QString& name, int id,
                                           bool checked)
{
    auto* item = new QListWidgetItem(name);
    item->setData(Qt::UserRole, id);
    item->setFlags(item->flags() | Qt::ItemIsSelectable | Qt::ItemIsEditable
                   | Qt::ItemIsUserCheckable | Qt::ItemIsEnabled);
    item->setCheckState(checked ? Qt::Checked : Qt::Unchecked);
    list->addItem(item);
    return item;
}

inline void checkAllRows(QListWidget* list, Qt::CheckState state)
{
    for (int row = 0; row < list->count(); ++row) {
        if (QListWidgetItem* item = list->item(row))
            item->setCheckState(state);
    }
}
