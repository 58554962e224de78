#include "platform/archive.h"

#include <gtest/gtest.h>

#include <cmath>

#include "platform/archive_exception.h"

namespace {

TEST(CArchive, NumbersAreLittleEndian) {
    std::string bytes;
    CArchive out(bytes);
    out << std::int32_t{-2} << 1.0f;
    EXPECT_EQ(bytes, std::string("\xFE\xFF\xFF\xFF\x00\x00\x80\x3F", 8));
    CArchive in{std::string_view(bytes)};
    std::int32_t i;
    float f;
    in >> i >> f;
    EXPECT_EQ(i, -2);
    EXPECT_EQ(f, 1.0f);
    EXPECT_THROW(in >> i, CArchiveException);
}

TEST(CArchive, NotANumberKeepsItsBits) {
    std::string bytes("\x01\x00\xC0\x7F", 4);
    CArchive in{std::string_view(bytes)};
    float f;
    in >> f;
    EXPECT_TRUE(std::isnan(f));
    std::string again;
    CArchive out(again);
    out << f;
    EXPECT_EQ(again, bytes);
}

}  // namespace
