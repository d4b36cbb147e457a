// CArchive: the framework's archive over an in-memory byte stream, little-endian.
// Storing appends to the stream; loading reads from its start and raises
// CArchiveException(endOfFile) when the stream runs out.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

class CArchive {
public:
    enum Mode { store, load };

    CArchive(std::vector<std::uint8_t>& stream, Mode mode) : m_stream(stream), m_mode(mode) {}

    bool IsStoring() const { return m_mode == store; }
    bool IsLoading() const { return m_mode == load; }

    CArchive& operator<<(std::int32_t value);
    CArchive& operator<<(std::uint32_t value);
    CArchive& operator<<(double value);
    CArchive& operator>>(std::int32_t& value);
    CArchive& operator>>(std::uint32_t& value);
    CArchive& operator>>(double& value);

private:
    void Put(std::uint64_t value, int bytes);
    std::uint64_t Get(int bytes);

    std::vector<std::uint8_t>& m_stream;
    Mode m_mode;
    std::size_t m_readPos = 0;
};
