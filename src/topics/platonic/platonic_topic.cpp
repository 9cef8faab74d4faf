#include "platonic/platonic_topic.h"

#include "numtext.h"
#include "palette.h"

#include <QAbstractButton>
#include <QStringList>

PlatonicTopic::PlatonicTopic(Form1 &form)
    : form(form)
{ }

void PlatonicTopic::connect_controls()
{
    form.Crot1.on_click([this](int i) { Crot1_Click(i); });
    form.Crot2.on_click([this](int i) { Crot2_Click(i); });
    QObject::connect(form.Lh1, &Label::clicked, [this] { Lh1_Click(); });
    QObject::connect(form.Lh2, &Label::clicked, [this] { Lh2_Click(); });
    // A check box has toggled itself when it reports the click.
    form.ChP.on_click([this](int i) { ChP_Click(i); });
}

void PlatonicTopic::fill_solid_vertices() { solid_vertices = platonic::solid_vertices(form.phi); }

void PlatonicTopic::rotation_setup()
{
    rotation = platonic::rotation_setup(turn_angle, tilt_angle, form.pi);
}

void PlatonicTopic::rotate_point(int index)
{
    view_vertices[index] = platonic::rotate_point(solid_vertices[index], rotation);
}

void PlatonicTopic::draw_platonic()
{
    Plotter &plot = *form.plot;
    Surface &picture = form.Picture1->surface();

    // 1. The side panel.
    plot.print_on_side_panel(3,
        {
            { 5, tr("Plato (about 427 - 347 BC), Greek philosopher,") },
            { 10, tr("gave the figures his name; his pupil was Aristotle") },
            { 20, tr("There are only five platonic figures") },
            { 25, tr("Given is a cube with lenght L = 10") },
            { 35, tr("The dodecaëder constructed outside the cube has") },
            { 40, tr("a lenght  Ld = L / phi") },
            { 50, tr("The icosaëder constructed inside the cube has") },
            { 55, tr("a lenght  Li = L / phi") },
            { 65, tr("The tetraëder constructed inside de cube has a") },
            { 70, tr("length Lt = sqrt(2). L") },
            { 80, tr("The octaëder is constructed inside de tetraëder") },
        });

    // 2. The angles.
    form.Lh1->set_caption(form.single_text(turn_angle));
    form.Lh2->set_caption(form.single_text(tilt_angle));

    // 3. A square view of -10 .. 10 both ways, y upwards.
    plot.set_bounds(-10, 10, -10, 10);
    picture.Cls();
    picture.Scale(plot.x_min, plot.y_max, plot.x_max, plot.y_min);

    // 4.
    draw_solid_axes();

    // 5.
    plot.print_at(3, 9.5, tr("THE PLATONIC FIGURES"));
    plot.print_at(-9, -9, tr("More figures in another program by the same maker"));
    plot.print_at(6, -9, tr("click for coördinates"));

    // 6.
    for (int n = 1; n <= 38; ++n)
        rotate_point(n);

    // 7. The cube edge through (0, 5, 5) is labelled just above its middle.
    const platonic::Rotated label = platonic::rotate_point(0, 5, 5.6, rotation);
    plot.print_at(label.X, label.Y, QStringLiteral("L"));

    // 8, 9. The cube.
    mark_points(1, 8);
    kubus(8);

    // 10. The chosen solids; the icosahedron comes last and lies on top.
    if (form.ChP[0].value() == 1)
        dodeca(9);
    if (form.ChP[1].value() == 1)
        tetraeder(12);
    if (form.ChP[2].value() == 1)
        octaeder(10);
    if (form.ChP[3].value() == 1)
        icosaeder(13);
}

void PlatonicTopic::draw_solid_axes()
{
    Surface &picture = form.Picture1->surface();
    rotation_setup();
    for (int n : { -3, -2, -1, 0 })
        rotate_point(n);
    form.plot->point_marker(view_vertices[0].x, view_vertices[0].y, QStringLiteral("o"), 0);
    // Each axis name is printed where its line ends.
    draw_edge(0, -3, 11);
    picture.Print(QStringLiteral("x"));
    draw_edge(0, -2, 11);
    picture.Print(QStringLiteral("y"));
    draw_edge(0, -1, 11);
    picture.Print(QStringLiteral("z"));
}

void PlatonicTopic::draw_edge(int p, int q, int kleur)
{
    const platonic::Point &from = view_vertices[p];
    const platonic::Point &to = view_vertices[q];
    form.Picture1->surface().Line(from.x, from.y, to.x, to.y, QBColor(kleur));
}

void PlatonicTopic::draw_triangle(int p1, int p2, int p3, int kleur)
{
    draw_edge(p1, p2, kleur);
    draw_edge(p2, p3, kleur);
    draw_edge(p3, p1, kleur);
}

void PlatonicTopic::draw_quad(int p1, int p2, int p3, int p4, int kleur)
{
    draw_edge(p1, p2, kleur);
    draw_edge(p2, p3, kleur);
    draw_edge(p3, p4, kleur);
    draw_edge(p4, p1, kleur);
}

void PlatonicTopic::draw_pentagon(int p1, int p2, int p3, int p4, int p5, int kleur)
{
    draw_edge(p1, p2, kleur);
    draw_edge(p2, p3, kleur);
    draw_edge(p3, p4, kleur);
    draw_edge(p4, p5, kleur);
    draw_edge(p5, p1, kleur);
}

void PlatonicTopic::draw_chains(const std::vector<platonic::Chain> &chains, int kleur)
{
    for (const platonic::Chain &c : chains) {
        switch (c.size()) {
        case 2:
            draw_edge(c[0], c[1], kleur);
            break;
        case 3:
            draw_triangle(c[0], c[1], c[2], kleur);
            break;
        case 4:
            draw_quad(c[0], c[1], c[2], c[3], kleur);
            break;
        case 5:
            draw_pentagon(c[0], c[1], c[2], c[3], c[4], kleur);
            break;
        default:
            break;
        }
    }
}

void PlatonicTopic::mark_points(int first, int last)
{
    for (int n = first; n <= last; ++n)
        form.plot->point_marker(
            view_vertices[n].x, view_vertices[n].y, QStringLiteral("p") + QString::number(n), 0);
}

void PlatonicTopic::kubus(int kleur)
{
    Surface &picture = form.Picture1->surface();
    picture.DrawStyle = 2;
    draw_chains(platonic::cube_chains(), kleur);
    picture.DrawStyle = 0;
}

void PlatonicTopic::dodeca(int kleur)
{
    mark_points(9, 20);
    draw_chains(platonic::dodecahedron_chains(), kleur);
    // In cyan whatever the solid's colour: p27 lies half an edge Ld below p9.
    draw_chains(platonic::dodecahedron_distance_chains(), 3);
    form.plot->print_at(-9, 7, tr("Distance p27,p9 = Ld / 2"));
}

void PlatonicTopic::tetraeder(int kleur) { draw_chains(platonic::tetrahedron_chains(), kleur); }

void PlatonicTopic::octaeder(int kleur)
{
    mark_points(21, 26);
    draw_chains(platonic::octahedron_chains(), kleur);
}

void PlatonicTopic::icosaeder(int kleur)
{
    mark_points(27, 38);
    draw_chains(platonic::icosahedron_chains(), kleur);
}

void PlatonicTopic::Crot1_Click(int index)
{
    if (index == 0)
        turn_angle = turn_angle - 5;
    else if (index == 1)
        turn_angle = turn_angle + 5;
    draw_platonic();
}

void PlatonicTopic::Crot2_Click(int index)
{
    if (index == 0)
        tilt_angle = tilt_angle - 5;
    else if (index == 1)
        tilt_angle = tilt_angle + 5;
    draw_platonic();
}

void PlatonicTopic::Lh1_Click()
{
    turn_angle = 0;
    draw_platonic();
}

void PlatonicTopic::Lh2_Click()
{
    tilt_angle = 0;
    draw_platonic();
}

void PlatonicTopic::ChP_Click(int) { draw_platonic(); }

void PlatonicTopic::Picture1_Click()
{
    const platonic::Nearest nearest =
        platonic::nearest_point(view_vertices, form.mouse_x, form.mouse_y);
    if (nearest.distance >= platonic::found_within)
        return;
    const platonic::Point &screen = view_vertices[nearest.index];
    form.Picture1->surface().Circle(screen.x, screen.y, 0.3, QBColor(12));
    const platonic::Point &model = solid_vertices[nearest.index];
    form.messages->MsgBox(QStringLiteral("x= ") + form.single_text(model.x)
            + QStringLiteral("  y= ") + form.single_text(model.y) + QStringLiteral("  z=")
            + form.single_text(model.z),
        tr("Coördinates p") + QString::number(nearest.index));
}

QString PlatonicTopic::description() const
{
    static const char *const solids[] = { QT_TR_NOOP("the dodecahedron outside the cube"),
        QT_TR_NOOP("the tetrahedron inside it"),
        QT_TR_NOOP("the octahedron inside the tetrahedron"),
        QT_TR_NOOP("the icosahedron inside the cube") };
    QStringList shown { tr("the dotted cube of side 10") };
    for (int i = 0; i < 4; ++i)
        if (form.ChP[i].value() == 1)
            shown << tr(solids[i]);
    const QString last = shown.takeLast();
    const QString listed =
        shown.isEmpty() ? last : shown.join(QStringLiteral(", ")) + tr(" and ") + last;
    return tr("Platonic figures turned %1\u00b0 and tilted %2\u00b0, with the x, y and "
              "z axes: %3%4")
        .arg(form.single_text(turn_angle), form.single_text(tilt_angle), listed,
            shown.isEmpty() ? tr(", no other solid") : QString());
}
