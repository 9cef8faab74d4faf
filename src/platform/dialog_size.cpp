#include "dialog_size.h"

#include <QAbstractScrollArea>
#include <QApplication>
#include <QComboBox>
#include <QEvent>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QMessageBox>
#include <QProxyStyle>
#include <QScreen>
#include <QStyleFactory>
#include <QStyleOptionComboBox>
#include <QWidget>

#include <algorithm>

namespace {

// The application's style with the sizes that belong to the text grown with it.
class GrownStyle final : public QProxyStyle
{
public:
    explicit GrownStyle(double growth)
        : QProxyStyle(QStyleFactory::create(QApplication::style()->name()))
        , growth_(growth)
    { }

    int pixelMetric(PixelMetric metric, const QStyleOption *option = nullptr,
        const QWidget *widget = nullptr) const override
    {
        const int usual = QProxyStyle::pixelMetric(metric, option, widget);
        switch (metric) {
        case PM_IndicatorWidth:
        case PM_IndicatorHeight:
        case PM_ExclusiveIndicatorWidth:
        case PM_ExclusiveIndicatorHeight:
        case PM_CheckBoxLabelSpacing:
        case PM_RadioButtonLabelSpacing:
        case PM_SmallIconSize:
        case PM_ButtonIconSize:
        case PM_ToolBarIconSize:
        case PM_ListViewIconSize:
        case PM_IconViewIconSize:
        case PM_MessageBoxIconSize:
        case PM_LayoutLeftMargin:
        case PM_LayoutTopMargin:
        case PM_LayoutRightMargin:
        case PM_LayoutBottomMargin:
        case PM_LayoutHorizontalSpacing:
        case PM_LayoutVerticalSpacing:
        case PM_ScrollBarExtent:
        case PM_ScrollBarSliderMin:
        case PM_MenuButtonIndicator:
        case PM_ToolBarExtensionExtent:
        case PM_ToolBarItemSpacing:
        case PM_ToolBarHandleExtent:
        case PM_SplitterWidth:
            return int(usual * growth_ + 0.5);
        default:
            return usual;
        }
    }

private:
    double growth_;
};

// Whether a widget scrolls in a view of the dialog (an editor in a table, a list's item).
bool inside_scrolled_view(const QWidget &widget, const QWidget &dialog)
{
    for (const QWidget *up = widget.parentWidget(); up && up != &dialog; up = up->parentWidget())
        if (const auto *area = qobject_cast<const QAbstractScrollArea *>(up))
            if (area->viewport()->isAncestorOf(&widget))
                return true;
    return false;
}

// The room a window manager leaves for a dialog's frame and title bar.
constexpr QSize frame_room(16, 48);

QSize room_in(QRect area) { return (area.size() - frame_room).expandedTo(QSize(1, 1)); }

// Where a dialog goes to lie within the area, title bar included.
QPoint within(QRect area, QRect dialog)
{
    return { std::clamp(dialog.left(), area.left(), area.right() - dialog.width()),
        std::clamp(dialog.top(), area.top() + frame_room.height() / 2,
            std::max(area.top() + frame_room.height() / 2, area.bottom() - dialog.height())) };
}

} // namespace

double font_growth(const QFont &font)
{
    const double usual = QFontMetricsF(QApplication::font()).height();
    return usual > 0 ? std::max(1.0, QFontMetricsF(font).height() / usual) : 1.0;
}

namespace {

// The room a control's text asks for: its size hint, and for a combo box the current item whole.
QSize room_for_text(QWidget &control)
{
    QSize hint = control.sizeHint();
    if (auto *combo = qobject_cast<QComboBox *>(&control)) {
        QStyleOptionComboBox option;
        option.initFrom(combo);
        option.editable = combo->isEditable();
        const QFontMetrics metrics = combo->fontMetrics();
        const int icon =
            combo->itemIcon(combo->currentIndex()).isNull() ? 0 : combo->iconSize().width() + 4;
        const QSize text(metrics.horizontalAdvance(combo->currentText()) + icon, metrics.height());
        hint = hint.expandedTo(
            combo->style()->sizeFromContents(QStyle::CT_ComboBox, &option, text, combo));
    }
    return hint;
}

} // namespace

// Sizes set for the usual text would clip the larger one: every control gets at least the room
// its text asks for. Views scroll, wrapped text takes its height from its width, and a line edit
// (whose hint is seventeen of the font's widest glyphs) grows with the layout around it.
void make_room(QWidget &dialog)
{
    // A message box wraps its text itself, to the width it chooses.
    const bool wraps_itself = qobject_cast<QMessageBox *>(&dialog);
    // Inner controls first: a box holding them then asks room for them all.
    const QList<QWidget *> children = dialog.findChildren<QWidget *>();
    for (auto it = children.rbegin(); it != children.rend(); ++it) {
        QWidget *child = *it;
        if (child->isWindow() || qobject_cast<QAbstractScrollArea *>(child)
            || child->hasHeightForWidth() || inside_scrolled_view(*child, dialog)
            || qobject_cast<QComboBox *>(child->parentWidget()) || qobject_cast<QLineEdit *>(child)
            || (wraps_itself && qobject_cast<QLabel *>(child)))
            continue;
        const QSize hint = room_for_text(*child);
        if (!hint.isValid())
            continue;
        child->setMaximumSize(child->maximumSize().expandedTo(hint));
        child->setMinimumSize(child->minimumSize().expandedTo(hint));
    }
    if (QLayout *layout = dialog.layout()) {
        layout->invalidate();
        layout->activate();
    }
}

namespace {

// Dialogs that fill in their controls as they show (the printers, the page count) make room once
// more then, and grow if that needs more.
class RoomWhenShown final : public QObject
{
public:
    RoomWhenShown(QWidget &dialog, QRect area)
        : QObject(&dialog)
        , area_(area)
    {
        dialog.installEventFilter(this);
    }

    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Show && watched == parent()) {
            auto &dialog = static_cast<QWidget &>(*watched);
            make_room(dialog);
            const QSize wanted =
                dialog.size().expandedTo(dialog.minimumSizeHint()).boundedTo(room_in(area_));
            if (wanted != dialog.size()) {
                dialog.resize(wanted);
                dialog.move(within(area_, QRect(dialog.pos(), wanted)));
            }
        }
        return false;
    }

private:
    QRect area_;
};

} // namespace

void fit_dialog(QWidget &dialog, const QFont &font, QSize least)
{
    dialog.setFont(font);
    const double growth = font_growth(font);
    if (growth > 1.01) {
        auto *style = new GrownStyle(growth);
        style->setParent(&dialog);
        dialog.setStyle(style);
        for (QWidget *child : dialog.findChildren<QWidget *>())
            child->setStyle(style);
    }
    dialog.ensurePolished();
    // A message box's icon was drawn at the usual size.
    if (auto *box = qobject_cast<QMessageBox *>(&dialog); box && box->icon() != QMessageBox::NoIcon)
        box->setIcon(box->icon());
    make_room(dialog);

    QWidget *parent = dialog.parentWidget() ? dialog.parentWidget()->window() : nullptr;
    QScreen *screen = parent ? parent->screen() : dialog.screen();
    const QRect area = screen ? screen->availableGeometry() : QRect(0, 0, 1024, 768);
    const QSize room = room_in(area);
    const QSize wanted = dialog.sizeHint()
                             .expandedTo(dialog.minimumSizeHint())
                             .expandedTo(least * growth)
                             .boundedTo(room);
    dialog.resize(wanted);
    new RoomWhenShown(dialog, area);

    QRect placed(QPoint(), wanted);
    placed.moveCenter(parent ? parent->frameGeometry().center() : area.center());
    dialog.move(within(area, placed));
}
