#include "ui/windowscaler.h"

#include <QAbstractItemView>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QWidget>

#include <cmath>

namespace WindowScaler {

namespace {

int scaled(int value, double factor)
{
    return int(std::lround(value * factor));
}

QRect scaled(const QRect &rect, double factor)
{
    // The edges are scaled, not the sizes, so neighbours that touched still touch.
    const int left = scaled(rect.left(), factor);
    const int top = scaled(rect.top(), factor);
    return QRect(left, top, scaled(rect.left() + rect.width(), factor) - left,
                 scaled(rect.top() + rect.height(), factor) - top);
}

void scaleWidget(QWidget *widget, double factor)
{
    // Fonts first: labels that size themselves to their text then do so at the new size.
    if (widget->testAttribute(Qt::WA_SetFont))
        scaleFont(widget, factor);
    // Widgets that draw their design themselves (the board, the keyword tiles) say so
    // with a 'scale' property; the rest are scaled through their geometry and font.
    const QVariant drawnScale = widget->property("scale");
    if (drawnScale.isValid())
        widget->setProperty("scale", drawnScale.toDouble() * factor);
    else if (auto *label = qobject_cast<QLabel *>(widget); label && !label->pixmap().isNull())
        label->setScaledContents(true);
    if (auto *header = qobject_cast<QHeaderView *>(widget)) {
        // The sizes are taken first: a new default size also resizes the sections that
        // still have the old one, which would then grow twice.
        QList<int> designSizes;
        for (int section = 0; section < header->count(); ++section)
            designSizes.append(header->sectionSize(section));
        header->setMinimumSectionSize(scaled(header->minimumSectionSize(), factor));
        header->setDefaultSectionSize(scaled(header->defaultSectionSize(), factor));
        for (int section = 0; section < header->count(); ++section)
            header->resizeSection(section, scaled(designSizes[section], factor));
    }
    if (widget->minimumSize() == widget->maximumSize())
        widget->setFixedSize(scaled(QRect(widget->pos(), widget->size()), factor).size());
}

// Labels that show their whole text before scaling, found before any font changes: a
// label inherits its window's font, so once that has grown its size no longer tells.
QList<QPointer<QLabel>> labelsShowingTheirText(QWidget *root)
{
    QList<QPointer<QLabel>> fitting;
    for (QLabel *label : root->findChildren<QLabel *>()) {
        if (!label->pixmap().isNull() || label->window() != root->window())
            continue;
        // A fixed box on one line is never refitted, so its text is not measured (which
        // would load its font before the window is shown).
        if (!label->wordWrap() && label->minimumSize() == label->maximumSize())
            continue;
        const bool fits = label->wordWrap() ? label->height() >= label->heightForWidth(label->width())
                                            : label->size() == label->sizeHint();
        if (fits)
            fitting.append(label);
    }
    return fitting;
}

// Text does not grow exactly in step with its font: a label sized to its text is sized to
// it again, and a wrapped label gets the height its lines now need.
void refit(const QList<QPointer<QLabel>> &labels)
{
    for (QLabel *label : labels) {
        if (!label)
            continue;
        if (!label->wordWrap()) {
            label->adjustSize();
            continue;
        }
        const int needed = label->heightForWidth(label->width());
        if (needed <= label->height())
            continue;
        if (label->minimumHeight() == label->maximumHeight())
            label->setFixedHeight(needed);
        else
            label->resize(label->width(), needed);
    }
}

void scaleTree(QWidget *parent, double factor, QPoint offset)
{
    for (QWidget *child : parent->findChildren<QWidget *>(Qt::FindDirectChildrenOnly)) {
        if (child->isWindow())
            continue;
        const QRect design = child->geometry();
        if (factor != 1.0) {
            scaleWidget(child, factor);
            scaleTree(child, factor, {});
        }
        child->setGeometry(scaled(design, factor).translated(offset));
        // A menu bar's margins do not shrink with its font: made lower than it needs, it
        // would put its items away behind its overflow button. It keeps the height it needs,
        // over the top of what lies below it.
        if (auto *bar = qobject_cast<QMenuBar *>(child); bar && bar->height() < bar->sizeHint().height()) {
            bar->resize(bar->width(), bar->sizeHint().height());
            bar->raise();
        }
    }
}

} // namespace

void scaleFont(QWidget *widget, double factor)
{
    if (factor == 1.0)
        return;
    QFont font = widget->font();
    if (font.pointSizeF() > 0)
        font.setPointSizeF(font.pointSizeF() * factor);
    else if (font.pixelSize() > 0)
        font.setPixelSize(scaled(font.pixelSize(), factor));
    widget->setFont(font);
}

double factorFor(const QSize &screen)
{
    return std::min(double(screen.width()) / designScreen.width(), double(screen.height()) / designScreen.height());
}

void scaleChildren(QWidget *parent, double factor, QPoint offset)
{
    if (factor == 1.0 && offset.isNull())
        return;
    const QList<QPointer<QLabel>> fitting = labelsShowingTheirText(parent);
    scaleTree(parent, factor, offset);
    if (factor != 1.0)
        refit(fitting);
}

void scaleWindow(QWidget *window, double factor)
{
    if (factor == 1.0)
        return;
    const QList<QPointer<QLabel>> fitting = labelsShowingTheirText(window);
    scaleFont(window, factor);
    const QSize size = scaled(QRect(QPoint(), window->size()), factor).size();
    if (window->minimumSize() == window->maximumSize())
        window->setFixedSize(size);
    else
        window->resize(size);
    scaleTree(window, factor, {});
    refit(fitting);
    // A menu pops up as a window of its own and so does not take the window's font.
    for (QMenu *menu : window->findChildren<QMenu *>())
        scaleFont(menu, factor);
}

} // namespace WindowScaler
