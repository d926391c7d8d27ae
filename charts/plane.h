#pragma once

#include <array>

namespace orbalis {

// Plane geometry of the charts, in a unit square: x to the right, y down,
// (0, 0) the chart's top left corner and (1, 1) its bottom right.
struct Point {
    double x = 0.0;
    double y = 0.0;
};

struct Rect {
    double left = 0.0;
    double top = 0.0;
    double right = 0.0;
    double bottom = 0.0;

    double width() const { return right - left; }
    double height() const { return bottom - top; }
    bool intersects(const Rect& other) const {
        return left < other.right && other.left < right && top < other.bottom && other.top < bottom;
    }
    Rect grown(double by) const { return {left - by, top - by, right + by, bottom + by}; }
};

struct Segment {
    Point from;
    Point to;
};

// A convex polygon; its corners in order round the edge.
struct Polygon {
    static constexpr int kMaxCorners = 12;
    std::array<Point, kMaxCorners> corners{};
    int count = 0;

    bool empty() const { return count < 3; }
    Rect bounds() const;
    Point centroid() const;
    // Inside or on the edge, within a tolerance far below a pixel.
    bool contains(Point p) const;
    bool contains(const Rect& r) const;
    // The x range of the horizontal line at y; false when it misses.
    bool rowAt(double y, double& left, double& right) const;
    // The polygon less everything where dot(p - origin, normal) < offset.
    Polygon keepingSide(Point origin, Point normal, double offset) const;
    // Every edge moved inwards by `margin`.
    Polygon shrunk(double margin) const;
};

Polygon MakePolygon(std::initializer_list<Point> corners);

}  // namespace orbalis
