#include "category.h"
#include "categorywidget.h"
#include "messageboxanswerer.h"
#include "testhome.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QSqlQuery>
#include <QTest>

namespace {
QStringList categoryNames(int languageId)
{
    QStringList names;
    QSqlQuery query(
        QStringLiteral("SELECT name FROM category WHERE id_language = %1 ORDER BY id").arg(languageId));
    while (query.next())
        names << query.value(0).toString();
    return names;
}

struct Fixture
{
    TestHome home;
    Language language;
    int animals = 0;

    Fixture()
    {
        language.loadById(TestHome::addLanguage(QStringLiteral("Español")));
        animals = TestHome::addCategory(QStringLiteral("ANIMALES"), language.id);
    }
};

// Types a name into the editor and presses its one button, answering the
// message box that follows.
MessageBoxAnswerer::Box accept(CategoryWidget* editor, const QString& name)
{
    MessageBoxAnswerer answerer;
    editor->findChild<QLineEdit*>(QStringLiteral("nameField"))->setText(name);
    editor->findChild<QPushButton*>(QStringLiteral("acceptButton"))->click();
    return answerer.boxes.value(0);
}
} // namespace

class TestCategoryWidget : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void shouldCreateCategoryInUpperCase();
    void shouldRenameCategory();
    void shouldRefuseEmptyOrTakenName_data();
    void shouldRefuseEmptyOrTakenName();
    void shouldWriteNothingWhenClosedThroughTitleBar();
};

void TestCategoryWidget::shouldCreateCategoryInUpperCase()
{
    Fixture f;
    QPointer<CategoryWidget> editor = new CategoryWidget(0, &f.language);
    editor->show();
    QCOMPARE(editor->windowTitle(), QStringLiteral("Categoría nueva"));
    QCOMPARE(editor->findChild<QPushButton*>(QStringLiteral("acceptButton"))->text(),
             QStringLiteral("Agregar"));
    QVERIFY(editor->findChild<QLineEdit*>(QStringLiteral("nameField"))->text().isEmpty());
    QSignalSpy done(editor.data(), &CategoryWidget::done);

    const auto box = accept(editor, QStringLiteral("frutas ñ"));
    QCOMPARE(box.title, QStringLiteral("Categoría creada."));
    QCOMPARE(box.text, QStringLiteral("La categoría frutas ñ ha sido creada exitosamente."));
    QCOMPARE(done.count(), 1);
    QTRY_VERIFY(editor.isNull());
    QCOMPARE(categoryNames(f.language.id),
             (QStringList{QStringLiteral("ANIMALES"), QStringLiteral("FRUTAS Ñ")}));
}

void TestCategoryWidget::shouldRenameCategory()
{
    Fixture f;
    Category category;
    QVERIFY(category.loadById(f.animals));
    QPointer<CategoryWidget> editor = new CategoryWidget(0, &f.language, &category);
    editor->show();
    QCOMPARE(editor->windowTitle(), QStringLiteral("Editar categoría"));
    QCOMPARE(editor->findChild<QLineEdit*>(QStringLiteral("nameField"))->text(),
             QStringLiteral("ANIMALES"));
    QSignalSpy done(editor.data(), &CategoryWidget::done);

    // Accepting the same name is an edit of its own.
    auto box = accept(editor, QStringLiteral("ANIMALES"));
    QCOMPARE(box.title, QStringLiteral("Categoría editada."));
    QTRY_VERIFY(editor.isNull());

    editor = new CategoryWidget(0, &f.language, &category);
    editor->show();
    box = accept(editor, QStringLiteral("Mascotas"));
    QCOMPARE(box.text, QStringLiteral("La categoría Mascotas ha sido editada exitosamente."));
    QCOMPARE(categoryNames(f.language.id), QStringList{QStringLiteral("MASCOTAS")});
    QCOMPARE(category.name, QStringLiteral("MASCOTAS"));
}

void TestCategoryWidget::shouldRefuseEmptyOrTakenName_data()
{
    QTest::addColumn<bool>("editing");
    QTest::addColumn<QString>("typed");
    QTest::newRow("empty name") << false << "";
    QTest::newRow("new, same case") << false << "ANIMALES";
    QTest::newRow("new, lower case") << false << "animales";
    QTest::newRow("renaming onto another") << true << "Animales";
}

void TestCategoryWidget::shouldRefuseEmptyOrTakenName()
{
    QFETCH(bool, editing);
    QFETCH(QString, typed);
    Fixture f;
    const int other = TestHome::addLanguage(QStringLiteral("Català"));
    TestHome::addCategory(QStringLiteral("ANIMALES"), other); // no clash: another language
    Category fruit;
    QVERIFY(fruit.loadById(TestHome::addCategory(QStringLiteral("FRUTAS"), f.language.id)));

    QPointer<CategoryWidget> editor = new CategoryWidget(0, &f.language, editing ? &fruit : nullptr);
    editor->show();
    QSignalSpy done(editor.data(), &CategoryWidget::done);
    const auto box = accept(editor, typed);
    if (typed.isEmpty()) {
        QCOMPARE(box.title, QStringLiteral("Campos vacíos en formulario."));
        QCOMPARE(box.text, QStringLiteral("Por favor complete todos los ítemes del formulario."));
    } else {
        QCOMPARE(box.title, QStringLiteral("Categoría repetida."));
        QCOMPARE(box.text, QStringLiteral("Ya existe la categoría %1 en este idioma.").arg(typed));
    }
    QVERIFY(editor->isVisible());
    QCOMPARE(done.count(), 0);
    QCOMPARE(categoryNames(f.language.id),
             (QStringList{QStringLiteral("ANIMALES"), QStringLiteral("FRUTAS")}));
    delete editor;
}

void TestCategoryWidget::shouldWriteNothingWhenClosedThroughTitleBar()
{
    Fixture f;
    QPointer<CategoryWidget> editor = new CategoryWidget(0, &f.language);
    editor->show();
    QSignalSpy done(editor.data(), &CategoryWidget::done);
    editor->findChild<QLineEdit*>(QStringLiteral("nameField"))->setText(QStringLiteral("colores"));
    editor->close();
    QTRY_VERIFY(editor.isNull());
    QCOMPARE(done.count(), 0);
    QCOMPARE(categoryNames(f.language.id).size(), 1);
}

QTEST_MAIN(TestCategoryWidget)
#include "tst_categorywidget.moc"
