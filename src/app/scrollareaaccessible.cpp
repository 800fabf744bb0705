// SPDX-FileCopyrightText: 2026 freqcounter developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "scrollareaaccessible.h"

#include <QAbstractScrollArea>
#include <QScrollBar>

namespace freqcounter {

namespace {

QAccessibleInterface *scrollAreaFactory(const QString &className, QObject *object)
{
    // The classes Qt's own factory gives its scroll-area interface to; any
    // other (an item view, a text edit) keeps its own.
    if (className != QLatin1StringView("QScrollArea")
        && className != QLatin1StringView("QAbstractScrollArea"))
        return nullptr;
    auto *area = qobject_cast<QAbstractScrollArea *>(object);
    return area != nullptr ? new ScrollAreaAccessible(area) : nullptr;
}

} // namespace

ScrollAreaAccessible::ScrollAreaAccessible(QAbstractScrollArea *area)
    : QAccessibleWidget(area, QAccessible::Client)
{}

void ScrollAreaAccessible::install()
{
    // Qt asks the factory installed last first.
    QAccessible::installFactory(&scrollAreaFactory);
}

QAbstractScrollArea *ScrollAreaAccessible::area() const
{
    return static_cast<QAbstractScrollArea *>(object());
}

QWidgetList ScrollAreaAccessible::shownChildren() const
{
    QWidgetList children;
    if (QWidget *viewport = area()->viewport())
        children.append(viewport);
    for (const QScrollBar *bar : {area()->horizontalScrollBar(), area()->verticalScrollBar()}) {
        if (bar != nullptr && bar->isVisible())
            children.append(bar->parentWidget());
    }
    if (QWidget *corner = area()->cornerWidget(); corner != nullptr && corner->isVisible())
        children.append(corner);
    return children;
}

QAccessibleInterface *ScrollAreaAccessible::child(int index) const
{
    const QWidgetList children = shownChildren();
    if (index < 0 || index >= children.size())
        return nullptr;
    return QAccessible::queryAccessibleInterface(children.at(index));
}

int ScrollAreaAccessible::childCount() const
{
    return int(shownChildren().size());
}

int ScrollAreaAccessible::indexOfChild(const QAccessibleInterface *child) const
{
    if (child == nullptr || child->object() == nullptr)
        return -1;
    return int(shownChildren().indexOf(qobject_cast<QWidget *>(child->object())));
}

QAccessibleInterface *ScrollAreaAccessible::childAt(int x, int y) const
{
    if (!area()->isVisible())
        return nullptr;
    for (QWidget *shown : shownChildren()) {
        if (QRect(shown->mapToGlobal(QPoint(0, 0)), shown->size()).contains(x, y))
            return QAccessible::queryAccessibleInterface(shown);
    }
    return nullptr;
}

bool ScrollAreaAccessible::isValid() const
{
    return QAccessibleWidget::isValid() && area()->viewport() != nullptr;
}

} // namespace freqcounter
