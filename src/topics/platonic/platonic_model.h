#pragma once

#include <array>
#include <cstddef>
#include <utility>
#include <vector>

// The Platonic figures around one cube of side 10 centred at the origin: the point table, the
// view rotation with its parallel projection, the edge chains of the five solids and the search
// for the point nearest to a click.
namespace platonic {

// A point with single-precision coordinates: a model point (x, y, z) or a view point whose x and
// y are the position on the drawing surface and whose z is the depth.
struct Point
{
    float x = 0, y = 0, z = 0;
};

// Points -3 .. 50: the axis ends (-3 .. -1), the origin (0), the cube (1 .. 8), the
// dodecahedron (9 .. 20), the octahedron (21 .. 26) and the icosahedron (27 .. 38); 39 .. 50 stay 0.
class PointTable
{
public:
    static constexpr int first = -3;
    static constexpr int last = 50;

    Point &operator[](int index) { return cells_.at(std::size_t(index - first)); }
    const Point &operator[](int index) const { return cells_.at(std::size_t(index - first)); }

private:
    std::array<Point, last - first + 1> cells_ {};
};

// The model points. With a = 5 / phi and b = 5 + a = 5 phi the twelve points (0, ±a, ±b) and
// their cyclic shifts together with the cube's corners form the dodecahedron of edge 10 / phi;
// (0, ±5, ±a) and their shifts form the icosahedron inside the cube with edge 2a = 10 / phi.
// a and b are formed in double precision and stored as singles.
PointTable solid_vertices(double phi);

// The view: a turn about the vertical z axis, then a tilt about the x axis.
struct Rotation
{
    double cos_turn = 1, sin_turn = 0, cos_tilt = 1, sin_tilt = 0;
};

// The coefficients for angles in degrees. The angle in radians, pi / 180 times the angle, is a
// single, as pi is.
Rotation rotation_setup(float turn_angle, float tilt_angle, float pi);

// A rotated point in double precision: (X, Y) on the drawing surface, Z the depth.
struct Rotated
{
    double X = 0, Y = 0, Z = 0;
};

// (x, y) turned about z:   x' = cos t x - sin t y,  y' = sin t x + cos t y;
// then tilted about x:     X = x',  Y = cos s y' + sin s z,  Z = cos s z - sin s y'.
Rotated rotate_point(double x, double y, double z, const Rotation &rotation);
// The same for a table point, the result stored as singles for the view table.
Point rotate_point(const Point &point, const Rotation &rotation);

// A chain of point indices drawn edge by edge: two points make one edge; three to five points
// make a polygon closed back to its first point.
using Chain = std::vector<int>;
using Edge = std::pair<int, int>;

// The chains of each solid in drawing order. Together they cover every edge of the solid; some
// edges are drawn twice.
const std::vector<Chain> &cube_chains();
const std::vector<Chain> &dodecahedron_chains();
const std::vector<Chain> &tetrahedron_chains();
const std::vector<Chain> &octahedron_chains();
const std::vector<Chain> &icosahedron_chains();
// The lines that come with the dodecahedron and show that p27 lies half a dodecahedron edge
// below p9: p9-p27, p10-p28 and p27-p28.
const std::vector<Chain> &dodecahedron_distance_chains();

// Every edge the chains draw, in drawing order, a polygon closing back to its first point.
std::vector<Edge> edges_in_order(const std::vector<Chain> &chains);
// The number of different edges, whichever way round and however often they are drawn.
int distinct_edge_count(const std::vector<Chain> &chains);

// The point of 0 .. 20 whose view position is nearest to (x, y); the lower index wins a tie.
struct Nearest
{
    int index = 0;
    double distance = 200; // stays 200 when no point is nearer
};
constexpr int searched_first = 0;
constexpr int searched_last = 20;
Nearest nearest_point(const PointTable &view, float x, float y);
// A search found a point when it came nearer than this.
constexpr double found_within = 199;

} // namespace platonic
