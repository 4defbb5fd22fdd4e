// Two-dimensional lattices of lattice vectors: the plane h·v = 0 and its reduced basis.
#pragma once

#include <array>

#include "lattice/matrix3.hpp"

namespace lattice {

// A basis of the integer vectors v with h·v = 0 (h primitive).
std::array<ivec3, 2> plane_basis(const ivec3& h);

// An integer vector w with h·w = 1 (h primitive).
ivec3 unit_completion(const ivec3& h);

// Lagrange-Gauss reduction under the metric g: the first vector is a shortest one of the plane
// lattice, the second a shortest one independent of it.
std::array<ivec3, 2> gauss_reduced(std::array<ivec3, 2> basis, const dmat3& g);

ivec3 combination(int i, const ivec3& p, int j, const ivec3& q);

}  // namespace lattice
