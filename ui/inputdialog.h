#pragma once

#include "user.h"

#include <QDialog>
#include <memory>

class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QGridLayout;
class QStatusBar;
class QToolButton;

// The small window in which a child (or an adult) picks who is using the
// program, adds a user or removes one. It refuses to close until a user has
// been chosen; Escape dismisses it without a choice.
class InputDialog : public QDialog
{
    Q_OBJECT

public:
    explicit InputDialog(UserList* users, QWidget* parent = nullptr);
    ~InputDialog() override;

    void setUsers(UserList* users);
    void fillUsers();

    // The chosen user belongs to the dialog; receivers of chooseUser copy it.
    User* chosenUser() const { return chosen.get(); }

    UserList* users = nullptr;
    QStatusBar* statusBar = nullptr;
    QComboBox* userBox = nullptr;
    QLineEdit* nameField = nullptr;
    QPushButton* addButton = nullptr;
    QPushButton* deleteButton = nullptr;
    QPushButton* loginButton = nullptr;
    QGroupBox* selectedGroup = nullptr;
    QGroupBox* registeredGroup = nullptr;
    // The users as large pictures with their names, in Spanish order: one
    // click logs a child in.
    QWidget* pictureGrid = nullptr;
    // "Toca tu dibujo", drawn: the prompt a child who cannot read follows.
    QLabel* pictureHint = nullptr;
    // The picture the next user added gets; a click offers the others.
    QToolButton* pictureButton = nullptr;
    QString newPicture() const { return pendingPicture; }
    void setNewPicture(const QString& picture);
    // Not empty: users can be chosen but not added or removed, and this
    // says why (the school's server is away).
    void setWritesRefused(const QString& reason) { refusedReason = reason; }

Q_SIGNALS:
    void chooseUser(User* user);

public Q_SLOTS:
    void slotDisableAdd();
    void slotEnableAdd();
    void slotDisableDelete();
    void slotEnableDelete();
    void slotDisableLogin();
    void slotEnableLogin();

private Q_SLOTS:
    void slotLogin();
    void slotAdd();
    void slotDelete();
    void choosePicture();
    void choosePhoto();

protected:
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void buildLayout();
    // Id of a listed user whose name reads as this one, or 0.
    int sameNameId(const QString& name) const;
    void showStatus(const QString& message);
    // Makes the entry the one both the list and the name field show.
    void selectEntry(int index);
    bool confirmDelete(const QString& name);
    void fillPictures(const QList<User>& sorted);
    void loginUser(int id);

    std::unique_ptr<User> chosen;
    int highlightedId = 0; // the entry last highlighted in the user box
    QGridLayout* pictureLayout = nullptr;
    QString pendingPicture;
    QString refusedReason;
};
