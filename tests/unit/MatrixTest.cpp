#include "geometry/Matrix.h"

#include "platform/Archive.h"
#include "platform/Exceptions.h"

#include <gtest/gtest.h>

namespace {

CMatrix Row4(double a, double b, double c, double d) {
    CMatrix row(4, 1);
    row.SetAt(0, 0, a);
    row.SetAt(1, 0, b);
    row.SetAt(2, 0, c);
    row.SetAt(3, 0, d);
    return row;
}

CMatrix Identity4() {
    CMatrix m(4, 4);
    for (int i = 0; i < 4; ++i) {
        m.SetAt(i, i, 1.0);
    }
    return m;
}

TEST(Matrix, NewMatricesHoldZeros) {
    const CMatrix row(3, 1);
    const CMatrix square(4, 4);
    EXPECT_EQ(row.GetCols(), 3);
    EXPECT_EQ(row.GetRows(), 1);
    for (int c = 0; c < 3; ++c) {
        EXPECT_EQ(row.GetAt(c, 0), 0.0);
    }
    for (int r = 0; r < 4; ++r) {
        for (int c = 0; c < 4; ++c) {
            EXPECT_EQ(square.GetAt(c, r), 0.0);
        }
    }
    EXPECT_EQ(square.GetShareCount(), 1);
}

// b was made a copy of a; writing b must leave a alone and give each its own block.
void ExpectCopyOnWrite(const CMatrix& a, CMatrix& b) {
    EXPECT_EQ(b.GetData(), a.GetData());
    EXPECT_EQ(a.GetShareCount(), 2);
    b.SetAt(0, 0, 5.0);
    EXPECT_NE(b.GetData(), a.GetData());
    EXPECT_EQ(a.GetAt(0, 0), 1.0);
    EXPECT_EQ(b.GetAt(0, 0), 5.0);
    EXPECT_EQ(a.GetShareCount(), 1);
    EXPECT_EQ(b.GetShareCount(), 1);
}

TEST(Matrix, CopiesShareUntilOneIsWritten) {
    CMatrix a(4, 4);
    a.SetAt(0, 0, 1.0);
    {
        CMatrix copied(a);
        ExpectCopyOnWrite(a, copied);
    }
    CMatrix assigned(2, 2);
    assigned = a;
    EXPECT_EQ(assigned.GetCols(), 4);
    ExpectCopyOnWrite(a, assigned);
}

TEST(Matrix, WritingAnUnsharedMatrixKeepsItsBlock) {
    CMatrix a(4, 4);
    const double* block = a.GetData();
    a.SetAt(3, 3, 2.0);
    EXPECT_EQ(a.GetData(), block);
}

TEST(Matrix, SelfAssignmentChangesNothing) {
    CMatrix a(4, 4);
    const double* block = a.GetData();
    CMatrix& alias = a;
    a = alias;
    EXPECT_EQ(a.GetData(), block);
    EXPECT_EQ(a.GetShareCount(), 1);
}

TEST(Matrix, ProductsOfRowsAndSquares) {
    const CMatrix p = Row4(1, 2, 3, 1);
    const CMatrix same = p.Multiply(Identity4());
    CMatrix translate = Identity4();
    translate.SetAt(0, 3, 10);
    translate.SetAt(1, 3, 20);
    translate.SetAt(2, 3, 30);
    const CMatrix moved = p.Multiply(translate);
    for (int c = 0; c < 4; ++c) {
        EXPECT_EQ(same.GetAt(c, 0), p.GetAt(c, 0));
    }
    EXPECT_EQ(moved.GetAt(0, 0), 11);
    EXPECT_EQ(moved.GetAt(1, 0), 22);
    EXPECT_EQ(moved.GetAt(2, 0), 33);
    EXPECT_EQ(moved.GetAt(3, 0), 1);
    EXPECT_EQ(p.GetAt(0, 0), 1); // operands unchanged
}

TEST(Matrix, MultiplyByTakesTheProductsShape) {
    CMatrix row = Row4(1, 2, 3, 1);
    row.MultiplyBy(Identity4());
    EXPECT_EQ(row.GetCols(), 4);
    EXPECT_EQ(row.GetRows(), 1);
    CMatrix square = Identity4();
    square.MultiplyBy(Identity4());
    EXPECT_EQ(square.GetCols(), 4);
    EXPECT_EQ(square.GetRows(), 4);
}

TEST(Matrix, MismatchedSizesRaiseTheText) {
    const CMatrix a = Row4(1, 2, 3, 1);
    try {
        (void)a.Multiply(a);
        FAIL() << "no error";
    } catch (const CTextException& e) {
        EXPECT_EQ(e.GetText(), "Matrices do not have common size");
    }
}

TEST(Matrix, SerializesTagsHeaderAndColumnMajorElements) {
    CMatrix m(2, 3);
    for (int r = 0; r < 3; ++r) {
        for (int c = 0; c < 2; ++c) {
            m.SetAt(c, r, 10.0 * r + c); // row r, column c
        }
    }
    std::vector<std::uint8_t> stream;
    CArchive store(stream, CArchive::store);
    m.Serialize(store);
    ASSERT_EQ(stream.size(), 5u * 4 + 6 * 8);
    const std::vector<std::uint8_t> header = {0x74, 0x61, 0x4D, 0x43, 0x43, 0x78, 0x69, 0x72, 1, 0,
                                              0,    0,    2,    0,    0,    0,    3,    0,    0, 0};
    EXPECT_EQ(std::vector<std::uint8_t>(stream.begin(), stream.begin() + 20), header);
    std::vector<double> elements;
    CArchive reader(stream, CArchive::load);
    std::int32_t skip = 0;
    for (int i = 0; i < 5; ++i) {
        reader >> skip;
    }
    for (int i = 0; i < 6; ++i) {
        double value = 0;
        reader >> value;
        elements.push_back(value);
    }
    EXPECT_EQ(elements, (std::vector<double>{0, 10, 20, 1, 11, 21}));

    CMatrix loaded;
    CArchive load(stream, CArchive::load);
    loaded.Serialize(load);
    ASSERT_EQ(loaded.GetCols(), 2);
    ASSERT_EQ(loaded.GetRows(), 3);
    for (int r = 0; r < 3; ++r) {
        for (int c = 0; c < 2; ++c) {
            EXPECT_EQ(loaded.GetAt(c, r), m.GetAt(c, r));
        }
    }
}

TEST(Matrix, LoadingRejectsWrongTags) {
    std::vector<std::uint8_t> stream;
    CArchive store(stream, CArchive::store);
    CMatrix(1, 1).Serialize(store);
    stream[4] ^= 1;
    CMatrix loaded;
    CArchive load(stream, CArchive::load);
    try {
        loaded.Serialize(load);
        FAIL() << "no error";
    } catch (const CArchiveException& e) {
        EXPECT_EQ(e.m_cause, CArchiveException::badClass);
    }
}

TEST(Matrix, CanBeCreatedByClassName) {
    const CRuntimeClass* runtimeClass = CRuntimeClass::FromName("CMatrix");
    ASSERT_NE(runtimeClass, nullptr);
    EXPECT_EQ(runtimeClass->m_wSchema, 1u);
    const auto object = runtimeClass->CreateObject();
    ASSERT_NE(object, nullptr);
    EXPECT_TRUE(object->IsKindOf(&CMatrix::classCMatrix));
    const auto& matrix = static_cast<const CMatrix&>(*object);
    EXPECT_EQ(matrix.GetCols(), 1);
    EXPECT_EQ(matrix.GetRows(), 1);
}

} // namespace
