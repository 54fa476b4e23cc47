// Json.h -- a small reader for the trace's JSON: numbers, arrays and objects, with strings only
// as keys.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace tests::scenario {

// One value of the trace's JSON subset: numbers, arrays and objects (keys are the only strings).
class Json {
 public:
  enum class Kind { kNull, kNumber, kArray, kObject };

  // Parses one whole JSON text; throws std::runtime_error with the offset of the first fault.
  static Json Parse(std::string_view text);

  Kind GetKind() const { return kind_; }
  bool IsNumber() const { return kind_ == Kind::kNumber; }
  bool IsArray() const { return kind_ == Kind::kArray; }
  bool IsObject() const { return kind_ == Kind::kObject; }

  // The number, which must be integral for Int(). A number written with a fraction or an
  // exponent is read as the single-precision value the game printed, so Float() gives back the
  // game's value exactly and Number() that value widened.
  long long Int() const;
  double Number() const;
  float Float() const;

  // Object members; Has() is false for anything but an object.
  bool Has(std::string_view key) const;
  const Json& operator[](std::string_view key) const;
  const std::vector<std::string>& Keys() const;
  // Array elements; Size() and Items() also serve objects, whose values follow Keys().
  const Json& operator[](int index) const;
  std::size_t Size() const;
  const std::vector<Json>& Items() const;
  // An array of numbers as integers, e.g. "interest" or "sounds".
  std::vector<long long> Ints() const;

 private:
  void Expect(Kind kind, const char* what) const;

  // Kept small: a long trace holds millions of values. Objects of one shape share their keys.
  std::vector<Json> items_;
  const std::vector<std::string>* keys_ = nullptr;
  double number_ = 0;
  Kind kind_ = Kind::kNull;
  friend class JsonParser;
};

}  // namespace tests::scenario
