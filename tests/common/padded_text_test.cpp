// Padded texts: pieces copied as fixed blocks, one after the other, leave exactly
// the pieces in order; a piece longer than the padding is copied whole.

#include "common/padded_text.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

TEST(PaddedText, PiecesPutOneAfterTheOtherLeaveTheirBytesInOrder) {
    const PaddedText empty;
    PaddedText head;
    head.Assign({"0\r\nTEXT\r\n", "", "8\r\n"});
    const PaddedText longer(std::string(100, 'L'));  // more than the padding
    EXPECT_EQ(empty.View(), "");
    EXPECT_EQ(head.View(), "0\r\nTEXT\r\n8\r\n");
    EXPECT_EQ(head.size(), 12u);

    std::vector<char> out(400, '#');
    char* at = head.PutTo(out.data());
    at = empty.PutTo(at);
    at = longer.PutTo(at);
    at = PutPadded(at, head.data(), 3);  // the first three bytes of a padded text
    at = head.PutTo(at);
    const std::string expected = "0\r\nTEXT\r\n8\r\n" + std::string(100, 'L') + "0\r\n" + "0\r\nTEXT\r\n8\r\n";
    ASSERT_EQ(static_cast<std::size_t>(at - out.data()), expected.size());
    EXPECT_EQ(std::string(out.data(), expected.size()), expected);
}

TEST(PaddedText, AssignedAgainItHoldsTheNewPiecesAlone) {
    PaddedText text(std::string(90, 'x'));
    text.Assign({"\r\n30\r\n", "7.000"});
    EXPECT_EQ(text.View(), "\r\n30\r\n7.000");
    std::vector<char> out(100, '#');
    EXPECT_EQ(text.PutTo(out.data()), out.data() + 11);
    EXPECT_EQ(std::string(out.data(), 11), "\r\n30\r\n7.000");
}

}  // namespace
