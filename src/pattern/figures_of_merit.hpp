// The figures of merit of an indexed pattern: de Wolff's M_N and Smith & Snyder's F_N.
#pragma once

#include "pattern/indexing.hpp"

namespace pattern {

inline constexpr int kLinesOfM = 20, kLinesOfF = 30;

struct figures_of_merit {
  // M_N (de Wolff 1968, J. Appl. Cryst. 1, 108): N = min(20, observed lines), Q_N the Q of
  // the N-th observed line, ε the mean |Q_obs − Q_calc| over the indexed lines among the first
  // N, N_calc the calculated lines with Q ≤ Q_N; M_N = Q_N / (2 ε N_calc).
  int m_n = 0;
  double m = 0;
  double mean_q_error = 0;   // ε
  int calculated_count = 0;  // N_calc
  // F_N (Smith & Snyder 1979, J. Appl. Cryst. 12, 60): N = min(30, observed lines), |Δ2θ| the
  // mean over the indexed lines among the first N, N_poss the calculated lines with
  // 2θ ≤ 2θ_N; F_N = N / (|Δ2θ| N_poss).
  int f_n = 0;
  double f = 0;
  double mean_delta_two_theta = 0;  // |Δ2θ|, degrees
  int possible = 0;                 // N_poss
  int unindexed_first_n = 0;        // among the first M_N lines
  int unindexed = 0;                // among all
};

// A figure is 0 when no line among its first N is indexed, and infinite when they all fit
// exactly or no calculated line lies below the N-th.
figures_of_merit figures_of(const indexed_pattern& p);

}  // namespace pattern
