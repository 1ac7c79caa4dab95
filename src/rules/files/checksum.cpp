// SPDX-License-Identifier: GPL-3.0-or-later
#include "rules/files/checksum.h"

#include <algorithm>
#include <bit>
#include <cstring>

namespace rova::fileio
{

namespace
{
constexpr quint64 kOdd = 0x9E3779B97F4A7C15; // odd, so each step maps a changed word to a changed lane

quint64 step(quint64 lane, quint64 word)
{
    return (std::rotl(lane, 23) ^ word) * kOdd;
}
} // namespace

void Checksum::mix(Lanes& lanes, const uchar* block)
{
    for (size_t i = 0; i < lanes.size(); ++i) {
        quint64 word = 0;
        std::memcpy(&word, block + 8 * i, 8);
        lanes[i] = step(lanes[i], word);
    }
}

void Checksum::add(std::span<const uchar> bytes)
{
    m_length += bytes.size();
    if (m_pendingLength > 0) {
        const size_t take = std::min(kBlock - m_pendingLength, bytes.size());
        std::memcpy(m_pending.data() + m_pendingLength, bytes.data(), take);
        m_pendingLength += take;
        bytes = bytes.subspan(take);
        if (m_pendingLength < kBlock)
            return;
        mix(m_lanes, m_pending.data());
        m_pendingLength = 0;
    }
    for (; bytes.size() >= kBlock; bytes = bytes.subspan(kBlock))
        mix(m_lanes, bytes.data());
    std::memcpy(m_pending.data(), bytes.data(), bytes.size());
    m_pendingLength = bytes.size();
}

quint64 Checksum::value() const
{
    Lanes lanes = m_lanes;
    if (m_pendingLength > 0) {
        std::array<uchar, kBlock> last{};
        std::memcpy(last.data(), m_pending.data(), m_pendingLength);
        mix(lanes, last.data());
    }
    // The length goes in last, so that zeros added at the end change the value too.
    quint64 value = m_length;
    for (const quint64 lane : lanes)
        value = step(value, lane);
    return value;
}

} // namespace rova::fileio
