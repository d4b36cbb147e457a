#include "geometry/TransformListing.h"

#include "platform/NumberText.h"
#include "transformfile/TransformTable.h"

#include <algorithm>
#include <cstdio>

namespace {

// "%4d" then the letter.
std::string Prefix(int n, char letter) {
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "%4d%c", n, letter);
    return buffer;
}

// "name(v0, v1, ...)" with each value as "%.{precision}f".
std::string Call(const char* name, std::initializer_list<double> values, int precision) {
    std::string text = name;
    text += '(';
    bool first = true;
    for (double value : values) {
        if (!first) {
            text += ", ";
        }
        first = false;
        AppendFixed(text, value, precision);
    }
    text += ')';
    return text;
}

} // namespace

std::vector<std::string> FormatTransformLines(int n, const CTransformGroup& g) {
    std::vector<std::string> lines;
    lines.push_back(Prefix(n, 'a') + ' ' + g.m_strMatch + '\t' + g.m_strSubstitute + '\t' +
                    Call("scale", {g.GetScale(0), g.GetScale(1), g.GetScale(2)}, 4) + '\t' +
                    Call("rotate", {g.GetRotate(0), g.GetRotate(1), g.GetRotate(2)}, 0) + '\t' +
                    Call("translate", {g.GetTranslate(0), g.GetTranslate(1), g.GetTranslate(2)}, 4));
    if (!g.m_bTScaleIdentity || !g.m_bTRotateIdentity || !g.m_bTTranslateIdentity) {
        lines.push_back(Prefix(n, 'b') + '\t' + g.m_strTBitmap + '\t' +
                        Call("tscale", {g.GetTScale(0), g.GetTScale(1)}, 4) + '\t' +
                        "trotate(z=" + FormatFixedString(g.GetTRotate(2), 0) + ")\t" +
                        Call("ttranslate", {g.GetTTranslate(0), g.GetTTranslate(1)}, 4));
    }
    if (!g.m_bPositionUnset) {
        lines.push_back(Prefix(n, 'c') + "\t\t" +
                        Call("position", {g.GetPosition(0), g.GetPosition(1), g.GetPosition(2)}, 4));
    }
    return lines;
}

std::vector<std::string> FormatTransformListing() {
    std::vector<std::string> lines;
    for (int n = 0; n < g_nTransforms; ++n) {
        for (auto& line : FormatTransformLines(n, g_pTransforms[n])) {
            lines.push_back(std::move(line));
        }
    }
    std::sort(lines.begin(), lines.end());
    return lines;
}
