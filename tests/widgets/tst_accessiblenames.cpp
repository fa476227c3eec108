// Names from what a window shows: which label names which control, and what a
// grid without a label is called, as the accessibility interface reports them.
#include "widgets/AccessibleNames.h"

#include <QAccessible>
#include <QComboBox>
#include <QLabel>
#include <QRadioButton>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTableView>
#include <QtTest>

using namespace pellori;

class tst_AccessibleNames : public QObject {
    Q_OBJECT
private slots:
    void labelNamesItsControl_data();
    void labelNamesItsControl();
    void gridTakesItsTabOrWindowTitle();
    void choiceBoxesAreLabelled();
};

void tst_AccessibleNames::labelNamesItsControl_data()
{
    QTest::addColumn<QRect>("label");
    QTest::addColumn<QRect>("edit");
    QTest::addColumn<QString>("name");
    // As the windows place them: the edit at 232, 8, 121 x 21.
    const QRect edit(232, 8, 121, 21);
    QTest::newRow("right-aligned, beside") << QRect(88, 12, 142, 13) << edit << "Family &name:";
    QTest::newRow("above, at its left edge") << QRect(234, -10, 60, 13) << edit << "Family &name:";
    QTest::newRow("beside, too far") << QRect(40, 12, 142, 13) << edit << "";
    QTest::newRow("above, indented") << QRect(260, -10, 60, 13) << edit << "";
    QTest::newRow("beside, another row") << QRect(88, 40, 142, 13) << edit << "";
    QTest::newRow("right of it") << QRect(360, 12, 60, 13) << edit << "";
}

void tst_AccessibleNames::labelNamesItsControl()
{
    QFETCH(QRect, label);
    QFETCH(QRect, edit);
    QFETCH(QString, name);
    QWidget window;
    auto* l = new QLabel("Family &name:", &window);
    l->setGeometry(label);
    auto* e = new QLineEdit(&window);
    e->setGeometry(edit);
    // A nearer label beside a button: buttons name themselves, so it is left alone.
    auto* b = new QPushButton("Search", &window);
    b->setGeometry(edit.right() + 40, edit.top(), 75, 25);
    (new QLabel("Other", &window))->setGeometry(edit.right() + 2, edit.top() + 4, 36, 13);
    nameControlsFromLabels(&window);
    QCOMPARE(l->buddy(), name.isEmpty() ? nullptr : e);
    QCOMPARE(QAccessible::queryAccessibleInterface(e)->text(QAccessible::Name), QString(name).remove('&'));
    QCOMPARE(QAccessible::queryAccessibleInterface(b)->text(QAccessible::Name), QString("Search"));
}

void tst_AccessibleNames::gridTakesItsTabOrWindowTitle()
{
    QWidget window;
    window.setWindowTitle("Persons");
    auto* tabs = new QTabWidget(&window);
    auto* page = new QWidget;
    tabs->addTab(page, "&Address");
    auto* onPage = new QTableView(page);
    auto* alone = new QTableView(&window);
    auto* own = new QTableView(&window);
    own->setAccessibleName("Contacts");
    // Its label above it names it.
    (new QLabel("&Columns:", &window))->setGeometry(400, 10, 100, 13);
    auto* labelled = new QTableView(&window);
    labelled->setGeometry(400, 30, 200, 100);
    nameControlsFromLabels(&window);
    QCOMPARE(labelled->accessibleName(), QString("Columns:"));
    QCOMPARE(onPage->accessibleName(), QString("Address"));
    QCOMPARE(alone->accessibleName(), QString("Persons"));
    QCOMPARE(own->accessibleName(), QString("Contacts"));
}

// What a Linux screen reader reads for a choice box: the labels it is labelled by.
static QStringList labelsOf(QWidget* w)
{
    QStringList texts;
    for (const auto& [label, relation] : QAccessible::queryAccessibleInterface(w)->relations(QAccessible::Label))
        texts << label->text(QAccessible::Name);
    return texts;
}

void tst_AccessibleNames::choiceBoxesAreLabelled()
{
    QWidget window;
    auto* option = new QRadioButton("&Names beginning with", &window);
    option->setGeometry(20, 40, 180, 20);
    auto* besideOption = new QComboBox(&window);
    besideOption->setGeometry(210, 39, 100, 22);
    auto* named = new QComboBox(&window);
    named->setGeometry(20, 100, 100, 22);
    named->setAccessibleName("Group");
    // A heading above a box that has its own label beside it names nothing.
    (new QLabel("Standard type for", &window))->setGeometry(20, 140, 150, 13);
    auto* own = new QComboBox(&window);
    own->setGeometry(20, 155, 100, 22);
    auto* label = new QLabel("persons", &window);
    label->setGeometry(125, 159, 60, 13);
    label->setBuddy(own);
    nameControlsFromLabels(&window);
    QCOMPARE(labelsOf(besideOption), QStringList{"Names beginning with"});
    QCOMPARE(labelsOf(named), QStringList{"Group"});
    QCOMPARE(labelsOf(own), QStringList{"persons"});
    // A box made after the window showed, named by its caller; its label goes with it.
    auto* later = new QComboBox(&window);
    nameChoiceBox(later, "Family name");
    QCOMPARE(labelsOf(later), QStringList{"Family name"});
    const auto labels = window.findChildren<QLabel*>().size();
    delete later;
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCOMPARE(window.findChildren<QLabel*>().size(), labels - 1);
}

QTEST_MAIN(tst_AccessibleNames)
#include "tst_accessiblenames.moc"
