// Work done by a constant force at an angle to the motion, and the power.
#pragma once

#include <string_view>

namespace mechanics {

class Working;

enum class PowerMode {
    Average,       // the displacement s is given: P = W / t
    Instantaneous, // the speed v is given: P = F·v·cos α
};

// The typed texts of the page. The box that the mode does not use is never read.
struct WorkPowerInput {
    PowerMode mode = PowerMode::Average;
    std::string_view force;        // F
    std::string_view angle;        // α
    bool angle_in_radians = true;  // false: α is in degrees
    std::string_view displacement; // s, average mode
    std::string_view speed;        // v, instantaneous mode
    std::string_view time;         // t
    char decimal_separator = '.';
};

struct WorkPower {
    double work = 0;  // W
    double power = 0; // P
};

// Average mode:       W = (s·F)·cos α,          P = W / t.
// Instantaneous mode: W = (t·(v·F))·cos α,      P = W / t,
// which is F·v·cos α up to rounding; t must not be zero in either mode.
// Texts are read in the order the formula needs them; any text that is not a
// number, a zero t or an overflow raises CalculationFailure. In degrees, a
// whole multiple of 90° has a cosine of exactly 0, 1 or −1.
// Beyond the boxes the working gives W where only t is missing (the power
// needs it), and in the instantaneous mode writes P = Fv cos α as the power at
// that moment and W only with the condition that the speed stays v.
WorkPower solve_work_power(const WorkPowerInput &input, Working &working);

} // namespace mechanics
