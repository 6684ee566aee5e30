#include "report/WaveFile.h"

namespace isobra {

namespace {

void Put32(std::string& out, std::uint32_t v) {
    for (int shift = 0; shift < 32; shift += 8) out += static_cast<char>((v >> shift) & 0xFF);
}
void Put16(std::string& out, std::uint16_t v) {
    out += static_cast<char>(v & 0xFF);
    out += static_cast<char>(v >> 8);
}

}  // namespace

Result<std::string> WaveFileBytes(const std::vector<std::int16_t>& samples, int sampleRate) {
    constexpr std::uint64_t kHeaderAfterSize = 36;  // the RIFF size counts from "WAVE" on
    const std::uint64_t dataBytes = std::uint64_t{2} * samples.size();
    if (dataBytes + kHeaderAfterSize > 0xFFFFFFFFu)
        return Result<std::string>::Fail("音声が長すぎてWAVファイルに書けません");
    std::string out;
    out.reserve(44 + dataBytes);
    out += "RIFF";
    Put32(out, static_cast<std::uint32_t>(kHeaderAfterSize + dataBytes));
    out += "WAVEfmt ";
    Put32(out, 16);  // the size of the format chunk
    Put16(out, 1);   // PCM
    Put16(out, 1);   // one channel
    Put32(out, static_cast<std::uint32_t>(sampleRate));
    Put32(out, static_cast<std::uint32_t>(sampleRate) * 2);  // bytes a second
    Put16(out, 2);                                           // bytes a frame
    Put16(out, 16);                                          // bits a sample
    out += "data";
    Put32(out, static_cast<std::uint32_t>(dataBytes));
    for (std::int16_t s : samples) Put16(out, static_cast<std::uint16_t>(s));
    return out;
}

}  // namespace isobra
