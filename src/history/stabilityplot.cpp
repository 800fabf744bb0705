// SPDX-FileCopyrightText: 2026 freqcounter developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "stabilityplot.h"

#include "chartscale.h"
#include "keptsettings.h"

#include <QAction>
#include <QMenu>
#include <QPainter>

#include <algorithm>
#include <cmath>

namespace freqcounter {

namespace {

constexpr int kGap = 4;
constexpr double kMarkerRadius = 3;

// Hidden rather than shown, so that an estimator new to the table is drawn.
constexpr QLatin1StringView kHiddenKey("sigmaTau/hidden");

// While recordings are compared, each has a colour and a line of its own,
// its own figures the first; the estimators keep their markers.
constexpr QRgb kRecordingColours[]
        = {0x0072b2, 0xd55e00, 0x009e73, 0xcc79a7, 0xe69f00, 0x56b4e9, 0x8c564b, 0x000000};
constexpr Qt::PenStyle kRecordingLines[]
        = {Qt::SolidLine, Qt::DashLine, Qt::DotLine, Qt::DashDotLine};

} // namespace

const QList<StabilityPlot::Curve> &StabilityPlot::curves()
{
    static const QList<Curve> table{
            {"oadev", tr("OADEV"), QColor(0x00, 0x72, 0xb2), Marker::Circle,
             &Statistics::overlappingAllan},
            {"mdev", tr("MDEV"), QColor(0x00, 0x9e, 0x73), Marker::Square,
             &Statistics::modifiedAllan},
            {"ohdev", tr("OHDEV"), QColor(0xd5, 0x5e, 0x00), Marker::Triangle,
             &Statistics::overlappingHadamard},
            {"tdev", tr("TDEV (s)"), QColor(0xcc, 0x79, 0xa7), Marker::Diamond,
             &Statistics::timeDeviation},
            {"totdev", tr("TOTDEV"), QColor(0xe6, 0x9f, 0x00), Marker::TriangleDown,
             &Statistics::totalDeviation},
            {"mtot", tr("MTOT"), QColor(0x56, 0xb4, 0xe9), Marker::Cross,
             &Statistics::modifiedTotal},
            {"theobr", tr("TheoBR"), QColor(0x8c, 0x56, 0x4b), Marker::Plus, &Statistics::theoBR},
    };
    return table;
}

StabilityPlot::StabilityPlot(QWidget *parent)
    : PlotWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAccessibleName(tr("Sigma-tau plot of the stability figures chosen in its context menu"));
    setContextMenuPolicy(Qt::ActionsContextMenu);
    for (const Curve &curve : curves()) {
        auto *choice = new QAction(curve.name, this);
        choice->setObjectName(QString::fromLatin1(curve.key));
        choice->setCheckable(true);
        choice->setChecked(true);
        connect(choice, &QAction::toggled, this, [this] {
            if (m_keepsChoice) {
                QStringList hidden;
                for (qsizetype i = 0; i < m_choices.size(); ++i) {
                    if (!m_choices.at(i)->isChecked())
                        hidden.append(QString::fromLatin1(curves().at(i).key));
                }
                QSettings kept = keptSettings();
                kept.setValue(kHiddenKey, hidden);
            }
            update();
        });
        addAction(choice);
        m_choices.append(choice);
    }
}

void StabilityPlot::useKeptChoice()
{
    const QStringList hidden = keptSettings().value(kHiddenKey).toStringList();
    for (QAction *choice : std::as_const(m_choices))
        choice->setChecked(!hidden.contains(choice->objectName()));
    m_keepsChoice = true;
}

void StabilityPlot::setFigures(const Statistics &figures, const QString &name)
{
    m_figures = figures;
    m_name = name;
    update();
}

void StabilityPlot::compare(const QString &name, const Statistics &figures)
{
    if (!m_comparedSeparator) {
        m_comparedSeparator = new QAction(this);
        m_comparedSeparator->setSeparator(true);
        addAction(m_comparedSeparator);
    }
    // A submenu a recording, named for it, to hide or remove it.
    auto *menu = new QMenu(name, this);
    Compared compared{name, figures, menu->menuAction(), menu->addAction(tr("&Shown"))};
    compared.shown->setCheckable(true);
    compared.shown->setChecked(true);
    connect(compared.shown, &QAction::toggled, this, [this] {
        update();
        Q_EMIT comparedChanged();
    });
    QAction *remove = menu->addAction(tr("&Remove"));
    QAction *entry = compared.entry;
    connect(remove, &QAction::triggered, this, [this, entry] {
        for (qsizetype i = 0; i < m_compared.size(); ++i) {
            if (m_compared.at(i).entry == entry) {
                removeCompared(i);
                return;
            }
        }
    });
    addAction(compared.entry);
    m_compared.append(compared);
    update();
    Q_EMIT comparedChanged();
}

QStringList StabilityPlot::compared(bool shownOnly) const
{
    QStringList names;
    for (const Compared &compared : m_compared) {
        if (!shownOnly || compared.shown->isChecked())
            names.append(compared.name);
    }
    return names;
}

void StabilityPlot::setComparedShown(qsizetype index, bool shown)
{
    m_compared.at(index).shown->setChecked(shown);
}

void StabilityPlot::removeCompared(qsizetype index)
{
    const Compared compared = m_compared.takeAt(index);
    removeAction(compared.entry);
    // Removed from its own menu's handler, the menu goes once that is done.
    compared.entry->menu()->deleteLater();
    if (m_compared.isEmpty()) {
        removeAction(m_comparedSeparator);
        delete m_comparedSeparator;
        m_comparedSeparator = nullptr;
    }
    update();
    Q_EMIT comparedChanged();
}

QList<StabilityPlot::Drawn> StabilityPlot::drawnCurves() const
{
    // Alone, its own figures' curves are in the estimators' colours and
    // named for the estimators only.
    struct Recording
    {
        const Statistics *figures;
        QString name;
        qsizetype look; // kept while another is hidden
    };
    QList<Recording> recordings{{&m_figures, m_name, 0}};
    for (qsizetype r = 0; r < m_compared.size(); ++r) {
        const Compared &compared = m_compared.at(r);
        if (compared.shown->isChecked())
            recordings.append({&compared.figures, compared.name, r + 1});
    }
    const bool comparing = !m_compared.isEmpty();
    QList<Drawn> drawn;
    for (const Recording &recording : std::as_const(recordings)) {
        for (qsizetype i = 0; i < curves().size(); ++i) {
            const Curve &curve = curves().at(i);
            if (!m_choices.at(i)->isChecked() || (recording.figures->*curve.points).isEmpty())
                continue;
            if (!comparing) {
                drawn.append(
                        {recording.figures, &curve, curve.name, curve.colour, Qt::SolidLine, {}});
                continue;
            }
            const auto look = std::size_t(recording.look);
            drawn.append({recording.figures, &curve, tr("%1 of %2").arg(curve.name, recording.name),
                          QColor::fromRgb(kRecordingColours[look % std::size(kRecordingColours)]),
                          kRecordingLines[look % std::size(kRecordingLines)], recording.name});
        }
    }
    return drawn;
}

QStringList StabilityPlot::shownNames() const
{
    QStringList names;
    for (const Drawn &drawn : drawnCurves()) {
        if (!names.contains(drawn.curve->name))
            names.append(drawn.curve->name);
    }
    // In the table's order, whichever recording has them.
    QStringList ordered;
    for (const Curve &curve : curves()) {
        if (names.contains(curve.name))
            ordered.append(curve.name);
    }
    return ordered;
}

QStringList StabilityPlot::legendLines() const
{
    QStringList lines;
    for (const Drawn &drawn : drawnCurves())
        lines.append(drawn.label);
    return lines;
}

void StabilityPlot::paint(QPainter &painter, const QRect &area) const
{
    painter.setFont(font());
    PlotFrame::clear(painter, area, palette());

    const QList<Drawn> shown = drawnCurves();
    const std::optional<std::pair<PlotFrame::Axis, PlotFrame::Axis>> axes = decades(shown);
    if (!axes) {
        const bool any = !m_figures.overlappingAllan.isEmpty()
                || std::any_of(m_compared.cbegin(), m_compared.cend(), [](const Compared &c) {
                       return !c.figures.overlappingAllan.isEmpty();
                   });
        PlotFrame::say(painter, area,
                       shown.isEmpty() && any ? tr("No estimator is chosen: right-click to choose")
                                              : tr("Not enough readings for a sigma-tau plot"));
        return;
    }
    const PlotFrame frame(painter, area, palette(), axes->first, axes->second, tr("\u03C3(\u03C4)"),
                          tr("\u03C4 in seconds"));
    if (!frame.hasRoom())
        return;
    frame.draw(painter);

    painter.setRenderHint(QPainter::Antialiasing);
    painter.setClipRect(frame.plot());
    for (const Drawn &curve : shown)
        drawCurve(painter, frame, curve);
    const bool driftRemoved = std::any_of(shown.cbegin(), shown.cend(), [](const Drawn &curve) {
        return curve.figures->driftRemoved;
    });
    drawLegend(painter, frame, palette(), legend(shown, painter.fontMetrics(), frame, palette()),
               driftRemoved ? tr("linear drift removed") : QString());
    painter.setClipping(false);
}

std::optional<std::pair<PlotFrame::Axis, PlotFrame::Axis>>
StabilityPlot::decades(const QList<Drawn> &curves)
{
    // The decades the points and their error bars reach; a point of zero
    // deviation has no place on a logarithmic axis.
    double lowTau = HUGE_VAL, highTau = 0, low = HUGE_VAL, high = 0;
    for (const Drawn &curve : curves) {
        for (const Statistics::Deviation &d : *curve.figures.*curve.curve->points) {
            if (!(d.value > 0) || !(d.tauSeconds > 0))
                continue;
            lowTau = std::min(lowTau, d.tauSeconds);
            highTau = std::max(highTau, d.tauSeconds);
            low = std::min(low, std::max(d.low, d.value / 10));
            high = std::max(high, d.high);
        }
    }
    if (highTau == 0)
        return std::nullopt;
    const auto axis = [](double from, double to) {
        const int first = int(std::floor(std::log10(from)));
        const int last = std::max(first + 1, int(std::ceil(std::log10(to))));
        PlotFrame::Axis a{std::pow(10.0, first), std::pow(10.0, last), true, {}};
        for (int e = first; e <= last; ++e)
            a.ticks.append({std::pow(10.0, e), ChartScale::decadeLabel(std::pow(10.0, e))});
        return a;
    };
    return std::pair{axis(lowTau, highTau), axis(low, high)};
}

void StabilityPlot::drawCurve(QPainter &painter, const PlotFrame &frame, const Drawn &curve)
{
    // The points joined in the recording's line, each with the bar of its
    // 68.3 % bounds.
    const QPen joining(curve.colour, 1, curve.style);
    const QPen solid(curve.colour, 1);
    painter.setBrush(curve.colour);
    QPointF previous;
    bool started = false;
    for (const Statistics::Deviation &d : *curve.figures.*curve.curve->points) {
        if (!(d.value > 0))
            continue;
        const QPointF at(frame.xOf(d.tauSeconds), frame.yOf(d.value));
        if (started) {
            painter.setPen(joining);
            painter.drawLine(previous, at);
        }
        painter.setPen(solid);
        const double bottom = d.low > 0 ? frame.yOf(d.low) : frame.plot().bottom();
        painter.drawLine(QPointF(at.x(), frame.yOf(d.high)), QPointF(at.x(), bottom));
        drawMarker(painter, at, curve.curve->marker);
        previous = at;
        started = true;
    }
}

void StabilityPlot::drawMarker(QPainter &painter, QPointF at, Marker marker)
{
    const double r = kMarkerRadius;
    const auto polygon = [&](std::initializer_list<QPointF> corners) {
        QPolygonF shape;
        for (const QPointF &corner : corners)
            shape.append(at + corner);
        painter.drawPolygon(shape);
    };
    switch (marker) {
    case Marker::Circle:
        painter.drawEllipse(at, r, r);
        break;
    case Marker::Square:
        painter.drawRect(QRectF(at.x() - r, at.y() - r, 2 * r, 2 * r));
        break;
    case Marker::Triangle:
        polygon({{0, -r - 1}, {r + 1, r}, {-r - 1, r}});
        break;
    case Marker::TriangleDown:
        polygon({{0, r + 1}, {r + 1, -r}, {-r - 1, -r}});
        break;
    case Marker::Diamond:
        polygon({{0, -r - 1}, {r + 1, 0}, {0, r + 1}, {-r - 1, 0}});
        break;
    case Marker::Cross:
        painter.drawLine(at + QPointF(-r, -r), at + QPointF(r, r));
        painter.drawLine(at + QPointF(-r, r), at + QPointF(r, -r));
        break;
    case Marker::Plus:
        painter.drawLine(at + QPointF(-r - 1, 0), at + QPointF(r + 1, 0));
        painter.drawLine(at + QPointF(0, -r - 1), at + QPointF(0, r + 1));
        break;
    }
}

QList<StabilityPlot::Entry> StabilityPlot::legend(const QList<Drawn> &curves,
                                                  const QFontMetrics &metrics,
                                                  const PlotFrame &frame, const QPalette &palette)
{
    QList<Entry> each;
    int widest = 0;
    for (const Drawn &curve : curves) {
        each.append({curve.label, curve.colour, curve.curve->marker, Qt::NoPen});
        widest = std::max(widest, metrics.horizontalAdvance(curve.label));
    }
    const bool fits = widest + 4 * kMarkerRadius + 4 * kGap <= frame.plot().width()
            && (curves.size() + 1) * metrics.height() <= frame.plot().height() / 2;
    const bool comparing
            = !curves.isEmpty() && curves.constFirst().label != curves.constFirst().curve->name;
    if (!comparing || fits)
        return each;
    // Each recording by its colour and line, then each estimator by its
    // marker.
    QList<Entry> compact;
    QStringList estimators;
    for (const Drawn &curve : curves) {
        if (compact.isEmpty() || compact.constLast().text != curve.recording)
            compact.append({curve.recording, curve.colour, std::nullopt, curve.style});
        if (!estimators.contains(curve.curve->name))
            estimators.append(curve.curve->name);
    }
    for (const Curve &curve : StabilityPlot::curves()) {
        if (estimators.contains(curve.name))
            compact.append({curve.name, palette.color(QPalette::Text), curve.marker, Qt::NoPen});
    }
    return compact;
}

void StabilityPlot::drawLegend(QPainter &painter, const PlotFrame &frame, const QPalette &palette,
                               const QList<Entry> &entries, const QString &note)
{
    // In the plot's top right corner, where the curves seldom run, a name a
    // line, each after its marker or line, over the background; under them
    // the note, across the box.
    const QFontMetrics metrics = painter.fontMetrics();
    const int markerWidth = 4 * int(kMarkerRadius);
    int widest = 0;
    for (const Entry &entry : entries)
        widest = std::max(widest, metrics.horizontalAdvance(entry.text));
    widest = std::max(widest, metrics.horizontalAdvance(note) - markerWidth - kGap / 2);
    // Long names, as compared recordings have, are cut in the middle to
    // fit the plot.
    widest = std::max(0, std::min(widest, frame.plot().width() - markerWidth - 4 * kGap));
    const int line = metrics.height();
    const int lines = int(entries.size()) + (note.isEmpty() ? 0 : 1);
    const QRect box(frame.plot().right() - widest - markerWidth - 3 * kGap,
                    frame.plot().top() + kGap, widest + markerWidth + 2 * kGap,
                    lines * line + kGap);
    QColor background = palette.color(QPalette::Base);
    background.setAlpha(220);
    painter.setPen(palette.color(QPalette::Mid));
    painter.setBrush(background);
    painter.drawRect(box);
    int top = box.top() + kGap / 2;
    for (const Entry &entry : entries) {
        const QPointF middle(box.left() + kGap + markerWidth / 2.0, top + line / 2.0);
        if (entry.marker) {
            painter.setPen(QPen(entry.colour, 1));
            painter.setBrush(entry.colour);
            drawMarker(painter, middle, *entry.marker);
        } else {
            painter.setPen(QPen(entry.colour, 2, entry.style));
            painter.drawLine(middle - QPointF(markerWidth / 2.0, 0),
                             middle + QPointF(markerWidth / 2.0, 0));
        }
        painter.setPen(QPen(entry.colour, 1));
        painter.drawText(
                QRect(box.left() + kGap + markerWidth + kGap / 2, top, widest + kGap, line),
                Qt::AlignLeft | Qt::AlignVCenter,
                metrics.elidedText(entry.text, Qt::ElideMiddle, widest + kGap));
        top += line;
    }
    if (!note.isEmpty()) {
        painter.setPen(palette.color(QPalette::Text));
        painter.drawText(QRect(box.left() + kGap, top, box.width() - kGap, line),
                         Qt::AlignLeft | Qt::AlignVCenter, note);
    }
}

} // namespace freqcounter
