// Shapes in design units: a point test and a bounding box. Pictures are drawn
// from shapes rather than pixels, so one drawing serves the 25-pixel tile,
// the larger help picture and every icon size, and turns by quarter turns.
#pragma once

#include <functional>
#include <vector>

namespace trelux::art {

struct Point {
  double x = 0;
  double y = 0;
};

struct Shape {
  std::function<bool(double, double)> inside;
  double left = 0;
  double top = 0;
  double right = 0;
  double bottom = 0;
};

Shape rect(double x, double y, double w, double h);
Shape roundRect(double x, double y, double w, double h, double radius);
Shape ellipse(double cx, double cy, double rx, double ry);
Shape circle(double cx, double cy, double r);
Shape ring(double cx, double cy, double inner, double outer);
// A line of the given width with round ends.
Shape segment(Point a, Point b, double width);
// Any simple or self-crossing polygon, filled by the even-odd rule.
Shape polygon(std::vector<Point> points);

Shape unite(Shape a, Shape b);
Shape intersect(Shape a, Shape b);
Shape subtract(Shape a, Shape b);

}  // namespace trelux::art

namespace trelux::art {

// The same shape moved by (dx, dy) design units.
Shape moved(Shape s, double dx, double dy);

}  // namespace trelux::art
