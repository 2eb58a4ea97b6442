// Values read from the state, kept across the read-only calls of one
// process while the state stays as it was.
//
// A listing makes one call per object after reading a page of objects (the
// PD display asks for each disk's configuration, blocks, free space and
// running OS). Without a memo each of those calls reads again what the page
// already read, and the engine reads the clock, the faults and the adapter
// on every call. The memo is valid for one state version: a change
// committed by this connection or by another process drops it. It is used
// inside read-only calls, and by a call that may write only for what it
// looks at before its body (clock, faults, adapter): the body reads the
// database, so it never sees a value from before its own change.
#ifndef QX_SIM_STORE_READ_MEMO_H
#define QX_SIM_STORE_READ_MEMO_H

#include <any>
#include <charconv>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <utility>

namespace qx::sim {

class ReadMemo {
 public:
  // A read-only call starts on the state at `version`: values of another
  // version are dropped.
  void begin_read(uint64_t version) {
    if (version != version_) {
      values_.clear();
      version_ = version;
    }
    active_ = true;
  }
  void end_read() { active_ = false; }
  bool active() const { return active_; }

  template <class T>
  const T* find(const std::string& key) const {
    auto it = values_.find(key);
    return it == values_.end() ? nullptr : std::any_cast<T>(&it->second);
  }
  template <class T>
  const T& put(const std::string& key, T value) {
    std::any& slot = values_[key];
    slot = std::move(value);
    return *std::any_cast<T>(&slot);
  }

 private:
  std::unordered_map<std::string, std::any> values_;
  uint64_t version_ = ~uint64_t{0};
  bool active_ = false;
};

// The key of a value of one kind for one adapter ("adapter:0") or one of its
// objects ("disk:0:12"). Listings build thousands of these, so the numbers
// are written in place rather than through temporary strings, and kinds are
// named short enough for most keys to fit in the string itself.
inline std::string memo_key(std::string_view kind, int adapter, std::optional<int64_t> id = std::nullopt) {
  std::string key(kind);
  auto append = [&key](int64_t value) {
    char digits[24];
    const char* end = std::to_chars(digits, digits + sizeof digits, value).ptr;
    key += ':';
    key.append(digits, static_cast<size_t>(end - digits));
  };
  append(adapter);
  if (id) append(*id);
  return key;
}

// The value under `key`: remembered in a read-only call, read with `load`
// on a miss, and always read with `load` outside one.
template <class T, class Db, class Load>
T memoized(Db& db, const std::string& key, Load load) {
  ReadMemo& memo = db.memo();
  if (!memo.active()) return load();
  if (const T* value = memo.template find<T>(key)) return *value;
  return memo.put(key, T(load()));
}

// Like `memoized`, without a copy: the value remembered in a read-only call,
// or, outside one, the value just read and kept in `local`. The reference
// holds for the rest of the call (the memo drops values only when the next
// call finds another version).
template <class T, class Db, class Load>
const T& memoized_in_place(Db& db, const std::string& key, std::optional<T>& local, Load load) {
  ReadMemo& memo = db.memo();
  if (!memo.active()) return local.emplace(load());
  if (const T* value = memo.template find<T>(key)) return *value;
  return memo.put(key, T(load()));
}

// Puts a value read along with others (a page of rows) under `key`, for the
// calls that follow; does nothing outside a read-only call.
template <class T, class Db>
void remember(Db& db, const std::string& key, T value) {
  ReadMemo& memo = db.memo();
  if (memo.active()) memo.put(key, std::move(value));
}

}  // namespace qx::sim

#endif  // QX_SIM_STORE_READ_MEMO_H
