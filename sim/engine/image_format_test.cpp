#include "sim/engine/image_format.h"

#include <gtest/gtest.h>

#include "api/status.h"

namespace qx::sim {
namespace {

ImageInfo firmware_info() {
  ImageInfo info;
  info.type = QX_IMAGE_FIRMWARE;
  info.version = {3, 2, 1, 1044};
  info.device_id = 0x3120;
  info.sub_device_id = 0x0110;
  info.sub_vendor_id = 0x1D7A;
  return info;
}

TEST(ImageFormat, WrittenImagesParseBackAndEveryDamageIsTold) {
  const std::vector<uint8_t> payload = generated_payload(QX_IMAGE_FIRMWARE, {3, 2, 1, 1044}, 1000);
  std::vector<uint8_t> image = write_image(firmware_info(), payload);
  ASSERT_EQ(image.size(), kImageHeaderSize + 1000);
  ImageInfo read;
  ASSERT_EQ(check_image(image, read), kOk);
  EXPECT_EQ(read.version, firmware_info().version);
  EXPECT_EQ(read.sub_vendor_id, 0x1D7A);
  EXPECT_EQ(read.payload_length, 1000u);

  std::vector<uint8_t> bad = image;
  bad[20] ^= 1;  // a version byte: the header CRC no longer fits
  EXPECT_EQ(parse_image_header(bad, read), kImageHeaderInvalid);
  bad = image;
  bad[0] = 'X';
  EXPECT_EQ(parse_image_header(bad, read), kNoImage);
  EXPECT_EQ(parse_image_header(std::span(image).first(kImageHeaderSize - 1), read), kNoImage);
  bad = image;
  bad.back() ^= 1;
  EXPECT_EQ(parse_image_header(bad, read), kOk);  // the header alone does not read the payload
  EXPECT_EQ(check_image(bad, read), kImageDataInvalid);
  bad = image;
  bad.pop_back();
  EXPECT_EQ(check_image(bad, read), kImageDataInvalid);
  bad = image;
  bad.push_back(0);
  EXPECT_EQ(check_image(bad, read), kImageDataInvalid);
}

TEST(ImageFormat, GeneratedPayloadsFollowTypeAndVersionOnly) {
  EXPECT_EQ(generated_payload(3, {1, 0, 0, 0}, 64), generated_payload(3, {1, 0, 0, 0}, 64));
  EXPECT_NE(generated_payload(3, {1, 0, 0, 0}, 64), generated_payload(3, {1, 0, 0, 1}, 64));
  EXPECT_NE(generated_payload(2, {1, 0, 0, 0}, 64), generated_payload(3, {1, 0, 0, 0}, 64));
}

TEST(ImageFormat, Base64RoundTripsEveryLengthAndRefusesOtherText) {
  std::vector<uint8_t> bytes;
  for (int n = 0; n < 7; ++n) {
    const std::vector<uint8_t> data = generated_payload(1, {1, 2, 3, 4}, static_cast<uint32_t>(n));
    ASSERT_TRUE(from_base64(to_base64(data), bytes)) << n;
    EXPECT_EQ(bytes, data) << n;
  }
  EXPECT_EQ(to_base64(std::vector<uint8_t>{'M', 'a'}), "TWE=");
  EXPECT_FALSE(from_base64("TWE", bytes));
  EXPECT_FALSE(from_base64("T=WE", bytes));
  EXPECT_FALSE(from_base64("TW*=", bytes));
}

}  // namespace
}  // namespace qx::sim
