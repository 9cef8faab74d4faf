#pragma once

#include "surface.h"

#include <QString>

#include <initializer_list>
#include <utility>

// The shared drawing procedures of every topic: graph frame, styled lines, point markers, texts
// on the drawing surface, the side panel and the window background, and the cartoon rabbit.
// Holds the graph bounds that the graph topics set and the point marker reads.
class Plotter
{
public:
    Plotter(Surface &picture1, Surface &picture2, Surface &form1, float pi);

    // Graph bounds, singles; each graph topic sets them before it draws its graph frame.
    float x_min = 0, x_max = 0, y_min = 0, y_max = 0;
    void set_bounds(float x_min, float x_max, float y_min, float y_max);

    // Clears the drawing surface (keeping its scale) and draws both axes in light grey.
    void teken_assen(double x_min, double x_max, double y_min, double y_max);
    // Scales the drawing surface with a 3 % margin, draws axes, ticks, labels, a dot grid and the
    // axis names.
    void graph_frame(double x_min, double x_max, double y_min, double y_max,
        const QString &axis_name, double y_spacing, double x_spacing);
    // The graph frame of the current graph bounds.
    void graph_frame(const QString &axis_name, double y_spacing, double x_spacing);
    // A line in a palette colour with a draw style; style 8 is a solid line 3 pixels wide.
    void styled_line(double x1, double y1, double x2, double y2, int colour, int style);
    // A small circle sized from the graph bounds, with a blank and the label at its centre.
    void point_marker(double x, double y, const QString &label, int colour);
    void print_at(double x, double y, const QString &text);
    void print_on_side_panel(int x, int y, const QString &text);
    // Lines of the side panel at one x: each its y and its text, printed in this order.
    void print_on_side_panel(int x, std::initializer_list<std::pair<int, QString>> lines);
    void print_on_form(double x, double y, const QString &text);
    // A cartoon rabbit on the window background, the centre of its head at (x, y) in twips.
    void draw_rabbit(double x, double y, double size);

    Surface &Picture1;
    Surface &Picture2;
    Surface &Form1;
    // How the window's language writes the axes' numbers.
    QChar decimal_separator = u'.';

private:
    float pi_;
};

// The coordinate read-out under the drawing surface for a pointer at user point (x, y), its
// numbers written with the language's decimal separator.
QString readout_caption(int topic, float x, float y, QChar separator = u'.');
