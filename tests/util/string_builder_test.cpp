#include "util/string_builder.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <string>

namespace pv {
namespace {

using namespace std::string_literals;

TEST(StringBuilder, ComposesRecordsFromTextCharactersAndIntegers) {
    TvdStringBuilder b;
    const std::string path = "C:\\a\\b.exe";
    const char* missing = nullptr;
    b.Append("^ExeLnk|").Append(path).Append('|').Append(missing).Append(std::string_view("x\0y", 3)).AppendLine();
    b.Append(-7).Append(' ').Append(uint8_t{200}).Append(' ').Append(std::numeric_limits<int64_t>::min()).Append(' ');
    b.Append(std::numeric_limits<uint64_t>::max()).AppendLine(" end");
    b.AppendLine("^NorSep|");

    EXPECT_EQ(b.Text(), "^ExeLnk|C:\\a\\b.exe|x\0y\r\n"
                        "-7 200 -9223372036854775808 18446744073709551615 end\r\n"
                        "^NorSep|\r\n"s);
    EXPECT_EQ(b.Length(), b.Text().size());
    EXPECT_EQ(&b.ToString(), &b.Text());
}

TEST(StringBuilder, ClearEmptiesForReuse) {
    TvdStringBuilder b;
    EXPECT_TRUE(b.IsEmpty());
    b.Reserve(100);
    EXPECT_TRUE(b.IsEmpty());
    b.AppendLine("first");
    b.Clear();
    EXPECT_TRUE(b.IsEmpty());
    EXPECT_EQ(b.Length(), 0u);
    b.Append(1);
    EXPECT_EQ(b.Text(), "1");
}

// Geometric growth: a million one-character appends move the text only a few dozen
// times, where growth by a fixed step would copy it on almost every append.
TEST(StringBuilder, ManySmallAppendsReallocateRarely) {
    TvdStringBuilder b;
    int moves = 0;
    const char* data = b.Text().data();
    for (int i = 0; i < 1000000; ++i) {
        b.Append('a');
        if (b.Text().data() != data) {
            ++moves;
            data = b.Text().data();
        }
    }
    EXPECT_EQ(b.Length(), 1000000u);
    EXPECT_LT(moves, 64);
}

}  // namespace
}  // namespace pv
