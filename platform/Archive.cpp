#include "platform/Archive.h"

#include "platform/Exceptions.h"

#include <bit>

void CArchive::Put(std::uint64_t value, int bytes) {
    for (int i = 0; i < bytes; ++i) {
        m_stream.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
    }
}

std::uint64_t CArchive::Get(int bytes) {
    if (m_stream.size() - m_readPos < static_cast<std::size_t>(bytes)) {
        throw CArchiveException(CArchiveException::endOfFile);
    }
    std::uint64_t value = 0;
    for (int i = 0; i < bytes; ++i) {
        value |= static_cast<std::uint64_t>(m_stream[m_readPos++]) << (8 * i);
    }
    return value;
}

CArchive& CArchive::operator<<(std::int32_t value) {
    Put(static_cast<std::uint32_t>(value), 4);
    return *this;
}

CArchive& CArchive::operator<<(std::uint32_t value) {
    Put(value, 4);
    return *this;
}

CArchive& CArchive::operator<<(double value) {
    Put(std::bit_cast<std::uint64_t>(value), 8);
    return *this;
}

CArchive& CArchive::operator>>(std::int32_t& value) {
    value = static_cast<std::int32_t>(static_cast<std::uint32_t>(Get(4)));
    return *this;
}

CArchive& CArchive::operator>>(std::uint32_t& value) {
    value = static_cast<std::uint32_t>(Get(4));
    return *this;
}

CArchive& CArchive::operator>>(double& value) {
    value = std::bit_cast<double>(Get(8));
    return *this;
}
