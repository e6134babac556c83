#include "category.h"
#include "categorywordwidget.h"
#include "config.h"
#include "contentlists.h"
#include "testhome.h"

#include <QListWidget>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

namespace {
QStringList rows(const QListWidget* list)
{
    QStringList texts;
    for (int row = 0; row < list->count(); ++row)
        texts << list->item(row)->text();
    return texts;
}
} // namespace

class TestCategoryWordWidget : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void shouldListWordsOfCategoryInNameOrder();
};

void TestCategoryWordWidget::shouldListWordsOfCategoryInNameOrder()
{
    TestHome home;
    const int lang = TestHome::addLanguage(QStringLiteral("Español"));
    const int g = TestHome::addLetter(QStringLiteral("G"), lang);
    const int p = TestHome::addLetter(QStringLiteral("P"), lang);
    const int animals = TestHome::addCategory(QStringLiteral("ANIMALES"), lang);
    const int pets = TestHome::addCategory(QStringLiteral("MASCOTAS"), lang);
    const int perro = TestHome::addWord(QStringLiteral("perro"), p);
    const int gato = TestHome::addWord(QStringLiteral("gato"), g, QStringLiteral("gato negro"));
    TestHome::link(perro, animals);
    TestHome::link(gato, animals);
    TestHome::link(perro, pets);
    TestHome::addWord(QStringLiteral("pato"), p);

    // The window's word list holds the running activity's word: untouched.
    WordList windowWords;
    Letter letterP;
    QVERIFY(letterP.loadById(p));
    Config noFilters;
    windowWords.selectRandom(noFilters, &letterP);
    windowWords.reset();
    Word* current = windowWords.next();
    QVERIFY(current);

    Category category;
    QVERIFY(category.loadById(animals));
    QPointer<CategoryWordWidget> list = new CategoryWordWidget(&windowWords, &category);
    list->show();
    QCOMPARE(list->windowTitle(),
             QStringLiteral("Lista de palabras asociadas a la categoría: ANIMALES"));
    auto* words = list->findChild<QListWidget*>(QStringLiteral("wordsList"));
    QCOMPARE(rows(words), (QStringList{QStringLiteral("gato"), QStringLiteral("perro")}));
    QCOMPARE(words->item(0)->data(Qt::UserRole).toInt(), gato);
    QVERIFY(!words->item(0)->data(Qt::CheckStateRole).isValid()); // no check box
    QCOMPARE(windowWords.size(), 1);

    QSignalSpy done(list.data(), &CategoryWordWidget::done);
    list->findChild<QPushButton*>(QStringLiteral("closeButton"))->click();
    QCOMPARE(done.count(), 1);
    QTRY_VERIFY(list.isNull());

    // A category without words, and no window list to keep: an empty list.
    QVERIFY(category.loadById(TestHome::addCategory(QStringLiteral("VACÍA"), lang)));
    list = new CategoryWordWidget(nullptr, &category);
    QCOMPARE(list->findChild<QListWidget*>(QStringLiteral("wordsList"))->count(), 0);
    delete list;
}

QTEST_MAIN(TestCategoryWordWidget)
#include "tst_categorywordwidget.moc"
