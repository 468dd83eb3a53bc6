#pragma once

#include <cstdint>

// Presses up to three keys and releases them in the order they were pressed. 0 as the
// second or third code means no key; only the low 8 bits of a code count.
void SimulateKeys(std::int32_t first, std::int32_t second, std::int32_t third);
