#include "model/FixedLineFormat.h"

#include "platform/FormatFixed7.h"
#include "platform/StringTable.h"

#include <algorithm>

CFixedLineFormat::CFixedLineFormat(UINT id) {
    constexpr std::string_view conversion = "%.7f";
    const std::string format = LoadResourceString(id);
    std::size_t start = 0;
    for (std::size_t i = 0; i + 1 < m_pieces.size(); ++i) {
        const auto found = std::min(format.find(conversion, start), format.size());
        m_pieces[i] = format.substr(start, found - start);
        start = std::min(found + conversion.size(), format.size());
    }
    m_pieces.back() = format.substr(start);
    m_nMaxLength = format.size() + 3 * kFixed7BufferSize + 2;
}

std::string_view CFixedLineFormat::Format(double x, double y, double z, std::string& buffer) const {
    if (buffer.size() < m_nMaxLength) {
        buffer.resize(m_nMaxLength);
    }
    const double values[3] = {x, y, z};
    char* out = buffer.data();
    for (int i = 0; i < 3; ++i) {
        out = std::copy(m_pieces[i].begin(), m_pieces[i].end(), out);
        out = FormatFixed7(out, values[i]);
    }
    out = std::copy(m_pieces[3].begin(), m_pieces[3].end(), out);
    *out++ = '\r';
    *out++ = '\n';
    return {buffer.data(), static_cast<std::size_t>(out - buffer.data())};
}
