#include "platform/random.h"

#include <chrono>
#include <random>

namespace platform {
namespace {
struct Source {
    std::mt19937_64 generator{std::random_device{}()};
    std::function<double()> script;
};

Source &source()
{
    static Source s;
    return s;
}
} // namespace

void Randomize()
{
    const auto now = std::chrono::high_resolution_clock::now().time_since_epoch().count();
    source().generator.seed(static_cast<std::uint64_t>(now));
}

double Rnd()
{
    if (source().script)
        return source().script();
    return std::uniform_real_distribution<double>(0.0, 1.0)(source().generator);
}

void setRandomSource(std::function<double()> script)
{
    source().script = std::move(script);
}

} // namespace platform
