#include "geometry/TransformGroup.h"

#include "platform/TextUtil.h"
#include "support/RunLog.h"

#include <cmath>

namespace {

constexpr double kDegreesToRadians = 0.017453292519943295;

// Fills all sixteen elements, so a matrix means exactly what its rows say.
void SetRows(CMatrix& m, const double (&rows)[4][4]) {
    for (int row = 0; row < 4; ++row) {
        for (int col = 0; col < 4; ++col) {
            m.SetAt(col, row, rows[row][col]);
        }
    }
}

// Rotation about z by gamma radians, counter-clockwise in the x-y plane.
CMatrix RotationZ(double gamma) {
    CMatrix rz(4, 4);
    SetRows(rz, {{std::cos(gamma), std::sin(gamma), 0, 0},
                 {-std::sin(gamma), std::cos(gamma), 0, 0},
                 {0, 0, 1, 0},
                 {0, 0, 0, 1}});
    return rz;
}

bool NearOne(double v) {
    return 0.9999 < v && v < 1.0001;
}
bool NearZero(double v) {
    return -0.0001 < v && v < 0.0001;
}

bool Between(const CMatrix& low, const CMatrix& high, int i, double v) {
    return low.GetAt(i, 0) <= v && v <= high.GetAt(i, 0);
}

} // namespace

CTransformGroup::CTransformGroup()
    : m_mScale(4, 4), m_mRotateAngles(4, 1), m_mRotate(4, 4), m_mTranslate(4, 4), m_mMinimum(3, 1),
      m_mMaximum(3, 1), m_mTScale(4, 4), m_mTRotateAngles(4, 1), m_mTRotate(4, 4), m_mTTranslate(4, 4),
      m_mTMinimum(3, 1), m_mTMaximum(3, 1), m_mPosition(4, 4) {}

void CTransformGroup::Reset() {
    m_strMatch.clear();
    m_strSubstitute.clear();
    m_strTBitmap.clear();
    m_bScaleIdentity = m_bRotateIdentity = m_bTranslateIdentity = false;
    m_bTScaleIdentity = m_bTRotateIdentity = m_bTTranslateIdentity = false;
    m_bHasTBitmap = false;
    m_bPositionUnset = true;
}

bool CTransformGroup::SetMatch(const std::string& match) {
    m_strMatch = ToLower(match);
    return true;
}

bool CTransformGroup::SetSubstitute(const std::string& substitute) {
    m_strSubstitute = ToLower(substitute);
    return true;
}

bool CTransformGroup::SetTBitmap(const std::string& bitmap) {
    m_bHasTBitmap = true;
    m_strTBitmap = ToLower(bitmap);
    return true;
}

bool CTransformGroup::SetScale(double sx, double sy, double sz) {
    m_bScaleIdentity = false;
    SetRows(m_mScale, {{sx, 0, 0, 0}, {0, sy, 0, 0}, {0, 0, sz, 0}, {0, 0, 0, 1}});
    m_bScaleIdentity = NearOne(sx) && NearOne(sy) && NearOne(sz);
    theLog.WriteMatrix(2, "Setting scale matrix ", m_mScale, m_strMatch);
    return true;
}

bool CTransformGroup::SetRotate(double ax, double ay, double az) {
    m_bRotateIdentity = false;
    m_mRotateAngles.SetAt(0, 0, ax);
    m_mRotateAngles.SetAt(1, 0, ay);
    m_mRotateAngles.SetAt(2, 0, az);
    m_mRotateAngles.SetAt(3, 0, 1.0);
    const double alpha = -ax * kDegreesToRadians;
    const double beta = -ay * kDegreesToRadians;
    const double gamma = az * kDegreesToRadians;
    SetRows(m_mRotate, {{1, 0, 0, 0},
                        {0, std::cos(alpha), std::sin(alpha), 0},
                        {0, -std::sin(alpha), std::cos(alpha), 0},
                        {0, 0, 0, 1}});
    CMatrix ry(4, 4);
    SetRows(ry, {{std::cos(beta), 0, -std::sin(beta), 0},
                 {0, 1, 0, 0},
                 {std::sin(beta), 0, std::cos(beta), 0},
                 {0, 0, 0, 1}});
    m_mRotate.MultiplyBy(ry);
    m_mRotate.MultiplyBy(RotationZ(gamma));
    m_bRotateIdentity = NearZero(ax) && NearZero(ay) && NearZero(az);
    theLog.WriteMatrix(2, "Setting rotate matrix ", m_mRotate, m_strMatch);
    return true;
}

bool CTransformGroup::SetTranslate(double tx, double ty, double tz) {
    m_bTranslateIdentity = false;
    SetRows(m_mTranslate, {{1, 0, 0, 0}, {0, 1, 0, 0}, {0, 0, 1, 0}, {tx, ty, tz, 1}});
    m_bTranslateIdentity = NearZero(tx) && NearZero(ty) && NearZero(tz);
    theLog.WriteMatrix(2, "Setting translate matrix ", m_mTranslate, m_strMatch);
    return true;
}

bool CTransformGroup::SetMinimum(double x, double y, double z) {
    m_mMinimum.SetAt(0, 0, x);
    m_mMinimum.SetAt(1, 0, y);
    m_mMinimum.SetAt(2, 0, z);
    return true;
}

bool CTransformGroup::SetMaximum(double x, double y, double z) {
    m_mMaximum.SetAt(0, 0, x);
    m_mMaximum.SetAt(1, 0, y);
    m_mMaximum.SetAt(2, 0, z);
    return true;
}

bool CTransformGroup::SetTScale(double su, double sv, double) {
    m_bTScaleIdentity = false;
    SetRows(m_mTScale, {{su, 0, 0, 0}, {0, sv, 0, 0}, {0, 0, 1, 0}, {0, 0, 0, 1}});
    m_bTScaleIdentity = NearOne(su) && NearOne(sv);
    theLog.WriteMatrix(2, "Setting texture scale matrix ", m_mTScale, m_strMatch);
    return true;
}

bool CTransformGroup::SetTRotate(double, double, double az) {
    m_bTRotateIdentity = false;
    m_mTRotateAngles.SetAt(0, 0, 0.0);
    m_mTRotateAngles.SetAt(1, 0, 0.0);
    m_mTRotateAngles.SetAt(2, 0, az);
    m_mTRotateAngles.SetAt(3, 0, 1.0);
    m_mTRotate = RotationZ(az * kDegreesToRadians);
    m_bTRotateIdentity = NearZero(az);
    theLog.WriteMatrix(2, "Setting vertex rotate matrix ", m_mTRotate, m_strMatch);
    return true;
}

bool CTransformGroup::SetTTranslate(double tu, double tv, double) {
    m_bTTranslateIdentity = false;
    SetRows(m_mTTranslate, {{1, 0, 0, 0}, {0, 1, 0, 0}, {0, 0, 1, 0}, {tu, tv, 0, 1}});
    m_bTTranslateIdentity = NearZero(tu) && NearZero(tv);
    theLog.WriteMatrix(2, "Setting vertex translate matrix ", m_mTTranslate, m_strMatch);
    return true;
}

bool CTransformGroup::SetTMinimum(double u, double v, double) {
    m_mTMinimum.SetAt(0, 0, u);
    m_mTMinimum.SetAt(1, 0, v);
    m_mTMinimum.SetAt(2, 0, 0.0);
    return true;
}

bool CTransformGroup::SetTMaximum(double u, double v, double) {
    m_mTMaximum.SetAt(0, 0, u);
    m_mTMaximum.SetAt(1, 0, v);
    m_mTMaximum.SetAt(2, 0, 0.0);
    return true;
}

bool CTransformGroup::SetPosition(double px, double py, double pz) {
    m_bPositionUnset = true;
    SetRows(m_mPosition, {{0, 0, 0, 0}, {0, 0, 0, 0}, {0, 0, 0, 0}, {px, py, pz, 1}});
    m_bPositionUnset = !(px > -998.0 || py > -998.0 || pz > -998.0);
    theLog.WriteMatrix(2, "Setting position matrix ", m_mPosition, m_strMatch);
    return true;
}

bool CTransformGroup::IsInRange(double x, double y, double z) const {
    return Between(m_mMinimum, m_mMaximum, 0, x) && Between(m_mMinimum, m_mMaximum, 1, y) &&
           Between(m_mMinimum, m_mMaximum, 2, z);
}

bool CTransformGroup::IsInTRange(double u, double v, double w) const {
    return Between(m_mTMinimum, m_mTMaximum, 0, u) && Between(m_mTMinimum, m_mTMaximum, 1, v) &&
           Between(m_mTMinimum, m_mTMaximum, 2, w);
}

void CTransformGroup::MultiplyRow(const Row& in, const CMatrix& m, Row& out) {
    const double* e = m.GetData();
    Row result;
    for (int j = 0; j < 4; ++j) {
        double sum = 0.0;
        for (int k = 0; k < 4; ++k) {
            sum += in[k] * e[j + k * 4];
        }
        result[j] = sum;
    }
    for (int j = 0; j < 4; ++j) {
        out[j] = result[j];
    }
}

void CTransformGroup::ApplyVertexTransforms(Row& p) const {
    if (!m_bScaleIdentity) {
        MultiplyRow(p, m_mScale, p);
    }
    if (!m_bRotateIdentity) {
        MultiplyRow(p, m_mRotate, p);
    }
    if (!m_bTranslateIdentity) {
        MultiplyRow(p, m_mTranslate, p);
    }
}

void CTransformGroup::ApplyTextureTransforms(Row& t) const {
    if (!m_bTScaleIdentity) {
        MultiplyRow(t, m_mTScale, t);
    }
    if (!m_bTRotateIdentity) {
        MultiplyRow(t, m_mTRotate, t);
    }
    if (!m_bTTranslateIdentity) {
        MultiplyRow(t, m_mTTranslate, t);
    }
}

bool CTransformGroup::TransformVertex(Row& p) const {
    if (!IsInRange(p[0], p[1], p[2])) {
        return false;
    }
    ApplyVertexTransforms(p);
    return true;
}

bool CTransformGroup::TransformTextureVertex(Row& t) const {
    if (!IsInTRange(t[0], t[1], t[2])) {
        return false;
    }
    ApplyTextureTransforms(t);
    return true;
}

void CTransformGroup::TransformPosition(Row& p) const {
    if (!m_bPositionUnset) {
        MultiplyRow(p, m_mPosition, p);
    } else {
        ApplyVertexTransforms(p);
    }
}
