// CMatrix: a dense matrix of doubles whose copies share one element block until one is written.
// Conventions: row-major storage, sized and addressed column first (GetAt(col, row)); a point
// (x, y, z) is the row [x y z 1] and is transformed as point x matrix, translations in the last row.
// The block is one allocation: the elements, then a 32-bit share count in the 8 bytes after them.
// Indices are not checked; the system only builds 1x1, 1x3, 1x4 and 4x4 matrices.
#pragma once

#include "platform/Object.h"

#include <cstdint>

class CMatrix : public CObject {
public:
    // 1 column, 1 row, element 0.0: for creation by class name only.
    CMatrix();
    // A zero-filled matrix (a new 4 x 4 matrix is all zeros, not the identity).
    CMatrix(int cols, int rows);
    CMatrix(const CMatrix& other);
    CMatrix& operator=(const CMatrix& other);
    ~CMatrix() override;

    // Copy-on-write: a shared block is copied before the write. Always true.
    bool SetAt(int col, int row, double value);
    double GetAt(int col, int row) const { return m_pData[col + row * m_nCols]; }
    int GetCols() const { return m_nCols; }
    int GetRows() const { return m_nRows; }

    // this x b, summed from +0.0 with k ascending; throws CTextException
    // "Matrices do not have common size" when this matrix's columns differ from b's rows.
    CMatrix Multiply(const CMatrix& b) const;
    // this = this x b.
    void MultiplyBy(const CMatrix& b);

    // Tags 0x434D6174 and 0x72697843, version 1, columns, rows, then the elements column by column.
    // Loading throws CArchiveException(badClass) on wrong tags.
    void Serialize(CArchive& ar) override;
    const CRuntimeClass* GetRuntimeClass() const override;
    static const CRuntimeClass classCMatrix;

    // The element block, row-major, for read-only fast paths and tests.
    const double* GetData() const { return m_pData; }
    // How many matrices share this matrix's block.
    std::int32_t GetShareCount() const { return *ShareCount(m_pData, m_nCols, m_nRows); }

private:
    static double* AllocateBlock(int cols, int rows);
    static std::int32_t* ShareCount(double* block, int cols, int rows);
    void Release();

    std::int32_t m_nCols;
    std::int32_t m_nRows;
    double* m_pData;
};
