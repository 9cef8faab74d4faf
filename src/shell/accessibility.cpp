// Keyboard and assistive technology: which labels are clickable, the Tab order within each frame,
// and what each control is called and does, without changing any caption the user sees.

#include "main_window.h"

#include <QCoreApplication>
#include <QMenuBar>
#include <QProxyStyle>

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
    { "Label7", "start values 1 and phi", "F(0) = 1, F(1) = phi: every ratio is phi" },
    { "Label8", "start values 1 and -1/phi", "F(0) = 1, F(1) = -1/phi: every ratio is -1/phi" },
    { "Label1:10", "start values 1 and 1", "F(0) = 1, F(1) = 1: the Fibonacci sequence" },
    { "Label1:11", "start values 1 and 1", "F(0) = 1, F(1) = 1: the Fibonacci sequence" },
    { "ComM:0", "F(0) down", "lower the start value F(0) by 0.2, down to -2" },
    { "ComM:1", "F(1) down", "lower the start value F(1) by 0.2, down to -2" },
    { "ComP:0", "F(0) up", "raise the start value F(0) by 0.2, up to 2" },
    { "ComP:1", "F(1) up", "raise the start value F(1) by 0.2, up to 2" },
    { "Command1", "ratio index down", "show the ratio F(i+1) / F(i) for the index i one lower" },
    { "Command2", "ratio index up", "show the ratio F(i+1) / F(i) for the index i one higher" },
    { "Ckm:0", "birth factor k down", "lower the birth factor k by 0.05, down to 0" },
    { "Ckm:1", "immigration rate w down", "lower the immigration rate w by 1" },
    { "Ckm:2", "start population yo down", "lower the population at t = 0 by 1, down to 0" },
    { "Ckm:3", "death factor d down", "lower the death factor d by 0.1, down to 0" },
    { "Ckp:0", "birth factor k up", "raise the birth factor k by 0.05, up to 1" },
    { "Ckp:1", "immigration rate w up", "raise the immigration rate w by 1" },
    { "Ckp:2", "start population yo up", "raise the population at t = 0 by 1" },
    { "Ckp:3", "death factor d up", "raise the death factor d by 0.1, up to 1" },
    { "Label9:0", "reset birth factor k", "set the birth factor k to 0" },
    { "Label9:1", "reset immigration rate w", "set the immigration rate w to 0" },
    { "Label9:2", "reset start population yo", "set the population at t = 0 to 10" },
    { "Label9:3", "reset death factor d", "set the death factor d to 0" },
    { "ComF", "birth factor ln(phi)",
        "set the birth factor k to ln(phi) and the immigration rate to 0" },
    { "CEx:0", "example 1", "k = 0, w = 0, yo = 20, d = 0.5: the population dies out" },
    { "CEx:1", "example 2", "k = 0, w = 30, yo = 0, d = 0.5: the population grows towards 15" },
    { "CEx:2", "example 3", "k = 0.4, w = 5, yo = 10, d = 0.4: linear growth" },
    { "CEx:3", "example 4", "k = 0.4, w = 0, yo = 10, d = 0.1: exponential growth" },
    { "Crot1:0", "turn angle down", "turn the figures 5 degrees about the vertical axis" },
    { "Crot1:1", "turn angle up", "turn the figures 5 degrees the other way" },
    { "Crot2:0", "tilt angle down", "tilt the figures 5 degrees about the horizontal axis" },
    { "Crot2:1", "tilt angle up", "tilt the figures 5 degrees the other way" },
    { "Lh1", "reset turn angle", "set the turn angle to 0" },
    { "Lh2", "reset tilt angle", "set the tilt angle to 0: look straight down the z axis" },
    { "ChP:0", "show dodecahedron", "draw the dodecahedron outside the cube" },
    { "ChP:1", "show tetrahedron", "draw the tetrahedron inside the cube" },
    { "ChP:2", "show octahedron", "draw the octahedron inside the tetrahedron" },
    { "ChP:3", "show icosahedron", "draw the icosahedron inside the cube" },
    { "ComQ:0", "x of P down", "move the point P 0.1 to the left, down to -2" },
    { "ComQ:1", "y0 down", "lower the curve's value at x = 0 by 0.1, down to 0.2" },
    { "ComZ:0", "x of P up", "move the point P 0.1 to the right, up to 4" },
    { "ComZ:1", "y0 up", "raise the curve's value at x = 0 by 0.1, up to 2" },
    { "Command3", "next year", "advance the population model by one year" },
    { "CM:0", "birth rate down", "lower the birth rate" },
    { "CP:0", "birth rate up", "raise the birth rate" },
    { "LG:0", "balance birth rate", "restore the birth rate that keeps the population constant" },
    { "Optie:0", "start model 1A", "start again with model 1A, ages up to 20" },
    { "Optie:1", "start model 1B", "start again with model 1B, ages up to 15" },
    { "Optie:2", "start model 2", "start again with model 2, ages up to 20" },
    { "Optie:3", "start model 3", "start again with model 3, ages up to 20" },
    { "Optie:4", "start model 4A", "start again with model 4A, ages up to 20" },
    { "Optie:5", "start model 4B", "start again with model 4B, ages up to 15" },
    { "Command4", "month back", "show the rabbit pairs one month earlier" },
    { "Command5", "month forward", "show the rabbit pairs one month later" },
    { "Cchaos:0", "fast play", "50 points every 20 milliseconds" },
    { "Cchaos:1", "slow play", "one point a second, with the chosen corner marked" },
    { "Label11:0", "triangle, k = 1/2", "chaos game on 3 corners, halfway to the corner" },
    { "Label11:1", "triangle, k = -1/2",
        "chaos game on 3 corners, half the distance past the corner" },
    { "Label11:2", "hexagon, k = 1/2", "chaos game on 6 corners, halfway to the corner" },
    { "Label11:3", "hexagon, k = -1/3",
        "chaos game on 6 corners, a third of the distance past the corner" },
    { "Label11:4", "triangle, k = 0.9",
        "chaos game on 3 corners, nine tenths of the distance kept" },
    { "Label11:5", "pentagon, k = 1 - 1/phi", "chaos game on 5 corners with the golden factor" },
    { "Label11:6", "square, k = -0.46", "chaos game on 4 corners, past the corner" },
    { "Label11:7", "square, k = 1/2", "chaos game on 4 corners, halfway to the corner" },
    { "Label11:8", "12 corners, k = 1/5",
        "chaos game on 12 corners, a fifth of the distance kept" },
    { "Com_p1:0", "leg a down", "shorten the leg a by 1, down to 10" },
    { "Com_p1:1", "leg b down", "shorten the leg b by 1, down to 10" },
    { "Com_p2:0", "leg a up", "lengthen the leg a by 1, up to 50" },
    { "Com_p2:1", "leg b up", "lengthen the leg b by 1, up to 50" },
    { "L_pyt:0", "reset leg a", "set the leg a to 40" },
    { "L_pyt:1", "reset leg b", "set the leg b to 30" },
    { "L_pyt:2", "hypotenuse c", "", false },
    { "L_pyt:3", "segment e", "", false },
    { "C_pyt", "e = a", "choose b so that e = a and show the golden construction" },
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

} // namespace

void MainWindow::use_keyboard_menu_style(QMenuBar *bar)
{
    // Set while the bar is still empty: a style set later is propagated to every menu and
    // re-polishes them all.
    auto *style = new KeyboardMenuStyle;
    style->setParent(bar);
    bar->setStyle(style);
}

void MainWindow::describe_controls()
{
    auto named = controls();
    for (const Description &d : descriptions) {
        Control *control = named.at(QString::fromLatin1(d.key));
        control->widget().setAccessibleName(QString::fromLatin1(d.name));
        control->widget().setAccessibleDescription(QString::fromLatin1(d.description));
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
