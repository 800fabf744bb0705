// SPDX-FileCopyrightText: 2026 freqcounter developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "scrollareaaccessible.h"

#include <QAccessible>
#include <QListView>
#include <QScrollArea>
#include <QScrollBar>
#include <QStringListModel>
#include <QTest>

using namespace freqcounter;

class TestScrollAreaAccessible : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { ScrollAreaAccessible::install(); }
    void shownChildren_data();
    void shownChildren();
    void barGoneUnderAStaleCount();
    void itemViewKeepsItsOwn();
};

namespace {

// A 200 by 150 area around content of the given size, shown and laid out.
struct Area
{
    explicit Area(QSize content)
    {
        area.setWidget(new QWidget);
        area.widget()->setFixedSize(content);
        area.resize(200, 150);
        area.show();
    }
    QAccessibleInterface *reader() { return QAccessible::queryAccessibleInterface(&area); }
    QScrollArea area;
};

} // namespace

void TestScrollAreaAccessible::shownChildren_data()
{
    QTest::addColumn<QSize>("content");
    QTest::addColumn<bool>("horizontal");
    QTest::addColumn<bool>("vertical");

    QTest::newRow("content fits: the viewport alone") << QSize(100, 100) << false << false;
    QTest::newRow("content taller: and the vertical bar") << QSize(100, 900) << false << true;
    QTest::newRow("content wider: and the horizontal bar") << QSize(900, 100) << true << false;
    QTest::newRow("content larger: and both bars") << QSize(900, 900) << true << true;
}

void TestScrollAreaAccessible::shownChildren()
{
    QFETCH(QSize, content);
    QFETCH(bool, horizontal);
    QFETCH(bool, vertical);
    Area shown(content);
    QTRY_COMPARE(shown.area.verticalScrollBar()->isVisible(), vertical);
    QTRY_COMPARE(shown.area.horizontalScrollBar()->isVisible(), horizontal);

    // In the order Qt's own interface gives them: viewport, then the bars'
    // containers, horizontal first.
    QList<QObject *> expected{shown.area.viewport()};
    if (horizontal)
        expected.append(shown.area.horizontalScrollBar()->parentWidget());
    if (vertical)
        expected.append(shown.area.verticalScrollBar()->parentWidget());
    QAccessibleInterface *reader = shown.reader();
    QCOMPARE(reader->childCount(), expected.size());
    for (int i = 0; i < expected.size(); ++i) {
        QCOMPARE(reader->child(i)->object(), expected.at(i));
        QCOMPARE(reader->indexOfChild(reader->child(i)), i);
    }
    QCOMPARE(reader->child(-1), nullptr);
    QCOMPARE(reader->child(int(expected.size())), nullptr);
}

void TestScrollAreaAccessible::barGoneUnderAStaleCount()
{
    // A reader counts two children, the content shrinks, the vertical bar
    // goes, and the reader asks for the second: there is none.
    Area shown(QSize(100, 900));
    QTRY_VERIFY(shown.area.verticalScrollBar()->isVisible());
    QCOMPARE(shown.reader()->childCount(), 2);
    shown.area.widget()->setFixedSize(100, 100);
    QTRY_VERIFY(!shown.area.verticalScrollBar()->isVisible());
    QCOMPARE(shown.reader()->child(1), nullptr);
    QCOMPARE(shown.reader()->childCount(), 1);
}

void TestScrollAreaAccessible::itemViewKeepsItsOwn()
{
    // A list is a scroll area too, but its readers want its items.
    QStringListModel model({QStringLiteral("1 minute"), QStringLiteral("10 minutes")});
    QListView view;
    view.setModel(&model);
    view.show();
    QAccessibleInterface *reader = QAccessible::queryAccessibleInterface(&view);
    QCOMPARE(reader->role(), QAccessible::List);
    QCOMPARE(reader->childCount(), 2);
    QCOMPARE(reader->child(1)->text(QAccessible::Name), QStringLiteral("10 minutes"));
}

QTEST_MAIN(TestScrollAreaAccessible)
#include "tst_scrollareaaccessible.moc"
