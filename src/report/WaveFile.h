#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "model/Result.h"

namespace isobra {

// A WAV file of 16-bit PCM samples, one channel: the 44-byte RIFF header,
// then the samples, little-endian. Fails only for a sound too long for the
// format's 32-bit sizes (over 4 GiB).
Result<std::string> WaveFileBytes(const std::vector<std::int16_t>& samples, int sampleRate);

}  // namespace isobra
