// How the calculators' correctly rounded cosine compares with the C library's:
// the time per call, and on every angle from −3600° to 3600° in steps of 0.001°
// (converted as the pages convert), how often the last bit and how often the
// fifteen-digit text of W = 50 J · cos α differ.
#include "mechanics/numbers.h"
#include "mechanics/trigonometry.h"

#include <chrono>
#include <cmath>
#include <cstdio>

namespace {

constexpr long STEPS = 3'600'000; // each side of 0°, in thousandths of a degree

template <typename Cosine> double nanoseconds_per_call(Cosine cosine)
{
    const auto start = std::chrono::steady_clock::now();
    volatile double sink = 0;
    for (long i = -STEPS; i <= STEPS; ++i)
        sink = sink + cosine(mechanics::degrees_to_radians(static_cast<double>(i) / 1000));
    const std::chrono::duration<double, std::nano> spent = std::chrono::steady_clock::now() - start;
    return spent.count() / (2 * STEPS + 1);
}

} // namespace

int main()
{
    long bits = 0;
    long texts = 0;
    for (long i = -STEPS; i <= STEPS; ++i) {
        const double alpha = mechanics::degrees_to_radians(static_cast<double>(i) / 1000);
        const double ours = mechanics::cosine(alpha);
        const double library = std::cos(alpha);
        if (ours == library)
            continue;
        ++bits;
        if (mechanics::number_text(50 * ours) != mechanics::number_text(50 * library))
            ++texts;
    }
    std::printf("%ld angles: the last bit differs %ld times, the text of 50·cos α %ld times\n",
                2 * STEPS + 1, bits, texts);
    std::printf("ns per call: correctly rounded %.0f, C library %.0f\n",
                nanoseconds_per_call(mechanics::cosine),
                nanoseconds_per_call([](double x) { return std::cos(x); }));
}
