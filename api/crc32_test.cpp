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

}  // namespace
}  // namespace qx
