#include "pythagoras/pythagoras_topic.h"

#include "numtext.h"
#include "palette.h"
#include "pythagoras/pythagoras_model.h"

#include <cmath>

PythagorasTopic::PythagorasTopic(Form1 &form)
    : form(form)
{ }

void PythagorasTopic::connect_controls()
{
    form.Com_p1.on_click([this](int i) { Com_p1_Click(i); });
    form.Com_p2.on_click([this](int i) { Com_p2_Click(i); });
    form.L_pyt.on_click([this](int i) { L_pyt_Click(i); });
    QObject::connect(form.C_pyt, &QAbstractButton::clicked, [this] { C_pyt_Click(); });
}

void PythagorasTopic::draw() { draw_pythagoras(); }

void PythagorasTopic::Com_p1_Click(int index)
{
    if (index == 0)
        side_a = pythagoras::step_a(side_a, -1);
    else if (index == 1)
        side_b = pythagoras::step_b(side_b, -1);
    draw_pythagoras();
}

void PythagorasTopic::Com_p2_Click(int index)
{
    if (index == 0)
        side_a = pythagoras::step_a(side_a, +1);
    else if (index == 1)
        side_b = pythagoras::step_b(side_b, +1);
    draw_pythagoras();
}

void PythagorasTopic::L_pyt_Click(int index)
{
    if (index == 0)
        side_a = 40;
    else if (index == 1)
        side_b = 30;
    draw_pythagoras();
}

void PythagorasTopic::C_pyt_Click()
{
    side_b = pythagoras::golden_b(side_a, form.phi);
    golden_request = 1;
    draw_pythagoras();
}

void PythagorasTopic::draw_pythagoras()
{
    Plotter &plot = *form.plot;
    Surface &picture = form.Picture1->surface();
    const float a = side_a, b = side_b;

    // 1, 2. The lengths and their read-outs.
    const pythagoras::Figure fig = pythagoras::figure(a, b);
    side_L = fig.L;
    const float L = side_L, c = fig.c;
    form.L_pyt[0].set_caption(form.format_number(a, u"#0"));
    form.L_pyt[1].set_caption(form.format_number(b, u"#0.00"));
    form.L_pyt[2].set_caption(form.format_number(c, u"#0.00"));

    // 3. A square scale that holds the outer square and the squares on the legs.
    plot.set_bounds(-52, 102, -52, 102);
    picture.Cls();
    picture.Scale(-52, 102, 102, -52);

    // 4 to 7. The outer square AFGH, the squares on b and on a, the dotted rectangle a b.
    picture.Line(0, 0, L, L, QBColor(12), Surface::Box::Outline);
    picture.Line(0, 0, -b, b, QBColor(14), Surface::Box::Filled);
    picture.Line(0, 0, a, -a, QBColor(11), Surface::Box::Filled);
    plot.styled_line(-b, 0, -b, -a, 7, 2);
    plot.styled_line(0, -a, -b, -a, 7, 2);

    // 8. The altitude's foot J on BC and its end K on DE.
    const pythagoras::Point J = fig.J, K = fig.K;
    plot.point_marker(J.x, J.y, QStringLiteral("J"), 5);
    plot.point_marker(K.x, K.y, QStringLiteral("K"), 5);

    // 9. The golden construction once after "e = a": with c = phi a, the circle about B with
    // radius a / phi and the circles about C and about the middle of BD show the golden cut;
    // otherwise the Thales semicircle over BC on the side of A.
    if (golden_request == 1) {
        const QRgb golden = QBColor(13);
        const double mid_x = (a + L) / 2.0, mid_y = a / 2.0;
        picture.Circle(0, b, a, golden);
        picture.Circle(mid_x, mid_y, c / 2.0, golden);
        plot.point_marker(mid_x, mid_y, QString(), 13);
        plot.styled_line(mid_x, mid_y, 0, b, 13, 0);
        picture.Circle(0, -a / 2.0, a / 2.0, golden);
        plot.styled_line(a, 0, -a, -a, 13, 0);
        picture.Circle(a, 0, c, golden);
        picture.Circle(a, 0, a / form.phi, golden);
        plot.point_marker(0, -a / 2.0, QString(), 13);
        plot.styled_line(-a, 0, -a, -a, 13, 0);
    } else {
        picture.Circle(
            a / 2.0, b / 2.0, c / 2.0, QBColor(7), form.pi - fig.theta, 2 * form.pi - fig.theta);
    }
    // 10. The golden construction shows on this one drawing only.
    golden_shown = golden_request == 1;
    golden_request = 0;

    // 11, 12. The altitude line through A to the far corner of the dotted rectangle, and on to K.
    plot.styled_line(J.x, J.y, -b, -a, 7, 2);
    plot.styled_line(J.x, J.y, K.x, K.y, 0, 2);

    // 13. d = BJ and e = CJ, written above the middles of the two parts of the hypotenuse.
    const double cos_t = std::cos(double(fig.theta)), sin_t = std::sin(double(fig.theta));
    plot.print_at(a - a * cos_t * cos_t / 2, a * cos_t * sin_t / 2 + 4, QStringLiteral("d"));
    plot.print_at(
        (a - a * cos_t * cos_t) / 2, (b + a * cos_t * sin_t) / 2 + 4, QStringLiteral("e"));

    // 14. The corners A to H.
    const struct
    {
        const char *name;
        double x, y;
    } corners[] = { { "A", 0, 0 }, { "B", a, 0 }, { "C", 0, b }, { "D", L, a }, { "E", b, L },
        { "F", L, 0 }, { "G", L, L }, { "H", 0, L } };
    for (const auto &p : corners)
        plot.point_marker(p.x, p.y, QString::fromLatin1(p.name), 9);

    // 15, 16. The square CBDE on the hypotenuse and the triangle ABC, thick.
    plot.styled_line(a, 0, L, a, 0, 0);
    plot.styled_line(b, L, L, a, 0, 0);
    plot.styled_line(0, b, b, L, 0, 0);
    plot.styled_line(0, 0, a, 0, 3, 8);
    plot.styled_line(0, 0, 0, b, 3, 8);
    plot.styled_line(a, 0, 0, b, 3, 8);

    // 17, 18. The two rectangles of CBDE and the theorem in its middle.
    plot.print_at(K.x / 2, (K.y + b) / 2 + 1, QStringLiteral("b²"));
    plot.print_at((J.x + L) / 2, (J.y + a) / 2 + 1, QStringLiteral("a²"));
    plot.print_at(L / 2 - 6, (a + b) / 2 + 1,
        QStringLiteral("c² = a² + b² = ") + form.format_number(fig.s, u"#0.0"));

    // 19 to 21. The sides and the area of a corner triangle.
    plot.print_at(a + b / 2, a / 2, QStringLiteral("c"));
    plot.print_at(a / 2, 4, QStringLiteral("a"));
    plot.print_at(1, b / 2, QStringLiteral("b"));
    plot.print_at(a / 2 - 2, b / 2, QStringLiteral("c"));
    plot.print_at(a + b / 2, 4, QStringLiteral("b"));
    plot.print_at(1, b + a / 2, QStringLiteral("a"));
    plot.print_at(b + a / 2 - 4, L - 4,
        QStringLiteral("a b / 2 = ") + form.format_number(a * b / 2, u"#0.0"));
    plot.print_at(L + 2, a / 2, QStringLiteral("a"));
    plot.print_at(b + a / 2, L + 4, QStringLiteral("a"));
    plot.print_at(b / 2, L + 4, QStringLiteral("b"));
    plot.print_at(L + 2, a + b / 2, QStringLiteral("b"));

    // 22. The explanation.
    plot.print_on_side_panel(1,
        {
            { 1, tr("Pythagoras of Samos lived from 575 to 500 BC.") },
            { 6, tr("He spent 22 years in Egypt and 12 years in Babylon.") },
            { 16, tr("Given is a rectangular TRIANGLE ABC with a area  a.b / 2") },
            { 21, tr("Make a square AFGH with lenght  L = a + b") },
            { 26, tr("Make a square CBDE with lenght  c") },
            { 36, tr("The area of AFGH is :") },
            { 41, QStringLiteral("L² = ( a + b )² = a² + 2 a b + b² ") },
            { 46, QStringLiteral("a² + b² = ( a + b )² - 4 ( a b / 2 ) ") },
            { 56, tr("The area of CBDE is equal to :  a² + b² = c²") },
        });

    // 23. The areas of the squares on the legs.
    plot.print_at(a / 2 - 5, -a / 2, QStringLiteral("a² = ") + form.format_number(a * a, u"#0"));
    plot.print_at(-b / 2 - 5, b / 2, QStringLiteral("b² = ") + form.format_number(b * b, u"#0.0"));

    // 24. The golden rectangle, and the pyramid of Cheops: half its base 220 and its height 280
    // royal cubits make the legs 22 and 28.
    plot.print_on_side_panel(1,
        {
            { 65, tr("Note :") },
            { 70, tr("Area  BDKJ = d . c = a²") },
            { 75, tr("Area  JKEC = e . c = b²") },
            { 85, tr("If e = a then c = phi * a and the rectange JKEC is a") },
            { 90, tr("golden rectangle.") },
            { 95, tr("Great pyramid of Cheops: try a = 22 and b = 28") },
        });

    // 25. e = b² / c.
    form.L_pyt[3].set_caption(form.format_number(fig.e, u"#0.00"));
}

QString PythagorasTopic::description() const
{
    const pythagoras::Figure fig = pythagoras::figure(side_a, side_b);
    QString text = tr("Pythagoras with the legs a = %1 and b = %2, the hypotenuse c = %3 "
                      "and e = %4: the square on c inside the square of side a + b = "
                      "%5 has the area a\u00b2 + b\u00b2 = %6, the squares on a and b "
                      "beside it")
                       .arg(form.format_number(side_a, u"#0"), form.format_number(side_b, u"#0.00"),
                           form.format_number(fig.c, u"#0.00"), form.format_number(fig.e, u"#0.00"),
                           form.spoken(fig.L, 2), form.format_number(fig.s, u"#0.0"));
    if (golden_shown)
        text += tr("; with the golden construction: e = a, c = phi a, and JKEC is a "
                   "golden rectangle");
    return text;
}
