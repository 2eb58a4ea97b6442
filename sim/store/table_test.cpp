// Rows read back from their columns: key ranges, and column text that this
// program did not write in its own plain form.
#include "sim/store/table.h"

#include <gtest/gtest.h>

#include "sim/model/array.h"
#include "sim/model/vd.h"
#include "sim/testing/temp_state.h"

namespace qx::sim {
namespace {

using testing::TempState;

TEST(Table, KeyRangesKeepToTheirAdapterBoundsAndLimit) {
  TempState state("empty");
  std::unique_ptr<Db> db = state.open();
  for (int adapter : {0, 1})
    for (int id : {2, 5, 9}) {
      Array a = array_model().defaults();
      a.id = static_cast<uint16_t>(id + adapter);
      insert_row(*db, array_model(), adapter, a);
    }
  auto ids = [](const std::vector<Array>& rows) {
    std::vector<int> out;
    for (const Array& a : rows) out.push_back(a.id);
    return out;
  };
  EXPECT_EQ(ids(select_key_range(*db, array_model(), 0, 3, kLastKey)), (std::vector<int>{5, 9}));
  EXPECT_EQ(ids(select_key_range(*db, array_model(), 1, 0, kLastKey, 2)), (std::vector<int>{3, 6}));
  EXPECT_EQ(ids(select_rows(*db, array_model(), 1)), (std::vector<int>{3, 6, 10}));
  EXPECT_FALSE(select_by_id(*db, array_model(), 1, 2)) << "array 2 is adapter 0's";
  EXPECT_EQ(select_by_id(*db, array_model(), 0, 9)->id, 9);
}

TEST(Table, ListColumnsReadInAnyJsonFormAndRefuseNumbersOutOfRange) {
  TempState state("empty");
  std::unique_ptr<Db> db = state.open();
  Array a = array_model().defaults();
  a.id = 1;
  insert_row(*db, array_model(), 0, a);
  auto set_pds = [&](const std::string& text) {
    Stmt stmt = db->prepare("UPDATE arrays SET pds = ?1 WHERE adapter = 0 AND id = 1");
    stmt.bind(1, text).run();
  };
  set_pds("[3,0,65535]");
  EXPECT_EQ(select_by_id(*db, array_model(), 0, 1)->pds, (std::vector<uint16_t>{3, 0, 65535}));
  set_pds(" [ 4 , 5 ] ");
  EXPECT_EQ(select_by_id(*db, array_model(), 0, 1)->pds, (std::vector<uint16_t>{4, 5}));
  set_pds("[]");
  EXPECT_TRUE(select_by_id(*db, array_model(), 0, 1)->pds.empty());
  for (const char* bad : {"[1,65536]", "[-1]", "[1,]", "[1.5]"}) {
    set_pds(bad);
    EXPECT_ANY_THROW(select_by_id(*db, array_model(), 0, 1)) << bad;
  }
  Stmt key = db->prepare("UPDATE vds SET key = ?1");
  Vd v = vd_model().defaults();
  insert_row(*db, vd_model(), 0, v);
  key.bind(1, std::string("[1,2]")).run();
  EXPECT_ANY_THROW(select_by_id(*db, vd_model(), 0, v.id)) << "a fixed list of three numbers";
}

}  // namespace
}  // namespace qx::sim
