// Keyboard and assistive technology: which labels are clickable, the Tab order within each frame,
// and what each control is called and does, without changing any caption the user sees.

#include "main_window.h"

#include <QApplication>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QMenuBar>
#include <QProxyStyle>
#include <QToolButton>

#include <algorithm>

namespace {

struct Description
{
    const char *key; // control name, "NAME:INDEX" for an element of a control array
    const char *name;
    const char *description; // empty for a read-out: its caption is what it tells
    bool operable = true; // a read-out whose click only redraws takes no keyboard focus
};

constexpr Description descriptions[] = {
    { "Label7", QT_TRANSLATE_NOOP("Accessibility", "start values 1 and phi"),
        QT_TRANSLATE_NOOP("Accessibility", "F(0) = 1, F(1) = phi: every ratio is phi") },
    { "Label8", QT_TRANSLATE_NOOP("Accessibility", "start values 1 and -1/phi"),
        QT_TRANSLATE_NOOP("Accessibility", "F(0) = 1, F(1) = -1/phi: every ratio is -1/phi") },
    { "Label1:10", QT_TRANSLATE_NOOP("Accessibility", "start values 1 and 1"),
        QT_TRANSLATE_NOOP("Accessibility", "F(0) = 1, F(1) = 1: the Fibonacci sequence") },
    { "Label1:11", QT_TRANSLATE_NOOP("Accessibility", "start values 1 and 1"),
        QT_TRANSLATE_NOOP("Accessibility", "F(0) = 1, F(1) = 1: the Fibonacci sequence") },
    { "ComM:0", QT_TRANSLATE_NOOP("Accessibility", "F(0) down"),
        QT_TRANSLATE_NOOP("Accessibility", "lower the start value F(0) by 0.2, down to -2") },
    { "ComM:1", QT_TRANSLATE_NOOP("Accessibility", "F(1) down"),
        QT_TRANSLATE_NOOP("Accessibility", "lower the start value F(1) by 0.2, down to -2") },
    { "ComP:0", QT_TRANSLATE_NOOP("Accessibility", "F(0) up"),
        QT_TRANSLATE_NOOP("Accessibility", "raise the start value F(0) by 0.2, up to 2") },
    { "ComP:1", QT_TRANSLATE_NOOP("Accessibility", "F(1) up"),
        QT_TRANSLATE_NOOP("Accessibility", "raise the start value F(1) by 0.2, up to 2") },
    { "Command1", QT_TRANSLATE_NOOP("Accessibility", "ratio index down"),
        QT_TRANSLATE_NOOP(
            "Accessibility", "show the ratio F(i+1) / F(i) for the index i one lower") },
    { "Command2", QT_TRANSLATE_NOOP("Accessibility", "ratio index up"),
        QT_TRANSLATE_NOOP(
            "Accessibility", "show the ratio F(i+1) / F(i) for the index i one higher") },
    { "Ckm:0", QT_TRANSLATE_NOOP("Accessibility", "birth factor k down"),
        QT_TRANSLATE_NOOP("Accessibility", "lower the birth factor k by 0.05, down to 0") },
    { "Ckm:1", QT_TRANSLATE_NOOP("Accessibility", "immigration rate w down"),
        QT_TRANSLATE_NOOP("Accessibility", "lower the immigration rate w by 1") },
    { "Ckm:2", QT_TRANSLATE_NOOP("Accessibility", "start population yo down"),
        QT_TRANSLATE_NOOP("Accessibility", "lower the population at t = 0 by 1, down to 0") },
    { "Ckm:3", QT_TRANSLATE_NOOP("Accessibility", "death factor d down"),
        QT_TRANSLATE_NOOP("Accessibility", "lower the death factor d by 0.1, down to 0") },
    { "Ckp:0", QT_TRANSLATE_NOOP("Accessibility", "birth factor k up"),
        QT_TRANSLATE_NOOP("Accessibility", "raise the birth factor k by 0.05, up to 1") },
    { "Ckp:1", QT_TRANSLATE_NOOP("Accessibility", "immigration rate w up"),
        QT_TRANSLATE_NOOP("Accessibility", "raise the immigration rate w by 1") },
    { "Ckp:2", QT_TRANSLATE_NOOP("Accessibility", "start population yo up"),
        QT_TRANSLATE_NOOP("Accessibility", "raise the population at t = 0 by 1") },
    { "Ckp:3", QT_TRANSLATE_NOOP("Accessibility", "death factor d up"),
        QT_TRANSLATE_NOOP("Accessibility", "raise the death factor d by 0.1, up to 1") },
    { "Label9:0", QT_TRANSLATE_NOOP("Accessibility", "reset birth factor k"),
        QT_TRANSLATE_NOOP("Accessibility", "set the birth factor k to 0") },
    { "Label9:1", QT_TRANSLATE_NOOP("Accessibility", "reset immigration rate w"),
        QT_TRANSLATE_NOOP("Accessibility", "set the immigration rate w to 0") },
    { "Label9:2", QT_TRANSLATE_NOOP("Accessibility", "reset start population yo"),
        QT_TRANSLATE_NOOP("Accessibility", "set the population at t = 0 to 10") },
    { "Label9:3", QT_TRANSLATE_NOOP("Accessibility", "reset death factor d"),
        QT_TRANSLATE_NOOP("Accessibility", "set the death factor d to 0") },
    { "ComF", QT_TRANSLATE_NOOP("Accessibility", "birth factor ln(phi)"),
        QT_TRANSLATE_NOOP(
            "Accessibility", "set the birth factor k to ln(phi) and the immigration rate to 0") },
    { "CEx:0", QT_TRANSLATE_NOOP("Accessibility", "example 1"),
        QT_TRANSLATE_NOOP(
            "Accessibility", "k = 0, w = 0, yo = 20, d = 0.5: the population dies out") },
    { "CEx:1", QT_TRANSLATE_NOOP("Accessibility", "example 2"),
        QT_TRANSLATE_NOOP(
            "Accessibility", "k = 0, w = 30, yo = 0, d = 0.5: the population grows towards 15") },
    { "CEx:2", QT_TRANSLATE_NOOP("Accessibility", "example 3"),
        QT_TRANSLATE_NOOP("Accessibility", "k = 0.4, w = 5, yo = 10, d = 0.4: linear growth") },
    { "CEx:3", QT_TRANSLATE_NOOP("Accessibility", "example 4"),
        QT_TRANSLATE_NOOP(
            "Accessibility", "k = 0.4, w = 0, yo = 10, d = 0.1: exponential growth") },
    { "Crot1:0", QT_TRANSLATE_NOOP("Accessibility", "turn angle down"),
        QT_TRANSLATE_NOOP("Accessibility", "turn the figures 5 degrees about the vertical axis") },
    { "Crot1:1", QT_TRANSLATE_NOOP("Accessibility", "turn angle up"),
        QT_TRANSLATE_NOOP("Accessibility", "turn the figures 5 degrees the other way") },
    { "Crot2:0", QT_TRANSLATE_NOOP("Accessibility", "tilt angle down"),
        QT_TRANSLATE_NOOP(
            "Accessibility", "tilt the figures 5 degrees about the horizontal axis") },
    { "Crot2:1", QT_TRANSLATE_NOOP("Accessibility", "tilt angle up"),
        QT_TRANSLATE_NOOP("Accessibility", "tilt the figures 5 degrees the other way") },
    { "Lh1", QT_TRANSLATE_NOOP("Accessibility", "reset turn angle"),
        QT_TRANSLATE_NOOP("Accessibility", "set the turn angle to 0") },
    { "Lh2", QT_TRANSLATE_NOOP("Accessibility", "reset tilt angle"),
        QT_TRANSLATE_NOOP(
            "Accessibility", "set the tilt angle to 0: look straight down the z axis") },
    { "ChP:0", QT_TRANSLATE_NOOP("Accessibility", "show dodecahedron"),
        QT_TRANSLATE_NOOP("Accessibility", "draw the dodecahedron outside the cube") },
    { "ChP:1", QT_TRANSLATE_NOOP("Accessibility", "show tetrahedron"),
        QT_TRANSLATE_NOOP("Accessibility", "draw the tetrahedron inside the cube") },
    { "ChP:2", QT_TRANSLATE_NOOP("Accessibility", "show octahedron"),
        QT_TRANSLATE_NOOP("Accessibility", "draw the octahedron inside the tetrahedron") },
    { "ChP:3", QT_TRANSLATE_NOOP("Accessibility", "show icosahedron"),
        QT_TRANSLATE_NOOP("Accessibility", "draw the icosahedron inside the cube") },
    { "ComQ:0", QT_TRANSLATE_NOOP("Accessibility", "x of P down"),
        QT_TRANSLATE_NOOP("Accessibility", "move the point P 0.1 to the left, down to -2") },
    { "ComQ:1", QT_TRANSLATE_NOOP("Accessibility", "y0 down"),
        QT_TRANSLATE_NOOP(
            "Accessibility", "lower the curve's value at x = 0 by 0.1, down to 0.2") },
    { "ComZ:0", QT_TRANSLATE_NOOP("Accessibility", "x of P up"),
        QT_TRANSLATE_NOOP("Accessibility", "move the point P 0.1 to the right, up to 4") },
    { "ComZ:1", QT_TRANSLATE_NOOP("Accessibility", "y0 up"),
        QT_TRANSLATE_NOOP("Accessibility", "raise the curve's value at x = 0 by 0.1, up to 2") },
    { "Command3", QT_TRANSLATE_NOOP("Accessibility", "next year"),
        QT_TRANSLATE_NOOP("Accessibility", "advance the population model by one year") },
    { "CM:0", QT_TRANSLATE_NOOP("Accessibility", "birth rate down"),
        QT_TRANSLATE_NOOP("Accessibility", "lower the birth rate") },
    { "CP:0", QT_TRANSLATE_NOOP("Accessibility", "birth rate up"),
        QT_TRANSLATE_NOOP("Accessibility", "raise the birth rate") },
    { "LG:0", QT_TRANSLATE_NOOP("Accessibility", "balance birth rate"),
        QT_TRANSLATE_NOOP(
            "Accessibility", "restore the birth rate that keeps the population constant") },
    { "Optie:0", QT_TRANSLATE_NOOP("Accessibility", "start model 1A"),
        QT_TRANSLATE_NOOP("Accessibility", "start again with model 1A, ages up to 20") },
    { "Optie:1", QT_TRANSLATE_NOOP("Accessibility", "start model 1B"),
        QT_TRANSLATE_NOOP("Accessibility", "start again with model 1B, ages up to 15") },
    { "Optie:2", QT_TRANSLATE_NOOP("Accessibility", "start model 2"),
        QT_TRANSLATE_NOOP("Accessibility", "start again with model 2, ages up to 20") },
    { "Optie:3", QT_TRANSLATE_NOOP("Accessibility", "start model 3"),
        QT_TRANSLATE_NOOP("Accessibility", "start again with model 3, ages up to 20") },
    { "Optie:4", QT_TRANSLATE_NOOP("Accessibility", "start model 4A"),
        QT_TRANSLATE_NOOP("Accessibility", "start again with model 4A, ages up to 20") },
    { "Optie:5", QT_TRANSLATE_NOOP("Accessibility", "start model 4B"),
        QT_TRANSLATE_NOOP("Accessibility", "start again with model 4B, ages up to 15") },
    { "Command4", QT_TRANSLATE_NOOP("Accessibility", "month back"),
        QT_TRANSLATE_NOOP("Accessibility", "show the rabbit pairs one month earlier") },
    { "Command5", QT_TRANSLATE_NOOP("Accessibility", "month forward"),
        QT_TRANSLATE_NOOP("Accessibility", "show the rabbit pairs one month later") },
    { "Cchaos:0", QT_TRANSLATE_NOOP("Accessibility", "fast play"),
        QT_TRANSLATE_NOOP("Accessibility", "50 points every 20 milliseconds") },
    { "Cchaos:1", QT_TRANSLATE_NOOP("Accessibility", "slow play"),
        QT_TRANSLATE_NOOP("Accessibility", "one point a second, with the chosen corner marked") },
    { "Label11:0", QT_TRANSLATE_NOOP("Accessibility", "triangle, k = 1/2"),
        QT_TRANSLATE_NOOP("Accessibility", "chaos game on 3 corners, halfway to the corner") },
    { "Label11:1", QT_TRANSLATE_NOOP("Accessibility", "triangle, k = -1/2"),
        QT_TRANSLATE_NOOP(
            "Accessibility", "chaos game on 3 corners, half the distance past the corner") },
    { "Label11:2", QT_TRANSLATE_NOOP("Accessibility", "hexagon, k = 1/2"),
        QT_TRANSLATE_NOOP("Accessibility", "chaos game on 6 corners, halfway to the corner") },
    { "Label11:3", QT_TRANSLATE_NOOP("Accessibility", "hexagon, k = -1/3"),
        QT_TRANSLATE_NOOP(
            "Accessibility", "chaos game on 6 corners, a third of the distance past the corner") },
    { "Label11:4", QT_TRANSLATE_NOOP("Accessibility", "triangle, k = 0.9"),
        QT_TRANSLATE_NOOP(
            "Accessibility", "chaos game on 3 corners, nine tenths of the distance kept") },
    { "Label11:5", QT_TRANSLATE_NOOP("Accessibility", "pentagon, k = 1 - 1/phi"),
        QT_TRANSLATE_NOOP("Accessibility", "chaos game on 5 corners with the golden factor") },
    { "Label11:6", QT_TRANSLATE_NOOP("Accessibility", "square, k = -0.46"),
        QT_TRANSLATE_NOOP("Accessibility", "chaos game on 4 corners, past the corner") },
    { "Label11:7", QT_TRANSLATE_NOOP("Accessibility", "square, k = 1/2"),
        QT_TRANSLATE_NOOP("Accessibility", "chaos game on 4 corners, halfway to the corner") },
    { "Label11:8", QT_TRANSLATE_NOOP("Accessibility", "12 corners, k = 1/5"),
        QT_TRANSLATE_NOOP(
            "Accessibility", "chaos game on 12 corners, a fifth of the distance kept") },
    { "Com_p1:0", QT_TRANSLATE_NOOP("Accessibility", "leg a down"),
        QT_TRANSLATE_NOOP("Accessibility", "shorten the leg a by 1, down to 10") },
    { "Com_p1:1", QT_TRANSLATE_NOOP("Accessibility", "leg b down"),
        QT_TRANSLATE_NOOP("Accessibility", "shorten the leg b by 1, down to 10") },
    { "Com_p2:0", QT_TRANSLATE_NOOP("Accessibility", "leg a up"),
        QT_TRANSLATE_NOOP("Accessibility", "lengthen the leg a by 1, up to 50") },
    { "Com_p2:1", QT_TRANSLATE_NOOP("Accessibility", "leg b up"),
        QT_TRANSLATE_NOOP("Accessibility", "lengthen the leg b by 1, up to 50") },
    { "L_pyt:0", QT_TRANSLATE_NOOP("Accessibility", "reset leg a"),
        QT_TRANSLATE_NOOP("Accessibility", "set the leg a to 40") },
    { "L_pyt:1", QT_TRANSLATE_NOOP("Accessibility", "reset leg b"),
        QT_TRANSLATE_NOOP("Accessibility", "set the leg b to 30") },
    { "L_pyt:2", QT_TRANSLATE_NOOP("Accessibility", "hypotenuse c"), "", false },
    { "L_pyt:3", QT_TRANSLATE_NOOP("Accessibility", "segment e"), "", false },
    { "C_pyt", QT_TRANSLATE_NOOP("Accessibility", "e = a"),
        QT_TRANSLATE_NOOP(
            "Accessibility", "choose b so that e = a and show the golden construction") },
};

// The menu bar is reached from the keyboard with the Alt key, whatever the style's habit.
class KeyboardMenuStyle final : public QProxyStyle
{
public:
    int styleHint(StyleHint hint, const QStyleOption *option, const QWidget *widget,
        QStyleHintReturn *data) const override
    {
        if (hint == SH_MenuBar_AltKeyNavigation)
            return 1;
        return QProxyStyle::styleHint(hint, option, widget, data);
    }
};

// With a menu open, Left and Right go on along the menu bar through the titles without a menu
// (CHAOS, Pythagoras, Platonic Figures, End) as through the others. The bar highlights such a
// title when the menu before it closes, but the window system then gives the focus back to the
// control that had it, and the next arrow key would move among the controls instead. So until a
// title is chosen, the bar is left or the pointer is used, the menu keys go to the bar.
class MenuBarKeys final : public QObject
{
public:
    explicit MenuBarKeys(QMenuBar &bar)
        : QObject(&bar)
        , bar_(bar)
    {
        QCoreApplication::instance()->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *receiver, QEvent *event) override
    {
        const QEvent::Type type = event->type();
        if (type == QEvent::MouseButtonPress || type == QEvent::WindowDeactivate) {
            along_bar_ = false;
            return false;
        }
        if (type != QEvent::KeyPress && type != QEvent::ShortcutOverride)
            return false;
        const int key = static_cast<QKeyEvent *>(event)->key();
        const bool menu_key = key == Qt::Key_Left || key == Qt::Key_Right || key == Qt::Key_Up
            || key == Qt::Key_Down || key == Qt::Key_Return || key == Qt::Key_Enter
            || key == Qt::Key_Escape || key == Qt::Key_Space;
        const bool sideways = key == Qt::Key_Left || key == Qt::Key_Right;
        auto *widget = qobject_cast<QWidget *>(receiver);
        if (!widget || widget->window() != bar_.window()) {
            auto *menu = qobject_cast<QMenu *>(receiver);
            if (!menu || type != QEvent::KeyPress || !sideways)
                return false;
            // From the extension's menu to the first title or the last one shown.
            if (QToolButton *more = extension(); more && menu == more->menu()) {
                menu->close();
                bar_.setActiveAction(end_title(key == Qt::Key_Left));
                along_bar_ = true;
                return true;
            }
            // In a menu, Left and Right may take the bar to a title without a menu, or to the
            // extension; in a submenu, or on an item that opens one, they are the menu's.
            along_bar_ = true;
            const bool opens = menu->activeAction() && menu->activeAction()->menu();
            return bar_.actions().contains(menu->menuAction()) && !(key == Qt::Key_Right && opens)
                && to_extension(key);
        }
        if (!along_bar_ || QApplication::activePopupWidget() || receiver == &bar_)
            return false;
        if (!bar_.activeAction() || !menu_key) {
            along_bar_ = false;
            return false;
        }
        if (type == QEvent::ShortcutOverride) {
            event->accept();
            return true;
        }
        if (sideways && to_extension(key))
            return true;
        QCoreApplication::sendEvent(&bar_, event);
        if (key != Qt::Key_Left && key != Qt::Key_Right)
            along_bar_ = false;
        return true;
    }

private:
    // The titles that do not fit the bar are in the menu of its extension, "»".
    QToolButton *extension() const
    {
        auto *more = bar_.findChild<QToolButton *>(QStringLiteral("qt_menubar_ext_button"));
        return more && more->isVisible() && more->menu() ? more : nullptr;
    }

    // Whether the bar shows the title: it lays out those of the extension's menu at or beyond
    // the extension's button, where its own keys would highlight them unseen.
    bool shown(QAction *title) const
    {
        const QRect place = bar_.actionGeometry(title);
        const QToolButton *more = extension();
        return place.isValid() && (!more || place.right() < more->x());
    }

    // The last title the bar shows, or the first.
    QAction *end_title(bool last) const
    {
        QList<QAction *> titles = bar_.actions();
        if (last)
            std::reverse(titles.begin(), titles.end());
        for (QAction *title : titles)
            if (title->isVisible() && !title->isSeparator() && shown(title))
                return title;
        return nullptr;
    }

    // Right after the last title shown and Left before the first open the extension's menu,
    // which the bar itself passes by.
    bool to_extension(int key)
    {
        QToolButton *more = extension();
        if (!more || !bar_.activeAction() || bar_.activeAction() != end_title(key == Qt::Key_Right))
            return false;
        if (QWidget *popup = QApplication::activePopupWidget())
            popup->close();
        bar_.setActiveAction(nullptr);
        more->menu()->popup(more->mapToGlobal(QPoint(0, more->height())));
        return true;
    }

    QMenuBar &bar_;
    bool along_bar_ = false; // a menu of the bar was left with Left or Right
};

} // namespace

void MainWindow::use_keyboard_menu_style(QMenuBar *bar)
{
    // Set while the bar is still empty: a style set later is propagated to every menu and
    // re-polishes them all.
    auto *style = new KeyboardMenuStyle;
    style->setParent(bar);
    bar->setStyle(style);
    new MenuBarKeys(*bar);
}

void MainWindow::describe_controls()
{
    auto named = controls();
    for (const Description &d : descriptions) {
        Control *control = named.at(QString::fromLatin1(d.key));
        control->widget().setAccessibleName(QCoreApplication::translate("Accessibility", d.name));
        control->widget().setAccessibleDescription(*d.description
                ? QCoreApplication::translate("Accessibility", d.description)
                : QString());
        if (auto *label = dynamic_cast<Label *>(control))
            label->set_clickable(d.operable);
    }

    // Frames and surfaces are named after what they hold.
    for (const auto &[key, control] : named) {
        if (dynamic_cast<Frame *>(control))
            control->widget().setAccessibleName(control->caption().simplified());
    }
    form_.Frame6->setAccessibleName(
        QCoreApplication::translate("Accessibility", "Exponential function"));
    form_.Picture1->setAccessibleName(QCoreApplication::translate("Accessibility", "drawing"));
    form_.Picture1->setAccessibleDescription(QCoreApplication::translate(
        "Accessibility", "the construction, graph or table of the topic"));
    form_.Picture2->setAccessibleName(QCoreApplication::translate("Accessibility", "explanation"));
    form_.Label2->setAccessibleName(
        QCoreApplication::translate("Accessibility", "coordinates under the pointer"));

    // Within each container, Tab goes row by row from the top, left to right in a row.
    std::map<QWidget *, std::vector<QWidget *>> focusable;
    for (const auto &[key, control] : named) {
        QWidget &w = control->widget();
        if (w.focusPolicy() & Qt::TabFocus)
            focusable[w.parentWidget()].push_back(&w);
    }
    for (auto &[container, widgets] : focusable) {
        std::sort(widgets.begin(), widgets.end(), [](QWidget *a, QWidget *b) {
            return std::pair(a->y(), a->x()) < std::pair(b->y(), b->x());
        });
        for (std::size_t i = 1; i < widgets.size(); ++i)
            setTabOrder(widgets[i - 1], widgets[i]);
    }
}
