#include "platonic/platonic_model.h"

#include <algorithm>
#include <cmath>
#include <set>

namespace platonic {

PointTable solid_vertices(double phi)
{
    const double exact_a = 5 / phi;
    const float a = float(exact_a);
    const float b = float(exact_a + 5);
    PointTable p;
    p[-3] = { 7, 0, 0 };
    p[-2] = { 0, 7, 0 };
    p[-1] = { 0, 0, 11 };
    p[0] = { 0, 0, 0 };

    p[1] = { -5, -5, -5 };
    p[2] = { 5, -5, -5 };
    p[3] = { 5, 5, -5 };
    p[4] = { -5, 5, -5 };
    p[5] = { -5, -5, 5 };
    p[6] = { 5, -5, 5 };
    p[7] = { 5, 5, 5 };
    p[8] = { -5, 5, 5 };

    p[9] = { a, 0, b };
    p[10] = { -a, 0, b };
    p[11] = { 0, b, a };
    p[12] = { 0, -b, a };
    p[13] = { b, a, 0 };
    p[14] = { b, -a, 0 };
    p[15] = { -b, a, 0 };
    p[16] = { -b, -a, 0 };
    p[17] = { 0, b, -a };
    p[18] = { a, 0, -b };
    p[19] = { -a, 0, -b };
    p[20] = { 0, -b, -a };

    // The centres of the cube's faces.
    p[21] = { 5, 0, 0 };
    p[22] = { 0, 5, 0 };
    p[23] = { -5, 0, 0 };
    p[24] = { 0, -5, 0 };
    p[25] = { 0, 0, 5 };
    p[26] = { 0, 0, -5 };

    p[27] = { a, 0, 5 };
    p[28] = { -a, 0, 5 };
    p[29] = { a, 0, -5 };
    p[30] = { -a, 0, -5 };
    p[31] = { 5, a, 0 };
    p[32] = { 5, -a, 0 };
    p[33] = { -5, a, 0 };
    p[34] = { -5, -a, 0 };
    p[35] = { 0, 5, a };
    p[36] = { 0, 5, -a };
    p[37] = { 0, -5, a };
    p[38] = { 0, -5, -a };
    return p;
}

Rotation rotation_setup(float turn_angle, float tilt_angle, float pi)
{
    const float per_degree = pi / 180;
    const float turn = per_degree * turn_angle;
    const float tilt = per_degree * tilt_angle;
    return { std::cos(double(turn)), std::sin(double(turn)), std::cos(double(tilt)),
        std::sin(double(tilt)) };
}

Rotated rotate_point(double x, double y, double z, const Rotation &r)
{
    const double turned_x = r.cos_turn * x - r.sin_turn * y;
    const double turned_y = r.sin_turn * x + r.cos_turn * y;
    return { turned_x, r.cos_tilt * turned_y + r.sin_tilt * z,
        r.cos_tilt * z - r.sin_tilt * turned_y };
}

Point rotate_point(const Point &point, const Rotation &rotation)
{
    const Rotated v = rotate_point(point.x, point.y, point.z, rotation);
    return { float(v.X), float(v.Y), float(v.Z) };
}

const std::vector<Chain> &cube_chains()
{
    static const std::vector<Chain> chains = { { 1, 2, 3, 4 }, { 5, 6, 7, 8 }, { 1, 5 }, { 2, 6 },
        { 3, 7 }, { 4, 8 } };
    return chains;
}

const std::vector<Chain> &dodecahedron_chains()
{
    static const std::vector<Chain> chains = { { 7, 9, 10, 8, 11 }, { 3, 18, 19, 4, 17 },
        { 9, 10, 5, 12, 6 }, { 19, 18, 2, 20, 1 }, { 17, 11, 8, 15, 4 }, { 2, 20, 12, 6, 14 },
        { 13, 14, 2, 18, 3 }, { 16, 15, 8, 10, 5 }, { 16, 1 }, { 7, 13 } };
    return chains;
}

const std::vector<Chain> &tetrahedron_chains()
{
    static const std::vector<Chain> chains = { { 6, 8, 3 }, { 6, 8, 1 }, { 1, 3 } };
    return chains;
}

const std::vector<Chain> &octahedron_chains()
{
    static const std::vector<Chain> chains = { { 21, 22, 23, 24 }, { 21, 22, 25 }, { 23, 24, 25 },
        { 23, 24, 26 }, { 22, 21, 26 } };
    return chains;
}

const std::vector<Chain> &icosahedron_chains()
{
    static const std::vector<Chain> chains = { { 27, 28, 35 }, { 27, 28, 37 }, { 29, 30, 36 },
        { 29, 30, 38 }, { 31, 35, 27 }, { 27, 37, 32 }, { 31, 32, 29 }, { 36, 35, 33 }, { 31, 36 },
        { 34, 33, 28 }, { 34, 33, 30 }, { 37, 38, 34 }, { 38, 32 } };
    return chains;
}

const std::vector<Chain> &dodecahedron_distance_chains()
{
    static const std::vector<Chain> chains = { { 9, 27 }, { 10, 28 }, { 27, 28 } };
    return chains;
}

std::vector<Edge> edges_in_order(const std::vector<Chain> &chains)
{
    std::vector<Edge> edges;
    for (const Chain &chain : chains) {
        if (chain.size() == 2) {
            edges.emplace_back(chain[0], chain[1]);
            continue;
        }
        for (std::size_t i = 0; i < chain.size(); ++i)
            edges.emplace_back(chain[i], chain[(i + 1) % chain.size()]);
    }
    return edges;
}

int distinct_edge_count(const std::vector<Chain> &chains)
{
    std::set<Edge> distinct;
    for (const auto &[p, q] : edges_in_order(chains))
        distinct.emplace(std::min(p, q), std::max(p, q));
    return int(distinct.size());
}

Nearest nearest_point(const PointTable &view, float x, float y)
{
    Nearest nearest;
    for (int n = searched_first; n <= searched_last; ++n) {
        const double dx = view[n].x - x;
        const double dy = view[n].y - y;
        const double d = std::sqrt(dx * dx + dy * dy);
        if (d < nearest.distance)
            nearest = { n, d };
    }
    return nearest;
}

} // namespace platonic
