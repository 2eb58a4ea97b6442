#include "sim/engine/flash_store.h"

#include <gtest/gtest.h>

#include <cstring>
#include <memory>

#include "api/status.h"
#include "sim/model/adapter.h"

namespace qx::sim {
namespace {

std::unique_ptr<QX_FLASH_PAGE> page_of(uint16_t number, uint32_t length) {
  auto page = std::make_unique<QX_FLASH_PAGE>();
  page->page_number = number;
  page->length = length;
  std::memset(page->data, number + 1, QX_FLASH_PAGE_SIZE);
  return page;
}

TEST(ImageUpload, TakesPagesInOrderWithinCapacity) {
  ImageUpload upload;
  upload.clear(QX_FLASH_PAGE_SIZE + 10);
  EXPECT_EQ(upload.add(*page_of(1, 10)), kWrongData);  // no page 0 yet
  EXPECT_EQ(upload.add(*page_of(0, QX_FLASH_PAGE_SIZE)), kOk);
  EXPECT_EQ(upload.add(*page_of(0, 10)), kWrongData);  // page 0 again, without starting over
  EXPECT_EQ(upload.add(*page_of(2, 10)), kWrongData);
  EXPECT_EQ(upload.add(*page_of(1, 0)), kInvalidParameter);
  EXPECT_EQ(upload.add(*page_of(1, QX_FLASH_PAGE_SIZE + 1)), kInvalidParameter);
  EXPECT_EQ(upload.add(*page_of(1, 11)), kOutOfRange);
  EXPECT_EQ(upload.add(*page_of(1, 10)), kOk);
  ASSERT_EQ(upload.bytes().size(), QX_FLASH_PAGE_SIZE + 10u);
  EXPECT_EQ(upload.bytes().back(), 2);
  upload.clear(100);
  EXPECT_EQ(upload.add(*page_of(0, 5)), kOk);
  EXPECT_EQ(upload.bytes().size(), 5u);
}

uint8_t fill_page(const std::vector<uint8_t>& bytes, uint16_t page_number, QX_FLASH_PAGE& page) {
  ImageSnapshot snapshot;
  snapshot.hold(bytes);
  return snapshot.fill(page_number, page);
}

TEST(FillPage, FlagsTheLastPageAlsoWhenItIsFull) {
  std::vector<uint8_t> bytes(2 * QX_FLASH_PAGE_SIZE, 7);
  auto page = std::make_unique<QX_FLASH_PAGE>();
  ASSERT_EQ(fill_page(bytes, 0, *page), kOk);
  EXPECT_EQ(page->last_page, 0);
  ASSERT_EQ(fill_page(bytes, 1, *page), kOk);
  EXPECT_EQ(page->last_page, 1);
  EXPECT_EQ(page->length, uint32_t{QX_FLASH_PAGE_SIZE});
  EXPECT_EQ(fill_page(bytes, 2, *page), kWrongData);
  bytes.push_back(9);
  ASSERT_EQ(fill_page(bytes, 2, *page), kOk);
  EXPECT_EQ(page->length, 1u);
  EXPECT_EQ(page->data[0], 9);
}

TEST(UpdateHeader, TypeAndSubIdsDecideAndOwnIdsWaiveTheSubIds) {
  Adapter a;
  a.vendor_id = 0x1D7A;
  a.subsystem_vendor_id = 0x1D7A;
  a.device_id = 0x3120;
  a.subsystem_id = 0x0110;
  ImageInfo header;
  header.type = QX_IMAGE_FIRMWARE;
  header.device_id = 0x9999;  // another device: no refusal
  EXPECT_EQ(check_update_header(header, QX_IMAGE_FIRMWARE, a), kOk);
  EXPECT_EQ(check_update_header(header, QX_IMAGE_FW_BACKUP, a), kOk);
  EXPECT_EQ(check_update_header(header, QX_IMAGE_BIOS, a), kInvalidFlashType);
  header.sub_vendor_id = 0x1234;
  EXPECT_EQ(check_update_header(header, QX_IMAGE_FIRMWARE, a), kAdapterIdMismatch);
  header.sub_vendor_id = 0;
  header.sub_device_id = 0x0111;
  EXPECT_EQ(check_update_header(header, QX_IMAGE_FIRMWARE, a), kAdapterIdMismatch);
  a.subsystem_id = a.device_id;
  EXPECT_EQ(check_update_header(header, QX_IMAGE_FIRMWARE, a), kOk);
}

TEST(ImageHealth, EachByteFollowsItsRegionAndTheFirstNeedsThemAll) {
  using S = ImageState;
  std::vector<std::pair<uint8_t, ImageState>> regions = {
      {QX_IMAGE_CONFIG, S::kValid}, {QX_IMAGE_BIN, S::kValid}, {QX_IMAGE_BIOS, S::kErased},
      {QX_IMAGE_FIRMWARE, S::kValid}, {QX_IMAGE_RAW, S::kValid}};
  EXPECT_EQ(image_health(regions), (std::array<uint8_t, 6>{0, 0, 1, 1, 0, 1}));  // no autoload region
  regions[2].second = S::kValid;
  regions.push_back({QX_IMAGE_AUTOLOAD, S::kValid});
  EXPECT_EQ(image_health(regions), (std::array<uint8_t, 6>{1, 1, 1, 1, 1, 1}));
  regions[4].second = S::kHeaderCorrupt;  // raw counts only for the whole
  EXPECT_EQ(image_health(regions), (std::array<uint8_t, 6>{0, 1, 1, 1, 1, 1}));
}

}  // namespace
}  // namespace qx::sim
