#include "dialog_size.h"

#include <QAbstractButton>
#include <QAbstractScrollArea>
#include <QAbstractSpinBox>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QEvent>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QMessageBox>
#include <QPainter>
#include <QProxyStyle>
#include <QScreen>
#include <QStyleFactory>
#include <QStyleOptionComboBox>
#include <QStyleOptionSpinBox>
#include <QTimer>
#include <QToolButton>
#include <QWidget>

#include <algorithm>
#include <type_traits>

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

    // A spin box whose buttons and arrows the style draws at a fixed size is drawn as at the
    // usual text, grown as a whole: its buttons, arrows and frame in the measure of its text.
    QRect subControlRect(ComplexControl control, const QStyleOptionComplex *option, SubControl part,
        const QWidget *widget) const override
    {
        const auto *spin = qstyleoption_cast<const QStyleOptionSpinBox *>(option);
        if (control != CC_SpinBox || !spin || usual_)
            return QProxyStyle::subControlRect(control, option, part, widget);
        QStyleOptionSpinBox usual = *spin;
        usual.rect = QRect(QPoint(), shrunk(spin->rect.size()));
        const QRect r =
            as_usual([&] { return QProxyStyle::subControlRect(control, &usual, part, widget); });
        return QRect(spin->rect.topLeft() + QPoint(grown(r.left()), grown(r.top())),
            QSize(grown(r.width()), grown(r.height())));
    }

    void drawComplexControl(ComplexControl control, const QStyleOptionComplex *option,
        QPainter *painter, const QWidget *widget) const override
    {
        const auto *spin = qstyleoption_cast<const QStyleOptionSpinBox *>(option);
        if (control != CC_SpinBox || !spin || usual_) {
            QProxyStyle::drawComplexControl(control, option, painter, widget);
            return;
        }
        QStyleOptionSpinBox usual = *spin;
        usual.rect = QRect(QPoint(), shrunk(spin->rect.size()));
        painter->save();
        painter->translate(spin->rect.topLeft());
        painter->scale(growth_, growth_);
        as_usual([&] {
            QProxyStyle::drawComplexControl(control, &usual, painter, widget);
            return 0;
        });
        painter->restore();
    }

    QSize sizeFromContents(ContentsType type, const QStyleOption *option, const QSize &contents,
        const QWidget *widget) const override
    {
        if (type != CT_SpinBox || usual_)
            return QProxyStyle::sizeFromContents(type, option, contents, widget);
        // The text is at the larger size already; the buttons and the frame around it grow.
        const QSize size =
            as_usual([&] { return QProxyStyle::sizeFromContents(type, option, contents, widget); });
        const QSize around = (size - contents).expandedTo(QSize(0, 0));
        return contents + QSize(grown(around.width()), grown(around.height()));
    }

private:
    int grown(int usual) const { return int(usual * growth_ + 0.5); }
    QSize shrunk(QSize size) const
    {
        return QSize(int(size.width() / growth_ + 0.5), int(size.height() / growth_ + 0.5));
    }

    // The style's own measures within a spin box that is drawn or measured as at the usual
    // text: the style asks its proxy again for the parts it draws.
    template <class Work> std::invoke_result_t<Work> as_usual(Work work) const
    {
        usual_ = true;
        const std::invoke_result_t<Work> result = work();
        usual_ = false;
        return result;
    }

    double growth_;
    mutable bool usual_ = false;
};

// An icon whose largest picture is smaller than the size it shows at, enlarged to it: the
// built-in icons come at the usual sizes only, and an icon is never drawn larger than its
// largest picture.
QIcon enlarged(const QIcon &icon, QSize size, qreal ratio)
{
    QIcon larger;
    for (const QIcon::Mode mode :
        { QIcon::Normal, QIcon::Disabled, QIcon::Active, QIcon::Selected })
        for (const QIcon::State state : { QIcon::Off, QIcon::On }) {
            QPixmap picture = icon.pixmap(size, ratio, mode, state);
            if (picture.isNull())
                continue;
            const QSize wanted = size * ratio;
            if (picture.width() < wanted.width() && picture.height() < wanted.height()) {
                picture = picture.scaled(wanted, Qt::KeepAspectRatio, Qt::SmoothTransformation);
                picture.setDevicePixelRatio(ratio);
            }
            larger.addPixmap(picture, mode, state);
        }
    return larger;
}

// The icons of the dialog's buttons and tool buttons at the size their style now gives them.
void enlarge_icons(QWidget &dialog)
{
    const char *const done = "aurelion_icon_enlarged";
    const qreal ratio = dialog.devicePixelRatioF();
    for (QAbstractButton *button : dialog.findChildren<QAbstractButton *>()) {
        if (button->icon().isNull() || button->property(done).toBool())
            continue;
        const auto *tool = qobject_cast<QToolButton *>(button);
        if (tool && tool->defaultAction()) {
            QAction *action = tool->defaultAction();
            if (!action->property(done).toBool()) {
                action->setIcon(enlarged(action->icon(), button->iconSize(), ratio));
                action->setProperty(done, true);
            }
        } else {
            button->setIcon(enlarged(button->icon(), button->iconSize(), ratio));
        }
        button->setProperty(done, true);
    }
}

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

// Where a dialog goes to lie within the area, title bar included: its frame where the window
// system has given it one, else the room a frame takes at most.
QPoint within(QRect area, const QWidget &dialog, QPoint place)
{
    const QSize frame = dialog.frameGeometry().size() - dialog.size();
    const bool framed = dialog.isVisible() && frame.height() > 0;
    const QSize whole = dialog.size() + (framed ? frame : frame_room);
    const int top = area.top() + (framed ? 0 : frame_room.height() / 2);
    const int left = area.left() + (framed ? 0 : frame_room.width() / 2);
    return { std::clamp(
                 place.x(), left, std::max(left, area.left() + area.width() - whole.width())),
        std::clamp(place.y(), top, std::max(top, area.top() + area.height() - whole.height())) };
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

// Whether the widget holds a view of the dialog (a file dialog's list in its frame): its hint is
// then the view's content, which scrolls, not room its text needs.
bool holds_view(const QWidget &widget)
{
    const QList<QAbstractScrollArea *> views = widget.findChildren<QAbstractScrollArea *>();
    return std::any_of(views.begin(), views.end(),
        [&widget](const QAbstractScrollArea *view) { return view->window() == widget.window(); });
}

} // namespace

// Sizes set for the usual text would clip the larger one: every control gets at least the room
// its text asks for. Views scroll, and so do the boxes that hold them; wrapped text takes its
// height from its width, and a line edit (whose hint is seventeen of the font's widest glyphs)
// grows with the layout around it and is at least as wide as its text (a path), within two
// thirds of the screen.
void make_room(QWidget &dialog)
{
    // A message box wraps its text itself, to the width it chooses.
    const bool wraps_itself = qobject_cast<QMessageBox *>(&dialog);
    const QScreen *screen = dialog.screen();
    const int widest_edit = (screen ? screen->availableGeometry().width() : 1024) * 2 / 3;
    // Inner controls first: a box holding them then asks room for them all.
    const QList<QWidget *> children = dialog.findChildren<QWidget *>();
    for (auto it = children.rbegin(); it != children.rend(); ++it) {
        QWidget *child = *it;
        if (child->isWindow() || qobject_cast<QAbstractScrollArea *>(child) || holds_view(*child)
            || child->hasHeightForWidth() || inside_scrolled_view(*child, dialog)
            || qobject_cast<QComboBox *>(child->parentWidget())
            || (wraps_itself && qobject_cast<QLabel *>(child)))
            continue;
        if (auto *edit = qobject_cast<QLineEdit *>(child)) {
            if (qobject_cast<QAbstractSpinBox *>(edit->parentWidget()))
                continue;
            const QMargins margins = edit->textMargins();
            const int wide = edit->fontMetrics().horizontalAdvance(edit->displayText())
                + margins.left() + margins.right() + edit->fontMetrics().averageCharWidth()
                + (edit->width() - edit->contentsRect().width()) + 8;
            edit->setMinimumWidth(std::max(edit->minimumWidth(), std::min(wide, widest_edit)));
            continue;
        }
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

// The style on every widget of the dialog: the dialogs that make their controls as they show
// (an input dialog's buttons) or later (a print dialog's options) have them in it too.
void use_style(QWidget &dialog, QStyle *style)
{
    for (QWidget *child : dialog.findChildren<QWidget *>())
        if (child->style() != style)
            child->setStyle(style);
}

// A dialog that grows as it shows, or later (a print dialog's options), stays within the area,
// title bar included: it moves up or left where it would leave the screen.
void keep_within(QWidget &dialog, QRect area)
{
    const QSize size = dialog.size().boundedTo(room_in(area)).expandedTo(dialog.minimumSize());
    if (size != dialog.size())
        dialog.resize(size);
    const QPoint place = within(area, dialog, dialog.pos());
    if (place != dialog.pos())
        dialog.move(place);
}

// Dialogs that fill in their controls as they show (the printers, the page count) or show more
// of them later (a print dialog's options) make room once more then, and grow if that needs
// more; a dialog that grows stays on the screen.
class RoomWhenShown final : public QObject
{
public:
    RoomWhenShown(QWidget &dialog, QRect area, QStyle *style)
        : QObject(&dialog)
        , dialog_(dialog)
        , area_(area)
        , style_(style)
    {
        dialog.installEventFilter(this);
        for (QWidget *child : dialog.findChildren<QWidget *>())
            if (!child->isWindow())
                child->installEventFilter(this);
    }

    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (watched == &dialog_ && event->type() == QEvent::Show) {
            make_room_again();
        } else if (watched == &dialog_ && event->type() == QEvent::Resize && dialog_.isVisible()) {
            keep_within(dialog_, area_);
        } else if (watched != &dialog_ && event->type() == QEvent::Show && dialog_.isVisible()
            && !again_) {
            // Once for all the controls that show together, when they have.
            again_ = true;
            QTimer::singleShot(0, this, [this] {
                again_ = false;
                make_room_again();
            });
        }
        return false;
    }

private:
    void make_room_again()
    {
        if (style_) {
            use_style(dialog_, style_);
            enlarge_icons(dialog_);
        }
        make_room(dialog_);
        const QSize wanted =
            dialog_.size().expandedTo(dialog_.minimumSizeHint()).boundedTo(room_in(area_));
        if (wanted != dialog_.size())
            dialog_.resize(wanted);
        keep_within(dialog_, area_);
    }

    QWidget &dialog_;
    QRect area_;
    QStyle *style_;
    bool again_ = false;
};

} // namespace

void fit_dialog(QWidget &dialog, const QFont &font, QSize least)
{
    dialog.setFont(font);
    const double growth = font_growth(font);
    QStyle *style = nullptr;
    if (growth > 1.01) {
        style = new GrownStyle(growth);
        style->setParent(&dialog);
        dialog.setStyle(style);
        use_style(dialog, style);
    }
    dialog.ensurePolished();
    // A message box's icon was drawn at the usual size.
    if (auto *box = qobject_cast<QMessageBox *>(&dialog); box && box->icon() != QMessageBox::NoIcon)
        box->setIcon(box->icon());
    if (style)
        enlarge_icons(dialog);
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
    new RoomWhenShown(dialog, area, style);

    QRect placed(QPoint(), wanted);
    placed.moveCenter(parent ? parent->frameGeometry().center() : area.center());
    dialog.move(within(area, dialog, placed.topLeft()));
}
