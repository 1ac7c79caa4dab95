// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A 64-bit checksum that finds a damaged file quickly: about ten times the speed of reading the
// file, where the library's cryptographic hashes would take longer than the read itself. It stands
// against accidents (a torn write, a changed byte), not against someone forging a file: every
// change of a single 8-byte word changes it, and any other change is missed once in 2^64.

#include <QtGlobal>

#include <array>
#include <span>

namespace rova::fileio
{

class Checksum
{
public:
    // The bytes may come in parts of any length; the value is that of all of them in order.
    void add(std::span<const uchar> bytes);
    quint64 value() const;

private:
    static constexpr size_t kBlock = 32; // four words, mixed in four lanes side by side
    using Lanes = std::array<quint64, 4>;
    static void mix(Lanes& lanes, const uchar* block);

    Lanes m_lanes{1, 2, 3, 4};
    std::array<uchar, kBlock> m_pending{};
    size_t m_pendingLength = 0;
    quint64 m_length = 0;
};

} // namespace rova::fileio
