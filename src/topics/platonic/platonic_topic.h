#pragma once

#include "form1.h"
#include "platonic/platonic_model.h"
#include "topic.h"

#include <QCoreApplication>

// The five Platonic figures as wire frames around one cube, seen after a turn and a tilt that the
// user changes; a click on the drawing reports the model coordinates of the nearest point.
class PlatonicTopic final : public Topic
{
    Q_DECLARE_TR_FUNCTIONS(PlatonicTopic)

public:
    explicit PlatonicTopic(Form1 &form);
    void draw() override { draw_platonic(); }
    QString description() const override;
    void Picture1_Click() override;
    void connect_controls() override;

    // Fills the model point table; called once by start-up.
    void fill_solid_vertices();

    // The view angles in degrees, unbounded: no wrap at 360 or 0.
    float turn_angle = 220;
    float tilt_angle = 70;

private:
    void draw_platonic();
    void rotation_setup();
    void rotate_point(int index); // from the model table into the view table
    void draw_solid_axes();
    void draw_edge(int p, int q, int kleur);
    void draw_triangle(int p1, int p2, int p3, int kleur);
    void draw_quad(int p1, int p2, int p3, int p4, int kleur);
    void draw_pentagon(int p1, int p2, int p3, int p4, int p5, int kleur);
    void draw_chains(const std::vector<platonic::Chain> &chains, int kleur);
    void mark_points(int first, int last); // p-labelled markers in black
    void kubus(int kleur);
    void dodeca(int kleur);
    void tetraeder(int kleur);
    void octaeder(int kleur);
    void icosaeder(int kleur);

    void Crot1_Click(int index); // turn 5 degrees back or on
    void Crot2_Click(int index); // tilt 5 degrees back or on
    void Lh1_Click(); // turn back to 0
    void Lh2_Click(); // tilt back to 0
    void ChP_Click(int index); // a solid switched on or off

    Form1 &form;
    platonic::PointTable solid_vertices;
    platonic::PointTable view_vertices;
    platonic::Rotation rotation;
};
