#include "charts/plane.h"

#include <algorithm>
#include <cassert>
#include <cmath>

namespace orbalis {

namespace {

constexpr double kTolerance = 1e-9;

double Cross(Point o, Point a, Point b) {
    return (a.x - o.x) * (b.y - o.y) - (a.y - o.y) * (b.x - o.x);
}

}  // namespace

Polygon MakePolygon(std::initializer_list<Point> corners) {
    assert(corners.size() <= Polygon::kMaxCorners);
    Polygon polygon;
    for (Point p : corners) polygon.corners[polygon.count++] = p;
    return polygon;
}

Rect Polygon::bounds() const {
    if (count == 0) return {};
    Rect r{corners[0].x, corners[0].y, corners[0].x, corners[0].y};
    for (int i = 1; i < count; ++i) {
        r.left = std::min(r.left, corners[i].x);
        r.right = std::max(r.right, corners[i].x);
        r.top = std::min(r.top, corners[i].y);
        r.bottom = std::max(r.bottom, corners[i].y);
    }
    return r;
}

Point Polygon::centroid() const {
    // The area-weighted centre: the plain average of the corners would pull
    // towards wherever the corners crowd.
    double area = 0.0;
    Point c;
    for (int i = 0; i < count; ++i) {
        const Point a = corners[i];
        const Point b = corners[(i + 1) % count];
        const double w = a.x * b.y - b.x * a.y;
        area += w;
        c.x += (a.x + b.x) * w;
        c.y += (a.y + b.y) * w;
    }
    if (std::abs(area) < kTolerance) return corners[0];
    return {c.x / (3.0 * area), c.y / (3.0 * area)};
}

bool Polygon::contains(Point p) const {
    if (empty()) return false;
    // Inside a convex polygon the point lies on the same side of every edge.
    bool anyNegative = false;
    bool anyPositive = false;
    for (int i = 0; i < count; ++i) {
        const Point a = corners[i];
        const Point b = corners[(i + 1) % count];
        const double length = std::hypot(b.x - a.x, b.y - a.y);
        if (length < kTolerance) continue;
        const double side = Cross(a, b, p) / length;
        if (side < -kTolerance) anyNegative = true;
        if (side > kTolerance) anyPositive = true;
    }
    return !(anyNegative && anyPositive);
}

bool Polygon::contains(const Rect& r) const {
    return contains(Point{r.left, r.top}) && contains(Point{r.right, r.top}) &&
           contains(Point{r.left, r.bottom}) && contains(Point{r.right, r.bottom});
}

bool Polygon::rowAt(double y, double& left, double& right) const {
    bool found = false;
    for (int i = 0; i < count; ++i) {
        const Point a = corners[i];
        const Point b = corners[(i + 1) % count];
        if (y < std::min(a.y, b.y) - kTolerance || y > std::max(a.y, b.y) + kTolerance) continue;
        double x0;
        double x1;
        if (std::abs(b.y - a.y) < kTolerance) {
            x0 = std::min(a.x, b.x);
            x1 = std::max(a.x, b.x);
        } else {
            const double t = std::clamp((y - a.y) / (b.y - a.y), 0.0, 1.0);
            x0 = x1 = a.x + t * (b.x - a.x);
        }
        if (!found) {
            left = x0;
            right = x1;
            found = true;
        } else {
            left = std::min(left, x0);
            right = std::max(right, x1);
        }
    }
    return found;
}

Polygon Polygon::keepingSide(Point origin, Point normal, double offset) const {
    auto value = [&](Point p) {
        return (p.x - origin.x) * normal.x + (p.y - origin.y) * normal.y - offset;
    };
    Polygon kept;
    for (int i = 0; i < count; ++i) {
        const Point a = corners[i];
        const Point b = corners[(i + 1) % count];
        const double va = value(a);
        const double vb = value(b);
        if (va >= 0.0 && kept.count < kMaxCorners) kept.corners[kept.count++] = a;
        if ((va >= 0.0) != (vb >= 0.0) && kept.count < kMaxCorners) {
            const double t = va / (va - vb);
            kept.corners[kept.count++] = {a.x + t * (b.x - a.x), a.y + t * (b.y - a.y)};
        }
    }
    return kept;
}

Polygon Polygon::shrunk(double margin) const {
    if (empty()) return *this;
    // Which way is inwards depends on the order of the corners.
    double area = 0.0;
    for (int i = 0; i < count; ++i) {
        const Point a = corners[i];
        const Point b = corners[(i + 1) % count];
        area += a.x * b.y - b.x * a.y;
    }
    const double turn = area > 0.0 ? 1.0 : -1.0;
    Polygon result = *this;
    for (int i = 0; i < count; ++i) {
        const Point a = corners[i];
        const Point b = corners[(i + 1) % count];
        const double length = std::hypot(b.x - a.x, b.y - a.y);
        if (length < kTolerance) continue;
        const Point inward{-(b.y - a.y) / length * turn, (b.x - a.x) / length * turn};
        result = result.keepingSide(a, inward, margin);
    }
    return result;
}

}  // namespace orbalis
