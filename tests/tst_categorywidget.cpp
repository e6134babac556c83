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
    void shouldSaveNameInUpperCase_data();
    void shouldSaveNameInUpperCase();
    void shouldRefuseEmptyOrTakenName_data();
    void shouldRefuseEmptyOrTakenName();
    void shouldWriteNothingWhenClosedThroughTitleBar();
};

void TestCategoryWidget::shouldSaveNameInUpperCase_data()
{
    QTest::addColumn<bool>("editing");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("reported"); // a word of the message's title
    QTest::addColumn<QStringList>("names");
    QTest::newRow("new") << false << "frutas ñ" << "creada" << QStringList{"ANIMALES", "FRUTAS Ñ"};
    QTest::newRow("renamed") << true << "Mascotas" << "editada" << QStringList{"MASCOTAS"};
    QTest::newRow("its own name again") << true << "ANIMALES" << "editada" << QStringList{"ANIMALES"};
}

void TestCategoryWidget::shouldSaveNameInUpperCase()
{
    QFETCH(bool, editing);
    QFETCH(QString, typed);
    QFETCH(QString, reported);
    QFETCH(QStringList, names);
    Fixture f;
    Category category;
    QVERIFY(category.loadById(f.animals));
    QPointer<CategoryWidget> editor = new CategoryWidget(0, &f.language, editing ? &category : nullptr);
    editor->show();
    QCOMPARE(editor->findChild<QLineEdit*>(QStringLiteral("nameField"))->text(),
             editing ? QStringLiteral("ANIMALES") : QString());
    QSignalSpy done(editor.data(), &CategoryWidget::done);
    const auto box = accept(editor, typed);
    QVERIFY2(box.title.contains(reported), qPrintable(box.title));
    QVERIFY(box.text.contains(typed));
    QCOMPARE(done.count(), 1);
    QTRY_VERIFY(editor.isNull());
    QCOMPARE(categoryNames(f.language.id), names);
    if (editing)
        QCOMPARE(category.name, names.first());
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
    TestHome::addCategory(QStringLiteral("COLORES"), other);
    Category fruit;
    QVERIFY(fruit.loadById(TestHome::addCategory(QStringLiteral("FRUTAS"), f.language.id)));

    QPointer<CategoryWidget> editor = new CategoryWidget(0, &f.language, editing ? &fruit : nullptr);
    editor->show();
    QSignalSpy done(editor.data(), &CategoryWidget::done);
    auto box = accept(editor, typed);
    QVERIFY2(box.title.contains(typed.isEmpty() ? QStringLiteral("vacíos") : QStringLiteral("repetida")),
             qPrintable(box.title));
    QVERIFY(editor->isVisible());
    QCOMPARE(done.count(), 0);
    QCOMPARE(categoryNames(f.language.id),
             (QStringList{QStringLiteral("ANIMALES"), QStringLiteral("FRUTAS")}));
    // A name used only in another language is free.
    box = accept(editor, QStringLiteral("colores"));
    QCOMPARE(done.count(), 1);
    QVERIFY(categoryNames(f.language.id).contains(QStringLiteral("COLORES")));
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
