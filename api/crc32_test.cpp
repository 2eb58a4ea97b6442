#include "api/crc32.h"

#include <cstring>

#include <gtest/gtest.h>

namespace qx {
namespace {

uint32_t checksum_of(const char* text) {
  return data_checksum(reinterpret_cast<const uint8_t*>(text), static_cast<uint16_t>(std::strlen(text)));
}

// The known values pin the table, the reflection, the start value and the
// missing final inversion: a change to any of them moves every one.
TEST(DataChecksum, MatchesTheComplementOfTheUsualCrc) {
  EXPECT_EQ(checksum_of(""), 0xFFFFFFFFu);
  EXPECT_EQ(checksum_of("abc"), 0xCADBBE3Du);
  EXPECT_EQ(checksum_of("123456789"), ~0xCBF43926u);
  const uint8_t zeros[512] = {};
  EXPECT_NE(data_checksum(zeros, 512), data_checksum(zeros, 511));
}

TEST(Crc32, IsTheStandardOneAndGoesOnOverPieces) {
  const uint8_t text[] = {'1', '2', '3', '4', '5', '6', '7', '8', '9'};
  EXPECT_EQ(crc32(text), 0xCBF43926u);
  EXPECT_EQ(crc32({}), 0u);
  EXPECT_EQ(crc32(std::span(text).subspan(4), crc32(std::span(text).first(4))), 0xCBF43926u);
}

}  // namespace
}  // namespace qx
