#include "inputdialog.h"

#include "answerlog.h"
#include "pindialog.h"
#include "mediapaths.h"
#include "spanishorder.h"
#include "windowplacement.h"
#include "userpictures.h"

#include <QCloseEvent>
#include <QDateTime>
#include <QDir>
#include <QFileDialog>
#include <QGridLayout>
#include <QImage>
#include <QLabel>
#include <QMenu>
#include <QPixmap>
#include <QScrollArea>
#include <QScrollBar>
#include <QToolButton>
#include <QComboBox>
#include <QGuiApplication>
#include <QScreen>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QIcon>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QStatusBar>
#include <QVBoxLayout>
#include <algorithm>

namespace {
// The picture buttons and the hint above them: two rows of four, with the
// dialog's own controls, fit a 1024 x 600 screen.
constexpr int kPictureButton = 132;
constexpr int kPictureIcon = 96;
constexpr int kHintHeight = 72;
} // namespace

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

    pictureButton = new QToolButton(this);
    pictureButton->setObjectName(QStringLiteral("pictureButton"));
    pictureButton->setIconSize(QSize(48, 48));
    pictureButton->setToolTip(tr("El dibujo del usuario nuevo"));
    connect(pictureButton, &QToolButton::clicked, this, &InputDialog::choosePicture);

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
    auto* nameRow = new QHBoxLayout;
    nameRow->addWidget(pictureButton);
    nameRow->addWidget(nameField, 1);
    selected->addLayout(nameRow);
    selected->addLayout(buttons);

    registeredGroup = new QGroupBox(tr("Usuarios registrados    "), this);
    auto* registered = new QHBoxLayout(registeredGroup);
    registered->addWidget(userBox);
    registered->addStretch();

    statusBar = new QStatusBar(this);
    statusBar->setObjectName(QStringLiteral("statusBar"));
    statusBar->showMessage(tr("Por favor seleccione un usuario."));
    statusBar->setSizeGripEnabled(false);

    pictureGrid = new QWidget;
    pictureGrid->setObjectName(QStringLiteral("pictureGrid"));
    pictureLayout = new QGridLayout(pictureGrid);
    auto* pictureScroll = new QScrollArea(this);
    pictureScroll->setObjectName(QStringLiteral("pictureScroll"));
    pictureScroll->setWidget(pictureGrid);
    pictureScroll->setWidgetResizable(true);
    pictureScroll->setFrameShape(QFrame::NoFrame);
    // Two rows of four pictures whole; more scroll down.
    pictureScroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    const QMargins margins = pictureLayout->contentsMargins();
    const int spacing = qMax(0, pictureLayout->spacing());
    pictureScroll->setMinimumSize(
        4 * kPictureButton + 3 * spacing + margins.left() + margins.right()
            + pictureScroll->verticalScrollBar()->sizeHint().width(),
        2 * kPictureButton + spacing + margins.top() + margins.bottom());

    pictureHint = new QLabel(this);
    pictureHint->setObjectName(QStringLiteral("pictureHint"));
    // Small enough that the dialog fits a netbook's 1024 x 600 screen.
    pictureHint->setPixmap(QPixmap(MediaPaths::systemMediaPath() + QStringLiteral("ui/toca-tu-dibujo.png"))
                               .scaledToHeight(kHintHeight, Qt::SmoothTransformation));
    pictureHint->setAccessibleName(tr("Toca tu dibujo"));
    pictureHint->setAlignment(Qt::AlignCenter);

    auto* groups = new QHBoxLayout;
    groups->addWidget(selectedGroup);
    groups->addWidget(registeredGroup);
    auto* column = new QVBoxLayout(this);
    column->addWidget(pictureHint);
    column->addWidget(pictureScroll, 1);
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
    QList<User> entries;
    while (User* user = users->next())
        entries.append(*user);
    std::stable_sort(entries.begin(), entries.end(), [](const User& a, const User& b) {
        return SpanishOrder::less(a.name, b.name);
    });
    for (const User& entry : std::as_const(entries))
        userBox->addItem(QIcon(UserPictures::path(entry.picture)), entry.name, entry.id);
    fillPictures(entries);
    pictureHint->setVisible(!entries.isEmpty());
    setNewPicture(UserPictures::nextFree(User::usedPictures()));
}

void InputDialog::fillPictures(const QList<User>& sorted)
{
    while (QLayoutItem* item = pictureLayout->takeAt(0)) {
        delete item->widget();
        delete item;
    }
    constexpr int columns = 4;
    for (int i = 0; i < sorted.size(); ++i) {
        const User& user = sorted.at(i);
        auto* button = new QToolButton(pictureGrid);
        button->setObjectName(QStringLiteral("userPicture"));
        button->setProperty("userId", user.id);
        button->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
        button->setIcon(QIcon(UserPictures::path(user.picture)));
        button->setIconSize(QSize(kPictureIcon, kPictureIcon));
        button->setText(user.name);
        button->setFixedSize(kPictureButton, kPictureButton);
        button->setAutoRaise(true);
        QFont font = button->font();
        font.setPointSizeF(font.pointSizeF() * 1.3);
        button->setFont(font);
        const int id = user.id;
        connect(button, &QToolButton::clicked, this, [this, id] { loginUser(id); });
        pictureLayout->addWidget(button, i / columns, i % columns);
    }
}

void InputDialog::loginUser(int id)
{
    highlightedId = id;
    slotLogin();
}

void InputDialog::setNewPicture(const QString& picture)
{
    pendingPicture = picture;
    pictureButton->setIcon(QIcon(UserPictures::path(picture)));
}

void InputDialog::choosePicture()
{
    // The drawings no child has yet, and a photo from a file.
    QMenu menu(this);
    menu.setObjectName(QStringLiteral("pictureMenu"));
    const QStringList used = User::usedPictures();
    for (const UserPictures::Drawing& drawing : UserPictures::drawings()) {
        const QString picture = UserPictures::drawingPicture(drawing.name);
        if (used.contains(picture))
            continue;
        QAction* action = menu.addAction(QIcon(UserPictures::path(picture)), QString());
        connect(action, &QAction::triggered, this, [this, picture] { setNewPicture(picture); });
    }
    menu.addSeparator();
    connect(menu.addAction(tr("Foto de un archivo…")), &QAction::triggered, this,
            &InputDialog::choosePhoto);
    menu.exec(pictureButton->mapToGlobal(QPoint(0, pictureButton->height())));
}

void InputDialog::choosePhoto()
{
    const QString file = QFileDialog::getOpenFileName(this, tr("Foto del usuario"), QDir::homePath(),
                                                      tr("Imágenes (*.png *.jpg *.jpeg)"));
    if (file.isEmpty())
        return;
    const QImage photo = QImage(file).scaled(160, 160, Qt::KeepAspectRatioByExpanding,
                                             Qt::SmoothTransformation);
    // A copy of its own in the home: the photo travels with the users.
    const QString name = QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-hhmmss-zzz"))
                         + QStringLiteral(".png");
    const QString copy = UserPictures::photosFolder() + name;
    if (photo.isNull() || !QDir().mkpath(UserPictures::photosFolder()) || !photo.save(copy, "PNG")) {
        showStatus(tr("La foto %1 no se pudo guardar.").arg(QDir::toNativeSeparators(file)));
        return;
    }
    setNewPicture(UserPictures::photoPicture(name));
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
    if (!refusedReason.isEmpty()) {
        showStatus(refusedReason);
        return;
    }
    // Blanks around a name would make two users look alike.
    const QString name = nameField->text().trimmed();
    int added = 0;
    if (!name.isEmpty()) {
        User user;
        if (sameNameId(name) != 0 || user.loadByName(name)) {
            showStatus(tr("El usuario %1 ya existe en el sistema.").arg(name));
        } else {
            user.name = name;
            user.picture = pendingPicture;
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
    if (!refusedReason.isEmpty()) {
        showStatus(refusedReason);
        return;
    }
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

void InputDialog::showEvent(QShowEvent* event)
{
    // At its usual place, but whole on a small screen (a netbook's 600 rows).
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(placeWithin(screen->availableGeometry(), QPoint(300, 300), frameGeometry().size()));
    QDialog::showEvent(event);
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
