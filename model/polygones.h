#pragma once

// The material's outlines as Boost.Geometry polygons in the user's frame (x = Z, y = Y), for the
// consistency check and the stresses. Internal to the engine.

#include <boost/geometry.hpp>
#include <boost/geometry/geometries/point_xy.hpp>
#include <boost/geometry/geometries/polygon.hpp>

namespace modele::polygones {

namespace bg = boost::geometry;
using Point = bg::model::d2::point_xy<double>; // x = Z, y = Y
using Polygone = bg::model::polygon<Point>;
using Multi = bg::model::multi_polygon<Polygone>;

} // namespace modele::polygones
