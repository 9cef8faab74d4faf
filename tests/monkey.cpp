// A random user: from a seed, drives the real window with menu commands, clicks on the visible
// controls, pointer moves and clicks on the drawing surface and timer ticks, and after every
// action checks what must always hold: parameters inside their ranges, no "nan" or "inf" in any
// text, only finite coordinates in the drawing, and only the program's two kinds of message.
//
//     aurelion-monkey [--seed N] [--actions N] [--trace]
//
// A failure prints the seed and the actions that lead to it (in the render tool's syntax) and
// exits with status 1. --trace prints each action before it runs, for a crash that leaves no
// report of its own.

#include "fonts.h"
#include "main_window.h"
#include "message_box.h"
#include "platonic/platonic_topic.h"
#include "random_source.h"
#include "test_window.h"

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QRegularExpression>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <fstream>
#include <limits>
#include <random>
#include <string>
#include <vector>

namespace {

// A parameter read-out: the control that shows it, the text before the number and its range.
struct ReadOut
{
    const char *control;
    const char *prefix;
    double low, high;
};

constexpr double unbounded = std::numeric_limits<double>::infinity();

// "e = a" sets b = a sqrt(phi), at most 50 sqrt(phi) = 63.60 (shown to two decimals).
const ReadOut read_outs[] = {
    { "Label1:10", "", -2, 2 }, // F(0)
    { "Label1:11", "", -2, 2 }, // F(1)
    { "Label5", "i =", -15, 15 }, // the ratio's index
    { "Label10", "month", 0, 12 }, // the rabbits' month
    { "LabQ:0", "", -2, 4 }, // x of P
    { "LabQ:1", "", 0.2, 2 }, // y0
    { "LabQ:2", "", -unbounded, unbounded }, // y of P
    { "Label9:0", "", 0, 1 }, // birth factor k
    { "Label9:1", "", -unbounded, unbounded }, // immigration rate w
    { "Label9:2", "", 0, unbounded }, // start population yo
    { "Label9:3", "", 0, 1 }, // death factor d
    { "LG:0", "", 0, 4 }, // birth rate of the age-class model
    { "L_pyt:0", "", 10, 50 }, // leg a
    { "L_pyt:1", "", 10, 63.61 }, // leg b
    { "L_pyt:2", "", -unbounded, unbounded }, // hypotenuse c
    { "L_pyt:3", "", -unbounded, unbounded }, // e
    { "Lh1", "", -unbounded, unbounded }, // turn angle
    { "Lh2", "", -unbounded, unbounded }, // tilt angle
};

bool shows_non_number(const QString &text)
{
    static const QRegularExpression pattern(
        QStringLiteral("(?<![a-z])-?(nan|inf(inity)?)(?![a-z])|#IN[DF]"),
        QRegularExpression::CaseInsensitiveOption);
    return pattern.match(text).hasMatch();
}

bool finite(double v) { return std::isfinite(v); }

class Monkey
{
public:
    Monkey(std::uint64_t seed, bool trace)
        : seed_(seed)
        , trace_(trace)
        , engine_(seed)
        , test_(seed)
    {
        window_.show();
        QApplication::processEvents();
        for (const auto &[name, action] : window_.menus())
            if (!action->menu() && name != QLatin1String("M_end"))
                menu_names_.push_back(name);
    }

    // Runs the actions; returns false after the first broken invariant, with the report printed.
    bool run(long count)
    {
        if (!check(QStringLiteral("start-up")))
            return false;
        for (long i = 0; i < count; ++i) {
            const QString action = act();
            if (!check(action))
                return false;
            // Paint now and then, so the widgets' painting runs over the states reached.
            if (i % 64 == 0)
                QApplication::processEvents();
        }
        return true;
    }

    const std::vector<QString> &actions() const { return actions_; }

private:
    int pick(int n) { return int(std::uniform_int_distribution<int>(0, n - 1)(engine_)); }
    double uniform() { return std::uniform_real_distribution<double>(0, 1)(engine_); }

    void record(const QString &action)
    {
        actions_.push_back(action);
        if (trace_)
            std::fprintf(stderr, "%zu %s\n", actions_.size(), qPrintable(action));
    }

    // Chooses and performs one action; returns its description.
    QString act()
    {
        // Clicks come now and then in runs on one control, as a user steps a value to its
        // limit; menu commands are rare enough that each topic sees long runs of clicks.
        const int kind = repeats_ > 0 ? 10 : pick(100);
        Form1 &f = window_.form();
        if (kind < 3) {
            const QString &name = menu_names_[std::size_t(pick(int(menu_names_.size())))];
            const QString action = QStringLiteral("menu:") + name;
            record(action);
            window_.menus().at(name)->trigger();
            return action;
        }
        if (kind < 55) {
            std::vector<std::pair<QString, Control *>> clickable;
            for (const auto &[key, control] : window_.controls()) {
                QWidget &w = control->widget();
                if (!w.isVisibleTo(&window_) || !w.isEnabled())
                    continue;
                if (dynamic_cast<Label *>(control) || qobject_cast<QAbstractButton *>(&w))
                    clickable.emplace_back(key, control);
            }
            if (!clickable.empty()) {
                std::size_t chosen = std::size_t(pick(int(clickable.size())));
                if (repeats_ > 0) {
                    --repeats_;
                    const auto same = std::find_if(clickable.begin(), clickable.end(),
                        [this](const auto &c) { return c.first == repeated_; });
                    if (same != clickable.end())
                        chosen = std::size_t(same - clickable.begin());
                    else
                        repeats_ = 0;
                } else if (pick(8) == 0) {
                    repeats_ = 1 + pick(40);
                    repeated_ = clickable[chosen].first;
                }
                const auto &[key, control] = clickable[chosen];
                const QString action = QStringLiteral("click:") + key;
                record(action);
                if (auto *label = dynamic_cast<Label *>(control))
                    label->click();
                else
                    qobject_cast<QAbstractButton *>(&control->widget())->click();
                return action;
            }
        }
        if (kind < 85) {
            // Anywhere on the drawing in its current scale, or right on a point drawn there
            // (where a click on a solid finds its nearest corner).
            const Surface &s = f.Picture1->surface();
            double x = s.scale().left + uniform() * s.scale().width;
            double y = s.scale().top + uniform() * s.scale().height;
            const auto &drawn = s.record();
            if (pick(3) == 0 && !drawn.empty()) {
                const Primitive &p = drawn[std::size_t(pick(int(drawn.size())))];
                if (p.scale.left == s.scale().left && p.scale.width == s.scale().width
                    && p.scale.top == s.scale().top && p.scale.height == s.scale().height) {
                    x = p.x1;
                    y = p.y1;
                }
            }
            const bool press = pick(2) == 0;
            const QString action =
                QStringLiteral("%1:%2,%3")
                    .arg(press ? QStringLiteral("press") : QStringLiteral("move"))
                    .arg(double(float(x)), 0, 'g', 9)
                    .arg(double(float(y)), 0, 'g', 9);
            record(action);
            f.Picture1->move_pointer(float(x), float(y));
            if (press)
                f.Picture1->click();
            return action;
        }
        if (kind < 87) {
            // The window zoomed: every surface is drawn again from what it shows.
            const double zoom =
                ViewMenu::zoom_steps[std::size_t(pick(int(std::size(ViewMenu::zoom_steps))))];
            const QString action = QStringLiteral("zoom:%1").arg(zoom);
            record(action);
            window_.view().set_zoom(zoom);
            return action;
        }
        const int ticks = pick(4) == 0 ? 1 + pick(60) : 1;
        const QString action = QStringLiteral("tick:%1").arg(ticks);
        record(action);
        for (int t = 0; t < ticks; ++t)
            f.Timer1->tick();
        return action;
    }

    bool fail(const QString &after, const QString &what)
    {
        std::fprintf(stderr, "aurelion-monkey: seed %llu: after action %zu (%s): %s\n",
            static_cast<unsigned long long>(seed_), actions_.size(), qPrintable(after),
            qPrintable(what));
        std::fprintf(stderr, "reproduce with: aurelion-monkey --seed %llu --actions %zu\n",
            static_cast<unsigned long long>(seed_), actions_.size());
        const std::size_t shown = 200;
        if (actions_.size() <= shown) {
            std::fprintf(stderr, "actions:");
            for (const QString &a : actions_)
                std::fprintf(stderr, " %s", qPrintable(a));
            std::fprintf(stderr, "\n");
        } else {
            const std::string path = "aurelion-monkey-" + std::to_string(seed_) + ".actions";
            std::ofstream out(path);
            for (const QString &a : actions_)
                out << a.toStdString() << '\n';
            std::fprintf(stderr,
                "all %zu actions, one a line, in %s; the last %zu:", actions_.size(), path.c_str(),
                std::size_t(20));
            for (std::size_t i = actions_.size() - 20; i < actions_.size(); ++i)
                std::fprintf(stderr, " %s", qPrintable(actions_[i]));
            std::fprintf(stderr, "\n");
        }
        return false;
    }

    bool check(const QString &after)
    {
        Form1 &f = window_.form();
        if (f.topic < 0 || f.topic > 16)
            return fail(after, QStringLiteral("topic %1").arg(f.topic));

        const auto controls = window_.controls();
        for (const auto &[key, control] : controls) {
            if (shows_non_number(control->caption()))
                return fail(after, key + QStringLiteral(" shows \"") + control->caption() + '"');
            if (shows_non_number(control->widget().toolTip()))
                return fail(after,
                    key + QStringLiteral(" tool tip \"") + control->widget().toolTip() + '"');
        }
        if (shows_non_number(window_.windowTitle()))
            return fail(after, QStringLiteral("window title ") + window_.windowTitle());

        static const QRegularExpression number(
            QStringLiteral("^\\s*(-?\\d*\\.?\\d+(E[+-]?\\d+)?)\\s*$"));
        for (const ReadOut &r : read_outs) {
            const QString key = QString::fromLatin1(r.control);
            const QString caption = controls.at(key)->caption();
            if (caption.isEmpty())
                continue; // the topic has not been shown yet
            const QString prefix = QString::fromLatin1(r.prefix);
            const auto m = number.match(
                caption.startsWith(prefix) ? caption.mid(prefix.size()) : QStringLiteral("?"));
            bool ok = m.hasMatch();
            const double value = ok ? m.captured(1).toDouble(&ok) : 0;
            if (!ok || !finite(value) || value < r.low - 1e-9 || value > r.high + 1e-9)
                return fail(after,
                    key + QStringLiteral(" reads \"") + caption
                        + QStringLiteral("\", outside %1 .. %2").arg(r.low).arg(r.high));
        }
        if (const auto *solids = dynamic_cast<const PlatonicTopic *>(window_.topic(11));
            !solids || !finite(solids->turn_angle) || !finite(solids->tilt_angle))
            return fail(after, QStringLiteral("the view angles of the solids are not finite"));

        const Surface *surfaces[] = { &f.Picture1->surface(), &f.Picture2->surface(),
            &window_.Form1_surface() };
        for (const Surface *s : surfaces) {
            const UserScale &u = s->scale();
            if (!finite(u.left) || !finite(u.top) || !finite(u.width) || !finite(u.height)
                || u.width == 0 || u.height == 0)
                return fail(after, QStringLiteral("a surface has a degenerate scale"));
            // Only what was drawn since the last check: the serial numbers grow.
            const auto &drawn = s->record();
            for (auto p = drawn.rbegin(); p != drawn.rend() && p->serial > checked_serial_; ++p) {
                const bool ok = finite(p->x1) && finite(p->y1) && finite(p->x2) && finite(p->y2)
                    && finite(p->radius) && finite(p->aspect) && finite(p->start.value_or(0))
                    && finite(p->end.value_or(0));
                if (!ok)
                    return fail(after,
                        QStringLiteral("a primitive with a coordinate that is not finite: "
                                       "(%1, %2) (%3, %4) r %5")
                            .arg(p->x1)
                            .arg(p->y1)
                            .arg(p->x2)
                            .arg(p->y2)
                            .arg(p->radius));
                if (p->op == Primitive::Op::Text && shows_non_number(p->text))
                    return fail(after, QStringLiteral("drawn text \"") + p->text + '"');
            }
        }
        for (const Surface *s : surfaces)
            for (const Primitive &p : s->record())
                checked_serial_ = std::max(checked_serial_, p.serial);

        for (; checked_messages_ < messages_.messages.size(); ++checked_messages_) {
            const auto &m = messages_.messages[checked_messages_];
            const bool end_of_simulation =
                m.text == QLatin1String("End Simul") && m.title.isEmpty();
            const bool coordinates = m.title.startsWith(QStringLiteral("Coördinates p"))
                && m.text.startsWith(QLatin1String("x= "));
            if (!(end_of_simulation || coordinates))
                return fail(after,
                    QStringLiteral("unexpected message \"%1\" titled \"%2\"").arg(m.text, m.title));
            if (shows_non_number(m.text) || shows_non_number(m.title))
                return fail(after, QStringLiteral("message \"%1\"").arg(m.text));
        }
        return true;
    }

    std::uint64_t seed_;
    bool trace_;
    std::mt19937_64 engine_;
    TestWindow test_;
    RecordedMessageBox &messages_ = test_.messages;
    MainWindow &window_ = test_.window;
    std::vector<QString> menu_names_;
    std::vector<QString> actions_;
    std::uint64_t checked_serial_ = 0;
    std::size_t checked_messages_ = 0;
    int repeats_ = 0; // further clicks on the same control
    QString repeated_;
};

} // namespace

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    load_bundled_fonts();

    std::uint64_t seed = 1;
    long count = 20000;
    bool trace = false;
    const QStringList args = QApplication::arguments();
    for (int i = 1; i < args.size(); ++i) {
        bool ok = true;
        if (args[i] == QLatin1String("--seed") && i + 1 < args.size())
            seed = args[++i].toULongLong(&ok);
        else if (args[i] == QLatin1String("--actions") && i + 1 < args.size())
            count = args[++i].toLong(&ok);
        else if (args[i] == QLatin1String("--trace"))
            trace = true;
        else
            ok = false;
        if (!ok || count < 0) {
            std::fprintf(stderr, "usage: aurelion-monkey [--seed N] [--actions N] [--trace]\n");
            return 2;
        }
    }

    Monkey monkey(seed, trace);
    if (!monkey.run(count))
        return 1;
    std::printf("aurelion-monkey: seed %llu: %ld actions, every check held\n",
        static_cast<unsigned long long>(seed), count);
    return 0;
}
