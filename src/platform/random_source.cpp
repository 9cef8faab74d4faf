#include "random_source.h"

std::uint64_t SeededRandom::fresh_seed()
{
    std::random_device device;
    return (std::uint64_t(device()) << 32) ^ device();
}
