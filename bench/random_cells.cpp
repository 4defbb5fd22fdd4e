// splitmix64 rather than <random>'s distributions, whose results differ between libraries.
#include "random_cells.hpp"

#include "lattice/number_text.hpp"

namespace quarvel::bench {

double random_cells::uniform(double low, double high) {
  std::uint64_t z = (state_ += 0x9e3779b97f4a7c15ull);
  z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ull;
  z = (z ^ (z >> 27)) * 0x94d049bb133111ebull;
  z ^= z >> 31;
  return low + (high - low) * static_cast<double>(z >> 11) * 0x1.0p-53;
}

random_cell random_cells::next() {
  using lattice::centring;
  auto pick = [&](std::initializer_list<centring> allowed) {
    const auto k = static_cast<std::size_t>(uniform(0, static_cast<double>(allowed.size())));
    return allowed.begin()[k];
  };
  // A measured cell: lengths within 0.1 %, angles within 0.1° of the ideal.
  auto length = [&](double x) { return x * uniform(0.999, 1.001); };
  auto angle = [&](double x) { return x + uniform(-0.1, 0.1); };
  const double a = uniform(3, 20), b = uniform(3, 20), c = uniform(3, 20);
  random_cell r;
  switch (static_cast<int>(uniform(0, 6))) {
    case 0:  // triclinic: any three angles from 70° to 110° close
      r.cell = {a, b, c, uniform(70, 110), uniform(70, 110), uniform(70, 110)};
      break;
    case 1:
      r.centring_type = pick({centring::P, centring::C});
      r.cell = {a, b, c, angle(90), uniform(90, 120), angle(90)};
      break;
    case 2:
      r.centring_type = pick({centring::P, centring::C, centring::I, centring::F});
      r.cell = {a, b, c, angle(90), angle(90), angle(90)};
      break;
    case 3:
      r.centring_type = pick({centring::P, centring::I});
      r.cell = {a, length(a), c, angle(90), angle(90), angle(90)};
      break;
    case 4:  // hexagonal, or rhombohedral on hexagonal axes
      r.centring_type = pick({centring::P, centring::R});
      r.cell = {a, length(a), c, angle(90), angle(90), angle(120)};
      break;
    default:  // cubic
      r.centring_type = pick({centring::P, centring::I, centring::F});
      r.cell = {a, length(a), length(a), angle(90), angle(90), angle(90)};
      break;
  }
  return r;
}

std::string batch_line(const random_cell& c) {
  std::string line(lattice::centring_name(c.centring_type));
  for (double x : c.cell.parameters()) {
    line += ' ';
    line += lattice::fixed(x, 6);
  }
  return line;
}

}  // namespace quarvel::bench
