// CTransformGroup: one transform group of the transformation file in ready-to-apply form.
// The setters build the group's 4 x 4 matrices once, with a near-identity flag per transform (a
// flagged transform is skipped), and record each matrix in the run log at level 2. The Apply and
// Transform functions are the one place a group is applied: the rewriter and the tests both call them.
//
// Geometry: a point is the row [x y z 1], transformed as row x matrix, summed from +0.0 over k
// ascending, exactly as CMatrix::Multiply does; the fast paths below use fixed arrays instead of
// allocating matrices and give the same bits. Angles are degrees, times 0.017453292519943295.
#pragma once

#include "geometry/Matrix.h"

#include <string>

class CTransformGroup : public CObject {
public:
    using Row = double[4];

    CTransformGroup();
    ~CTransformGroup() override = default;

    // Clears the names and the flags (position unset again); the matrices keep their values.
    void Reset();

    // Setters accept any value and return true.
    bool SetMatch(const std::string& match);
    bool SetSubstitute(const std::string& substitute);
    bool SetTBitmap(const std::string& bitmap);
    bool SetScale(double sx, double sy, double sz);
    bool SetRotate(double ax, double ay, double az);
    bool SetTranslate(double tx, double ty, double tz);
    bool SetMinimum(double x, double y, double z);
    bool SetMaximum(double x, double y, double z);
    bool SetTScale(double su, double sv, double unused = 0.0);
    bool SetTRotate(double unusedX, double unusedY, double az);
    bool SetTTranslate(double tu, double tv, double unused = 0.0);
    bool SetTMinimum(double u, double v, double unused = 0.0);
    bool SetTMaximum(double u, double v, double unused = 0.0);
    bool SetPosition(double px, double py, double pz);

    // Both bounds included; a NaN fails. Compared x min, x max, y min, y max, z min, z max.
    bool IsInRange(double x, double y, double z) const;
    bool IsInTRange(double u, double v, double w) const;

    double GetScale(int i) const { return m_mScale.GetAt(i, i); }
    double GetRotate(int i) const { return m_mRotateAngles.GetAt(i, 0); }
    double GetTranslate(int i) const { return m_mTranslate.GetAt(i, 3); }
    double GetTScale(int i) const { return m_mTScale.GetAt(i, i); }
    double GetTRotate(int i) const { return m_mTRotateAngles.GetAt(i, 0); }
    double GetTTranslate(int i) const { return m_mTTranslate.GetAt(i, 3); }
    double GetPosition(int i) const { return m_mPosition.GetAt(i, 3); }

    // True when the group changes no vertex (scale, rotation and translation all flagged).
    bool AreVertexTransformsIdentity() const {
        return m_bScaleIdentity && m_bRotateIdentity && m_bTranslateIdentity;
    }
    bool AreTextureTransformsIdentity() const {
        return m_bTScaleIdentity && m_bTRotateIdentity && m_bTTranslateIdentity;
    }

    // p x S x R x T, each product only when its transform is not flagged identity.
    void ApplyVertexTransforms(Row& p) const;
    // t x TS x TR x TT, likewise.
    void ApplyTextureTransforms(Row& t) const;
    // A vertex: false (p unchanged) when outside the box, else transformed. Callers test
    // AreVertexTransformsIdentity first, since an all-identity group leaves the line unparsed.
    bool TransformVertex(Row& p) const;
    // A texture vertex: false (t unchanged) when outside the texture box.
    bool TransformTextureVertex(Row& t) const;
    // A node position: p x P when a position is given, else as a vertex but without box test.
    void TransformPosition(Row& p) const;

    // out = in x m for a 4 x 4 m, in the operation order of CMatrix::Multiply.
    static void MultiplyRow(const Row& in, const CMatrix& m, Row& out);

    std::string m_strMatch;
    std::string m_strSubstitute;
    CMatrix m_mScale;
    CMatrix m_mRotateAngles;
    CMatrix m_mRotate;
    CMatrix m_mTranslate;
    CMatrix m_mMinimum;
    CMatrix m_mMaximum;
    bool m_bScaleIdentity = false;
    bool m_bRotateIdentity = false;
    bool m_bTranslateIdentity = false;
    CMatrix m_mTScale;
    CMatrix m_mTRotateAngles;
    CMatrix m_mTRotate;
    CMatrix m_mTTranslate;
    CMatrix m_mTMinimum;
    CMatrix m_mTMaximum;
    bool m_bTScaleIdentity = false;
    bool m_bTRotateIdentity = false;
    bool m_bTTranslateIdentity = false;
    std::string m_strTBitmap;
    bool m_bHasTBitmap = false;
    CMatrix m_mPosition;
    bool m_bPositionUnset = true;
};
