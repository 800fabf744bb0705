// SPDX-FileCopyrightText: 2026 freqcounter developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAccessibleWidget>

class QAbstractScrollArea;

namespace freqcounter {

// A scroll area as screen readers reach it: its viewport, the containers of
// the scroll bars on show and its corner widget, as Qt's own interface gives
// them, except that a child asked for past the last is none. The scroll bars
// come and go as the content grows and shrinks, so a reader may ask for a
// child it counted a moment before; Qt 6.4's own interface then reads past
// the end of its list and hands the bridge a pointer to nothing.
class ScrollAreaAccessible : public QAccessibleWidget
{
public:
    explicit ScrollAreaAccessible(QAbstractScrollArea *area);

    // From now on, every scroll area's interface is one of these; once a
    // QApplication exists.
    static void install();

    QAccessibleInterface *child(int index) const override;
    int childCount() const override;
    int indexOfChild(const QAccessibleInterface *child) const override;
    QAccessibleInterface *childAt(int x, int y) const override;
    bool isValid() const override;

private:
    QAbstractScrollArea *area() const;
    QWidgetList shownChildren() const;
};

} // namespace freqcounter
