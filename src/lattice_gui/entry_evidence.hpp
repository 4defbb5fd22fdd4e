// What the observed lines say about one entry of the lattice window: its picture, its refined
// cell as text, and the entry that Use as starting cell puts once it is refined.
#pragma once

#include <QString>

#include "lattice/analysis.hpp"
#include "lattice_gui/pattern_picture.hpp"
#include "pattern/evidence.hpp"

namespace quarvel::gui {

// The picture of the entry against the input lattice, its superstructure lines marked as
// pattern::weigh counts them.
pattern_picture::view entry_view(const std::vector<pattern::observed_line>& lines,
                                 const pattern::indexing_options& options,
                                 const pattern::indexed_pattern& input, const QString& input_label,
                                 const lattice::lattice_entry& e,
                                 const pattern::cell_evidence& evidence);

// "a = 5.43102(7)  c = …  from 14 lines  M20 = …  F… unindexed 0/0", the parameters its type
// leaves free and those it ties.
QString refined_text(const lattice::lattice_entry& e, const pattern::refined_cell& r,
                     const pattern::line_evidence& again);

// The entry with its cell replaced by the refined one (an hR entry's rhombohedral cell too).
lattice::lattice_entry refined_entry(lattice::lattice_entry e, const lattice::cell& refined);

}  // namespace quarvel::gui
