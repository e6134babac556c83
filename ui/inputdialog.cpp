#include "inputdialog.h"

#include "answerlog.h"
#include "pindialog.h"
#include "spanishorder.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QIcon>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QStatusBar>
#include <QVBoxLayout>
#include <algorithm>

InputDialog::InputDialog(UserList* userList, QWidget* parent)
    : QDialog(parent, Qt::CustomizeWindowHint | Qt::WindowCloseButtonHint)
{
    setModal(true);
    move(300, 300);
    setWindowTitle(tr("Ondalira - Usuarios"));

    nameField = new QLineEdit(this);
    nameField->setObjectName(QStringLiteral("nameField"));
    userBox = new QComboBox(this);
    userBox->setObjectName(QStringLiteral("userBox"));
    userBox->setMinimumContentsLength(12);

    addButton = new QPushButton(tr("Agregar"), this);
    addButton->setObjectName(QStringLiteral("addButton"));
    deleteButton = new QPushButton(tr("Eliminar"), this);
    deleteButton->setObjectName(QStringLiteral("deleteButton"));
    loginButton = new QPushButton(tr("Ingresar"), this);
    loginButton->setObjectName(QStringLiteral("loginButton"));
    for (QPushButton* button : {addButton, deleteButton, loginButton}) {
        button->setEnabled(false);
        button->setAutoDefault(false);
    }
    connect(addButton, &QPushButton::clicked, this, &InputDialog::slotAdd);
    connect(deleteButton, &QPushButton::clicked, this, &InputDialog::slotDelete);
    connect(loginButton, &QPushButton::clicked, this, &InputDialog::slotLogin);

    buildLayout();

    // The list, the name field and "Ingresar" always name the same user: an
    // entry highlighted in the open list becomes the list's current one too,
    // so closing the list without a click leaves no other user behind.
    connect(userBox, &QComboBox::highlighted, this, &InputDialog::selectEntry);
    connect(userBox, &QComboBox::activated, this, &InputDialog::selectEntry);
    connect(nameField, &QLineEdit::textEdited, this, &InputDialog::slotEnableAdd);
    connect(nameField, &QLineEdit::textEdited, this, &InputDialog::slotDisableLogin);
    connect(nameField, &QLineEdit::textEdited, this, &InputDialog::slotDisableDelete);
    // Return in the name field adds the user typed there.
    connect(nameField, &QLineEdit::returnPressed, this, [this] {
        if (addButton->isEnabled())
            slotAdd();
    });

    setUsers(userList);
    setFocusPolicy(Qt::StrongFocus);
}

InputDialog::~InputDialog() = default;

void InputDialog::buildLayout()
{
    selectedGroup = new QGroupBox(tr("Usuario seleccionado    "), this);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(addButton);
    buttons->addWidget(loginButton);
    buttons->addWidget(deleteButton);
    auto* selected = new QVBoxLayout(selectedGroup);
    selected->addWidget(nameField);
    selected->addLayout(buttons);

    registeredGroup = new QGroupBox(tr("Usuarios registrados    "), this);
    auto* registered = new QHBoxLayout(registeredGroup);
    registered->addWidget(userBox);
    registered->addStretch();

    statusBar = new QStatusBar(this);
    statusBar->setObjectName(QStringLiteral("statusBar"));
    statusBar->showMessage(tr("Por favor seleccione un usuario."));
    statusBar->setSizeGripEnabled(false);

    auto* groups = new QHBoxLayout;
    groups->addWidget(selectedGroup);
    groups->addWidget(registeredGroup);
    auto* column = new QVBoxLayout(this);
    column->addLayout(groups);
    column->addWidget(statusBar);
}

void InputDialog::setUsers(UserList* userList)
{
    users = userList;
    chosen.reset();
    fillUsers();
}

void InputDialog::fillUsers()
{
    userBox->clear();
    highlightedId = 0;
    // Nobody is selected until an entry is: no name left from before.
    nameField->clear();
    slotDisableLogin();
    slotDisableDelete();
    if (!users)
        return;
    users->loadAll();
    users->reset();
    // Spanish order, accents and case ignored: Á beside A, Ñ after N.
    QList<QPair<QString, int>> entries;
    while (User* user = users->next())
        entries.append({user->name, user->id});
    std::stable_sort(entries.begin(), entries.end(), [](const auto& a, const auto& b) {
        return SpanishOrder::less(a.first, b.first);
    });
    for (const auto& entry : std::as_const(entries))
        userBox->addItem(QIcon(), entry.first, entry.second);
}

int InputDialog::sameNameId(const QString& name) const
{
    for (int i = 0; i < userBox->count(); ++i) {
        if (SpanishOrder::sameName(userBox->itemText(i), name))
            return userBox->itemData(i).toInt();
    }
    return 0;
}

void InputDialog::showStatus(const QString& message)
{
    // The whole line shows, however long the name in it.
    statusBar->setMinimumWidth(statusBar->fontMetrics().horizontalAdvance(message) + 24);
    statusBar->showMessage(message);
}

void InputDialog::selectEntry(int index)
{
    if (index < 0 || index >= userBox->count())
        return;
    if (userBox->currentIndex() != index)
        userBox->setCurrentIndex(index);
    highlightedId = userBox->itemData(index).toInt();
    nameField->setText(userBox->itemText(index));
    slotEnableLogin();
    slotEnableDelete();
    slotDisableAdd();
}

void InputDialog::slotDisableAdd() { addButton->setEnabled(false); }
void InputDialog::slotEnableAdd() { addButton->setEnabled(true); }
void InputDialog::slotDisableDelete() { deleteButton->setEnabled(false); }
void InputDialog::slotEnableDelete() { deleteButton->setEnabled(true); }
void InputDialog::slotDisableLogin() { loginButton->setEnabled(false); }
void InputDialog::slotEnableLogin() { loginButton->setEnabled(true); }

void InputDialog::slotLogin()
{
    // The user the name field and the list show.
    if (highlightedId > 0) {
        chosen = std::make_unique<User>();
        if (!chosen->loadById(highlightedId)) {
            chosen.reset();
            return;
        }
    }
    if (!chosen)
        return;
    Q_EMIT chooseUser(chosen.get());
    close();
}

void InputDialog::slotAdd()
{
    // Blanks around a name would make two users look alike.
    const QString name = nameField->text().trimmed();
    int added = 0;
    if (!name.isEmpty()) {
        User user;
        if (sameNameId(name) != 0 || user.loadByName(name)) {
            showStatus(tr("El usuario %1 ya existe en el sistema.").arg(name));
        } else {
            user.name = name;
            if (user.save()) {
                showStatus(tr("El usuario %1 ha sido agregado al sistema.").arg(name));
                fillUsers();
                added = user.id;
            } else {
                showStatus(tr("El usuario %1 no pudo ser agregado al sistema.").arg(name));
            }
        }
    }
    nameField->clear();
    slotDisableAdd();
    // The new user is the one selected, ready to log in.
    if (added)
        selectEntry(userBox->findData(added));
}

namespace {
// The record of answers stays unless the adult asks for it to go.
bool confirmDeleteRecord(QWidget* parent, const QString& name)
{
    QMessageBox box(QMessageBox::Question, InputDialog::tr("Eliminar usuario"),
                    InputDialog::tr("¿Desea eliminar también el registro de respuestas de %1? "
                                    "Si contesta No, el registro se conserva.")
                        .arg(name),
                    QMessageBox::NoButton, parent);
    box.setObjectName(QStringLiteral("confirmDeleteRecordBox"));
    QPushButton* yes = box.addButton(InputDialog::tr("&Sí"), QMessageBox::YesRole);
    QPushButton* no = box.addButton(InputDialog::tr("&No"), QMessageBox::NoRole);
    box.setDefaultButton(no);
    box.setEscapeButton(no);
    box.exec();
    return box.clickedButton() == yes;
}
} // namespace

void InputDialog::slotDelete()
{
    // The user whose entry was highlighted, and only after the adult agreed.
    User user;
    if (highlightedId > 0 && user.loadById(highlightedId) && PinDialog::allow(this)
        && confirmDelete(user.name)) {
        const bool dropRecord = AnswerLog::countOf(user.id) > 0 && confirmDeleteRecord(this, user.name);
        if (user.remove()) {
            showStatus(tr("El usuario %1 ha sido eliminado del sistema.").arg(user.name));
            if (dropRecord && !AnswerLog::removeUser(user.id))
                showStatus(tr("El usuario %1 ha sido eliminado del sistema, pero no su "
                              "registro de respuestas.")
                               .arg(user.name));
            // A removed user can no longer be handed to the window.
            if (chosen && chosen->id == user.id)
                chosen.reset();
            // The list moved on: the next login needs a fresh choice.
            slotDisableLogin();
        }
        fillUsers();
    }
    nameField->clear();
    slotDisableDelete();
}

bool InputDialog::confirmDelete(const QString& name)
{
    QMessageBox box(QMessageBox::Question, tr("Eliminar usuario"),
                    tr("¿Desea eliminar el usuario %1 y todos sus ajustes?").arg(name),
                    QMessageBox::NoButton, this);
    box.setObjectName(QStringLiteral("confirmDeleteBox"));
    QPushButton* yes = box.addButton(tr("&Sí"), QMessageBox::YesRole);
    QPushButton* no = box.addButton(tr("&No"), QMessageBox::NoRole);
    box.setDefaultButton(no);
    box.setEscapeButton(no);
    box.exec();
    return box.clickedButton() == yes;
}

void InputDialog::closeEvent(QCloseEvent* event)
{
    if (chosen) {
        Q_EMIT chooseUser(chosen.get());
        event->accept();
        return;
    }
    QMessageBox::warning(this, tr("Ingrese todos los datos"),
                         tr("Debe seleccionar un usuario para poder cerrar esta ventana."),
                         QMessageBox::Ok);
    event->ignore();
}
