#pragma once

#include <QDialog>
#include <memory>

class Category;
class Language;
class QLineEdit;

// Creates a category of a language (mode 0) or renames one (mode 1).
// Category names are stored in upper case.
class CategoryWidget : public QDialog
{
    Q_OBJECT

public:
    CategoryWidget(int mode, Language* language, Category* category = nullptr,
                   QWidget* parent = nullptr);
    ~CategoryWidget() override;

Q_SIGNALS:
    void done();

public Q_SLOTS:
    void slotDoIt();
    void slotCloseIt();

private:
    void buildForm(bool isNew);

    int mode;
    Language* language;
    Category* category;
    QLineEdit* nameField = nullptr;
    std::unique_ptr<Category> ownCategory; // the new category in mode 0
};
