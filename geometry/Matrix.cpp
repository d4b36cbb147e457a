#include "geometry/Matrix.h"

#include "platform/Archive.h"
#include "platform/Exceptions.h"

#include <cstdlib>
#include <cstring>
#include <new>

namespace {

constexpr std::uint32_t kFirstTag = 0x434D6174;  // "CMat"
constexpr std::uint32_t kSecondTag = 0x72697843; // "rixC"
constexpr std::int32_t kVersion = 1;
// Far beyond the 4 x 4 the system stores; keeps a corrupt stream from asking for gigabytes.
constexpr long long kMaxLoadedElements = 1 << 20;

std::unique_ptr<CObject> CreateMatrix() {
    return std::make_unique<CMatrix>();
}

[[maybe_unused]] const bool kRegistered = CRuntimeClass::Register(&CMatrix::classCMatrix);

} // namespace

const CRuntimeClass CMatrix::classCMatrix{"CMatrix", 1, &CreateMatrix};

const CRuntimeClass* CMatrix::GetRuntimeClass() const {
    return &classCMatrix;
}

double* CMatrix::AllocateBlock(int cols, int rows) {
    const std::size_t elements = static_cast<std::size_t>(cols) * static_cast<std::size_t>(rows);
    // calloc zeroes the elements and the count slot together, as the design asks.
    void* block = std::calloc(elements + 1, sizeof(double));
    if (block == nullptr) {
        throw std::bad_alloc();
    }
    auto* data = static_cast<double*>(block);
    *ShareCount(data, cols, rows) = 1;
    return data;
}

std::int32_t* CMatrix::ShareCount(double* block, int cols, int rows) {
    return reinterpret_cast<std::int32_t*>(block + static_cast<std::size_t>(cols) * rows);
}

CMatrix::CMatrix() : CMatrix(1, 1) {}

CMatrix::CMatrix(int cols, int rows) : m_nCols(cols), m_nRows(rows), m_pData(AllocateBlock(cols, rows)) {}

CMatrix::CMatrix(const CMatrix& other)
    : m_nCols(other.m_nCols), m_nRows(other.m_nRows), m_pData(other.m_pData) {
    ++*ShareCount(m_pData, m_nCols, m_nRows);
}

CMatrix& CMatrix::operator=(const CMatrix& other) {
    if (this != &other) {
        Release();
        m_nCols = other.m_nCols;
        m_nRows = other.m_nRows;
        m_pData = other.m_pData;
        ++*ShareCount(m_pData, m_nCols, m_nRows);
    }
    return *this;
}

CMatrix::~CMatrix() {
    Release();
}

void CMatrix::Release() {
    if (m_pData != nullptr && --*ShareCount(m_pData, m_nCols, m_nRows) == 0) {
        std::free(m_pData);
        m_pData = nullptr;
    }
}

bool CMatrix::SetAt(int col, int row, double value) {
    std::int32_t* count = ShareCount(m_pData, m_nCols, m_nRows);
    if (*count > 1) {
        --*count;
        double* block = AllocateBlock(m_nCols, m_nRows);
        std::memcpy(block, m_pData, static_cast<std::size_t>(m_nCols) * m_nRows * sizeof(double));
        m_pData = block;
    }
    m_pData[col + row * m_nCols] = value;
    return true;
}

CMatrix CMatrix::Multiply(const CMatrix& b) const {
    if (m_nCols != b.m_nRows) {
        throw CTextException("Matrices do not have common size");
    }
    CMatrix result(b.m_nCols, m_nRows);
    for (int i = 0; i < result.m_nRows; ++i) {
        for (int j = 0; j < result.m_nCols; ++j) {
            double sum = 0.0;
            for (int k = 0; k < m_nCols; ++k) {
                sum += GetAt(k, i) * b.GetAt(j, k);
            }
            result.SetAt(j, i, sum);
        }
    }
    return result;
}

void CMatrix::MultiplyBy(const CMatrix& b) {
    const CMatrix product = Multiply(b);
    *this = product;
}

void CMatrix::Serialize(CArchive& ar) {
    if (ar.IsStoring()) {
        ar << kFirstTag << kSecondTag << kVersion << m_nCols << m_nRows;
        for (int col = 0; col < m_nCols; ++col) {
            for (int row = 0; row < m_nRows; ++row) {
                ar << GetAt(col, row);
            }
        }
        return;
    }
    std::uint32_t first = 0;
    std::uint32_t second = 0;
    ar >> first >> second;
    if (first != kFirstTag || second != kSecondTag) {
        throw CArchiveException(CArchiveException::badClass);
    }
    std::int32_t version = 0;
    std::int32_t cols = 0;
    std::int32_t rows = 0;
    ar >> version >> cols >> rows;
    if (cols <= 0 || rows <= 0 || static_cast<long long>(cols) * rows > kMaxLoadedElements) {
        throw CArchiveException(CArchiveException::badClass);
    }
    CMatrix loaded(cols, rows);
    for (int col = 0; col < cols; ++col) {
        for (int row = 0; row < rows; ++row) {
            double value = 0.0;
            ar >> value;
            loaded.SetAt(col, row, value);
        }
    }
    *this = loaded;
}
