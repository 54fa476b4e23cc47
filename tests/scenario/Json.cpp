// Json.cpp -- a recursive-descent reader for the trace's JSON subset.
#include "tests/scenario/Json.h"

#include <charconv>
#include <cmath>
#include <set>
#include <stdexcept>

namespace tests::scenario {

namespace {

const char* KindName(Json::Kind kind) {
  switch (kind) {
    case Json::Kind::kNumber:
      return "a number";
    case Json::Kind::kArray:
      return "an array";
    case Json::Kind::kObject:
      return "an object";
    default:
      return "nothing";
  }
}

const std::vector<std::string>* Intern(std::vector<std::string> keys) {
  static std::set<std::vector<std::string>> shapes;
  return &*shapes.insert(std::move(keys)).first;
}

const std::vector<std::string> kNoKeys;

}  // namespace

class JsonParser {
 public:
  explicit JsonParser(std::string_view text) : text_(text) {}

  Json Document() {
    Json value = Value(0);
    SkipSpace();
    if (at_ != text_.size()) Fail("text after the value");
    return value;
  }

 private:
  // Deep enough for any trace; a bound keeps a broken line from exhausting the stack.
  static constexpr int kMaxDepth = 64;

  [[noreturn]] void Fail(const std::string& why) const {
    throw std::runtime_error("json: " + why + " at offset " + std::to_string(at_));
  }
  void SkipSpace() {
    while (at_ < text_.size() &&
           (text_[at_] == ' ' || text_[at_] == '\t' || text_[at_] == '\n' || text_[at_] == '\r'))
      ++at_;
  }
  // Skips space, then consumes c if it comes next.
  bool Take(char c) {
    SkipSpace();
    if (at_ < text_.size() && text_[at_] == c) {
      ++at_;
      return true;
    }
    return false;
  }
  void Need(char c) {
    if (!Take(c)) Fail(std::string("expected '") + c + "'");
  }

  Json Value(int depth) {
    if (depth > kMaxDepth) Fail("nesting too deep");
    SkipSpace();
    if (at_ >= text_.size()) Fail("unexpected end");
    const char c = text_[at_];
    if (c == '{') return Object(depth);
    if (c == '[') return Array(depth);
    if (c == '-' || (c >= '0' && c <= '9')) return Number();
    Fail(std::string("unexpected '") + c + "'");
  }

  Json Object(int depth) {
    Json object;
    object.kind_ = Json::Kind::kObject;
    std::vector<std::string> keys;
    Need('{');
    if (!Take('}')) {
      do {
        keys.push_back(Key());
        Need(':');
        object.items_.push_back(Value(depth + 1));
      } while (Take(','));
      Need('}');
    }
    object.keys_ = Intern(std::move(keys));
    object.items_.shrink_to_fit();
    return object;
  }

  Json Array(int depth) {
    Json array;
    array.kind_ = Json::Kind::kArray;
    Need('[');
    if (Take(']')) return array;
    do {
      array.items_.push_back(Value(depth + 1));
    } while (Take(','));
    Need(']');
    array.items_.shrink_to_fit();
    return array;
  }

  // Keys are plain names: no escapes.
  std::string Key() {
    Need('"');
    const std::size_t end = text_.find('"', at_);
    if (end == std::string_view::npos) Fail("unterminated key");
    std::string key(text_.substr(at_, end - at_));
    if (key.find('\\') != std::string::npos) Fail("escape in key");
    at_ = end + 1;
    return key;
  }

  Json Number() {
    const char* first = text_.data() + at_;
    const char* last = text_.data() + text_.size();
    // from_chars would also take "-inf" and "-nan", which are not JSON.
    const std::size_t digit = at_ + (text_[at_] == '-' ? 1 : 0);
    if (digit >= text_.size() || text_[digit] < '0' || text_[digit] > '9') Fail("bad number");
    Json number;
    number.kind_ = Json::Kind::kNumber;
    long long whole = 0;
    const auto integer = std::from_chars(first, last, whole);
    const bool fraction =
        integer.ptr != last && (*integer.ptr == '.' || *integer.ptr == 'e' || *integer.ptr == 'E');
    const char* end = integer.ptr;
    if (integer.ec == std::errc() && !fraction) {
      number.number_ = static_cast<double>(whole);
    } else {
      float value = 0;
      const auto real = std::from_chars(first, last, value);
      if (real.ec != std::errc()) Fail("bad number");
      number.number_ = value;
      end = real.ptr;
    }
    at_ += static_cast<std::size_t>(end - first);
    return number;
  }

  std::string_view text_;
  std::size_t at_ = 0;
};

Json Json::Parse(std::string_view text) {
  return JsonParser(text).Document();
}

void Json::Expect(Kind kind, const char* what) const {
  if (kind_ != kind)
    throw std::runtime_error(std::string("json: ") + what + " of " + KindName(kind_));
}

long long Json::Int() const {
  Expect(Kind::kNumber, "Int()");
  if (std::trunc(number_) != number_)
    throw std::runtime_error("json: Int() of " + std::to_string(number_));
  return static_cast<long long>(number_);
}

double Json::Number() const {
  Expect(Kind::kNumber, "Number()");
  return number_;
}

float Json::Float() const {
  Expect(Kind::kNumber, "Float()");
  return static_cast<float>(number_);
}

bool Json::Has(std::string_view key) const {
  if (!IsObject()) return false;
  for (const std::string& k : Keys())
    if (k == key) return true;
  return false;
}

const Json& Json::operator[](std::string_view key) const {
  Expect(Kind::kObject, ("[\"" + std::string(key) + "\"]").c_str());
  for (std::size_t i = 0; i < keys_->size(); ++i)
    if ((*keys_)[i] == key) return items_[i];
  std::string known;
  for (const std::string& k : *keys_)
    known += (known.empty() ? "" : ", ") + k;
  throw std::runtime_error("json: no key \"" + std::string(key) + "\" among " + known);
}

const std::vector<std::string>& Json::Keys() const {
  Expect(Kind::kObject, "Keys()");
  return keys_ != nullptr ? *keys_ : kNoKeys;
}

const Json& Json::operator[](int index) const {
  Expect(Kind::kArray, ("[" + std::to_string(index) + "]").c_str());
  if (index < 0 || static_cast<std::size_t>(index) >= items_.size()) {
    throw std::runtime_error("json: index " + std::to_string(index) + " of an array of " +
                             std::to_string(items_.size()));
  }
  return items_[static_cast<std::size_t>(index)];
}

std::size_t Json::Size() const {
  if (kind_ != Kind::kObject) Expect(Kind::kArray, "Size()");
  return items_.size();
}

const std::vector<Json>& Json::Items() const {
  if (kind_ != Kind::kObject) Expect(Kind::kArray, "Items()");
  return items_;
}

std::vector<long long> Json::Ints() const {
  Expect(Kind::kArray, "Ints()");
  std::vector<long long> values;
  for (const Json& item : items_)
    values.push_back(item.Int());
  return values;
}

}  // namespace tests::scenario
