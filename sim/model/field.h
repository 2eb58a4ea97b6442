// One description of each model struct's fields drives the database columns,
// the row binding, the scenario reader and writer, and the generated docs.
//
// A field converts between the struct member and a JSON value; the JSON value
// is also what goes into (and comes out of) the database column, so there is
// exactly one conversion per field kind.
#ifndef QX_SIM_MODEL_FIELD_H
#define QX_SIM_MODEL_FIELD_H

#include <array>
#include <cstdint>
#include <functional>
#include <limits>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <type_traits>
#include <vector>

#include <nlohmann/json.hpp>

namespace qx::sim {

using json = nlohmann::ordered_json;

// A value that does not fit its field. The message names the value and what
// was expected; the caller adds where the value came from.
class FieldError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

enum class FieldKind {
  kInteger,  // JSON number; INTEGER column
  kBool,     // JSON true/false; INTEGER column 0/1
  kText,     // JSON string of bounded length; TEXT column
  kHex,      // JSON string of hexadecimal digits (a fixed byte array); TEXT column
  kVersion,  // JSON string "a.b.c.d"; TEXT column
  kList,     // JSON array of integers; TEXT column holding the JSON text
  kEnum,     // JSON string out of a fixed set of names; TEXT column
};

template <class T>
struct Field {
  std::string name;
  FieldKind kind;
  json default_value;
  int64_t min = 0;                   // integers and list elements: range; text: unused
  int64_t max = 0;                   // integers: range; text: maximum length; hex: byte count
  std::vector<std::string> choices;  // enum names
  std::string feeds;                 // the library record field it feeds, for docs
  std::string doc;
  bool in_scenario = true;  // false: kept in the database only (internal bookkeeping)
  std::function<json(const T&)> get;
  std::function<void(T&, const json&)> set;  // validates; throws FieldError
  // Shortcuts for reading database columns without a JSON value in between
  // (rows are read far more often than scenarios), with the same checks as
  // `set`: set_integer for integer and boolean columns, set_text for the
  // text of every other kind (a list's is its JSON text).
  std::function<void(T&, int64_t)> set_integer;
  std::function<void(T&, std::string&&)> set_text;
};

// The fields of one model struct and the table that stores it.
template <class T>
struct Model {
  std::string table;  // database table and scenario key
  std::string doc;
  std::vector<std::string> key;  // key columns (besides "adapter" for per-adapter tables)
  bool per_adapter = true;       // rows belong to an adapter (an "adapter" column)
  std::vector<Field<T>> fields;
  // Indexes beside the key, for the queries that run on every call: each a
  // name and what follows "ON table" in its CREATE INDEX statement.
  struct Index {
    std::string name;
    std::string definition;
  };
  std::vector<Index> indexes;

  const Field<T>* find(std::string_view name) const {
    for (const Field<T>& f : fields)
      if (f.name == name) return &f;
    return nullptr;
  }
  // A struct with every field at its default.
  T defaults() const {
    T value{};
    for (const Field<T>& f : fields) f.set(value, f.default_value);
    return value;
  }
};

// --- value checks shared by every field kind --------------------------------

std::string describe(const json& value);  // short text of a value for messages
int64_t expect_integer(const json& value, int64_t min, int64_t max);
int64_t check_range(int64_t value, int64_t min, int64_t max);  // the value, or FieldError
bool expect_bool(const json& value);
const std::string& expect_string(const json& value);
// At most `bytes` bytes as hexadecimal digits, two per byte; missing bytes are zero.
std::vector<uint8_t> parse_hex(const std::string& text, size_t bytes);
std::string format_hex(const uint8_t* data, size_t bytes);
std::array<int64_t, 4> parse_version(const std::string& text, int64_t max_part);
std::string format_version(const std::array<int64_t, 4>& parts);
// The integers of a list as a column holds it ("[1,2,3]"), each within
// [min, max]; nothing when the text is in another form or a number is out of
// range, for the caller to read it as JSON and report what is wrong.
std::optional<std::vector<int64_t>> plain_integer_list(std::string_view text, int64_t min, int64_t max);

// The `set` of a field whose JSON value is a string: the string, checked,
// to the field's set_text.
template <class T>
std::function<void(T&, const json&)> text_setter(std::function<void(T&, std::string&&)> set_text) {
  return [set_text = std::move(set_text)](T& o, const json& v) { set_text(o, std::string(expect_string(v))); };
}

// --- builders ---------------------------------------------------------------

// What every field has, whatever its kind.
template <class T>
Field<T> field_of_kind(std::string name, FieldKind kind, json default_value, std::string feeds, std::string doc,
                       int64_t min = 0, int64_t max = 0) {
  Field<T> f;
  f.name = std::move(name);
  f.kind = kind;
  f.default_value = std::move(default_value);
  f.min = min;
  f.max = max;
  f.feeds = std::move(feeds);
  f.doc = std::move(doc);
  return f;
}

// A container of integers as a JSON array.
template <class C>
json integer_array(const C& items) {
  json out = json::array();
  for (auto item : items) out.push_back(static_cast<int64_t>(item));
  return out;
}

template <class T, class M>
Field<T> integer_field(std::string name, M T::*member, int64_t def, std::string feeds, std::string doc,
                       int64_t min = static_cast<int64_t>(std::numeric_limits<M>::min()),
                       int64_t max = static_cast<int64_t>(std::numeric_limits<M>::max())) {
  static_assert(std::is_integral_v<M> && !std::is_same_v<M, bool>);
  Field<T> f = field_of_kind<T>(std::move(name), FieldKind::kInteger, def, std::move(feeds), std::move(doc), min, max);
  f.get = [member](const T& o) { return json(static_cast<int64_t>(o.*member)); };
  f.set = [member, min, max](T& o, const json& v) { o.*member = static_cast<M>(expect_integer(v, min, max)); };
  f.set_integer = [member, min, max](T& o, int64_t v) { o.*member = static_cast<M>(check_range(v, min, max)); };
  return f;
}

template <class T>
Field<T> bool_field(std::string name, bool T::*member, bool def, std::string feeds, std::string doc) {
  Field<T> f = field_of_kind<T>(std::move(name), FieldKind::kBool, def, std::move(feeds), std::move(doc));
  f.get = [member](const T& o) { return json(o.*member); };
  f.set = [member](T& o, const json& v) { o.*member = expect_bool(v); };
  f.set_integer = [member](T& o, int64_t v) { o.*member = v != 0; };
  return f;
}

template <class T>
Field<T> text_field(std::string name, std::string T::*member, size_t max_length, std::string def, std::string feeds,
                    std::string doc) {
  Field<T> f = field_of_kind<T>(std::move(name), FieldKind::kText, def, std::move(feeds), std::move(doc), 0,
                                static_cast<int64_t>(max_length));
  f.get = [member](const T& o) { return json(o.*member); };
  f.set = [member, max_length](T& o, const json& v) {
    const std::string& s = expect_string(v);
    if (s.size() > max_length)
      throw FieldError(describe(v) + " is longer than " + std::to_string(max_length) + " characters");
    o.*member = s;
  };
  f.set_text = [member, max_length](T& o, std::string&& s) {
    if (s.size() > max_length)
      throw FieldError(describe(json(s)) + " is longer than " + std::to_string(max_length) + " characters");
    o.*member = std::move(s);
  };
  return f;
}

template <class T, size_t N>
Field<T> hex_field(std::string name, std::array<uint8_t, N> T::*member, std::string def, std::string feeds,
                   std::string doc) {
  Field<T> f = field_of_kind<T>(std::move(name), FieldKind::kHex, def, std::move(feeds), std::move(doc), 0,
                                static_cast<int64_t>(N));
  f.get = [member](const T& o) { return json(format_hex((o.*member).data(), N)); };
  f.set_text = [member](T& o, std::string&& text) {
    std::vector<uint8_t> bytes = parse_hex(text, N);
    std::copy(bytes.begin(), bytes.end(), (o.*member).begin());
  };
  f.set = text_setter(f.set_text);
  return f;
}

template <class T, class E>
Field<T> version_field(std::string name, std::array<E, 4> T::*member, std::string def, std::string feeds,
                       std::string doc) {
  Field<T> f = field_of_kind<T>(std::move(name), FieldKind::kVersion, def, std::move(feeds), std::move(doc), 0,
                                static_cast<int64_t>(std::numeric_limits<E>::max()));
  f.get = [member](const T& o) {
    std::array<int64_t, 4> parts{};
    for (size_t i = 0; i < 4; ++i) parts[i] = static_cast<int64_t>((o.*member)[i]);
    return json(format_version(parts));
  };
  f.set_text = [member](T& o, std::string&& text) {
    std::array<int64_t, 4> parts = parse_version(text, static_cast<int64_t>(std::numeric_limits<E>::max()));
    for (size_t i = 0; i < 4; ++i) (o.*member)[i] = static_cast<E>(parts[i]);
  };
  f.set = text_setter(f.set_text);
  return f;
}

// Bytes of any count up to `max_bytes`, as hexadecimal digits, two per byte.
template <class T>
Field<T> bytes_field(std::string name, std::vector<uint8_t> T::*member, size_t max_bytes, std::string feeds,
                     std::string doc) {
  Field<T> f = field_of_kind<T>(std::move(name), FieldKind::kHex, "", std::move(feeds), std::move(doc), 0,
                                static_cast<int64_t>(max_bytes));
  f.get = [member](const T& o) { return json(format_hex((o.*member).data(), (o.*member).size())); };
  f.set_text = [member, max_bytes](T& o, std::string&& text) {
    std::vector<uint8_t> bytes = parse_hex(text, max_bytes);
    bytes.resize(text.size() / 2);
    o.*member = std::move(bytes);
  };
  f.set = text_setter(f.set_text);
  return f;
}

// A fixed-size array of small integers, written as a JSON array of exactly N numbers.
template <class T, class E, size_t N>
Field<T> list_field(std::string name, std::array<E, N> T::*member, json def, std::string feeds, std::string doc,
                    int64_t min = static_cast<int64_t>(std::numeric_limits<E>::min()),
                    int64_t max = static_cast<int64_t>(std::numeric_limits<E>::max())) {
  Field<T> f =
      field_of_kind<T>(std::move(name), FieldKind::kList, std::move(def), std::move(feeds), std::move(doc), min, max);
  f.get = [member](const T& o) { return integer_array(o.*member); };
  f.set = [member, min, max](T& o, const json& v) {
    if (!v.is_array() || v.size() != N)
      throw FieldError("expected a list of " + std::to_string(N) + " numbers, got " + describe(v));
    for (size_t i = 0; i < N; ++i) (o.*member)[i] = static_cast<E>(expect_integer(v[i], min, max));
  };
  f.set_text = [member, min, max, set = f.set](T& o, std::string&& text) {
    std::optional<std::vector<int64_t>> items = plain_integer_list(text, min, max);
    if (!items || items->size() != N) return set(o, json::parse(text));
    for (size_t i = 0; i < N; ++i) (o.*member)[i] = static_cast<E>((*items)[i]);
  };
  return f;
}

// A list of up to `max_items` integers of any length, held in a vector.
template <class T, class E>
Field<T> vector_field(std::string name, std::vector<E> T::*member, size_t max_items, std::string feeds, std::string doc,
                      int64_t min = static_cast<int64_t>(std::numeric_limits<E>::min()),
                      int64_t max = static_cast<int64_t>(std::numeric_limits<E>::max())) {
  Field<T> f =
      field_of_kind<T>(std::move(name), FieldKind::kList, json::array(), std::move(feeds), std::move(doc), min, max);
  f.get = [member](const T& o) { return integer_array(o.*member); };
  f.set = [member, max_items, min, max](T& o, const json& v) {
    if (!v.is_array() || v.size() > max_items)
      throw FieldError("expected a list of at most " + std::to_string(max_items) + " numbers, got " + describe(v));
    std::vector<E> items;
    for (const json& item : v) items.push_back(static_cast<E>(expect_integer(item, min, max)));
    o.*member = std::move(items);
  };
  f.set_text = [member, max_items, min, max, set = f.set](T& o, std::string&& text) {
    std::optional<std::vector<int64_t>> items = plain_integer_list(text, min, max);
    if (!items || items->size() > max_items) return set(o, json::parse(text));
    (o.*member).assign(items->begin(), items->end());
  };
  return f;
}

// One name out of a fixed set; stored as the name, held in the struct as its index.
template <class T, class E>
Field<T> enum_field(std::string name, E T::*member, std::vector<std::string> choices, E def, std::string feeds,
                    std::string doc) {
  static_assert(std::is_enum_v<E>);
  Field<T> f = field_of_kind<T>(std::move(name), FieldKind::kEnum, choices.at(static_cast<size_t>(def)),
                                std::move(feeds), std::move(doc));
  f.choices = choices;
  f.get = [member, choices](const T& o) { return json(choices.at(static_cast<size_t>(o.*member))); };
  f.set_text = [member, choices](T& o, std::string&& s) {
    for (size_t i = 0; i < choices.size(); ++i) {
      if (choices[i] == s) {
        o.*member = static_cast<E>(i);
        return;
      }
    }
    std::string all;
    for (const std::string& c : choices) all += (all.empty() ? "" : ", ") + c;
    throw FieldError(describe(json(s)) + " is not one of: " + all);
  };
  f.set = text_setter(f.set_text);
  return f;
}

}  // namespace qx::sim

#endif  // QX_SIM_MODEL_FIELD_H
