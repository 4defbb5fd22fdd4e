// How a cell stands to a lattice: another primitive cell of it, a cell with one standard
// centring (no new reflections, only the centring's extinctions), or a superlattice cell that
// needs superstructure reflections.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "lattice/matrix3.hpp"
#include "lattice/types.hpp"

namespace lattice {

enum class relation_kind {
  same_lattice,  // the cell, read with `centred`, spans the lattice itself
  superlattice,  // the cell spans a proper sub-lattice of index `index`
  sublattice,    // the cell's lattice holds the reference lattice with index `index`
  unrelated,     // neither lattice holds the other (index 0)
};

struct cell_relation {
  relation_kind kind = relation_kind::same_lattice;
  // Of the lattice the cell describes in the reference lattice; for a same-lattice cell read as
  // primitive, the number of lattice points in it.
  int index = 1;
  centring centred = centring::P;  // the centring under which the cell is a cell of the lattice
  bool reverse = false;            // R centring in the reverse setting

  // "same lattice", "same lattice, C-centred cell", "superlattice ×2", "sublattice ×2",
  // "another lattice"; `times` in place of "×" where only ASCII may stand.
  std::string verdict(std::string_view times = "\xc3\x97") const;
  // The JSON verdict: "same lattice", "superlattice", "sublattice" or "another lattice".
  std::string_view kind_name() const;
  // The centring letter, or nothing for a primitive cell.
  std::optional<std::string_view> centring_letter() const;
  bool operator==(const cell_relation&) const = default;
};

// rows: the cell's axes in a primitive basis of the reference lattice L (whole numbers,
// det ≠ 0); cell_centring: the centring the cell is read with, whose translations must be
// lattice vectors of L. The lattice the centred cell spans is S; L written in the cell's axes is
// S plus some translations: none gives the same lattice; exactly those of one standard centring
// (A, B, C, I, F, R obverse or reverse) gives the same lattice read with that centring; anything
// else a superlattice of index [L : S]. Throws lattice_error when the centred cell is no cell of
// L's vectors.
cell_relation relation_of(const imat3& rows, centring cell_centring = centring::P);

// The same with L and the cell's lattice swapped: `rows` are the reference cell's axes in a
// primitive basis of the finer lattice F that a cell spans. Same lattice when the reference
// cell, read with a standard centring, spans F (then `centred` names that centring of the
// reference cell); a sublattice of index [F : L] otherwise.
cell_relation finer_relation(const imat3& rows);

// The number of lattice points in a cell with this centring: 1, 2, 3 or 4.
int centring_multiplicity(centring c);

// The centring's translations in twelfths of the cell's axes, the origin left out; R obverse.
const std::vector<ivec3>& centring_translations(centring c);

}  // namespace lattice
