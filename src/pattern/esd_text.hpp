// A refined value with its standard uncertainty in the field's notation: 5.43102(7).
#pragma once

#include <string>

namespace pattern {

// The esd in units of the last digit shown, between 2 and 19 where the rule allows (the
// "rule of 19", IUCr Notes for Authors): 0.00007 → 5.43102(7), 0.00015 → 5.43102(15), and
// never fewer than 0 or more than 10 decimals. Without an esd (0: fixed by symmetry), the value
// with `plain_decimals`.
std::string esd_text(double value, double esd, int plain_decimals);

}  // namespace pattern
