// Set<Enum, Count>: the framework's "set of" an enumeration, bit for bit.
//
// Bit i stands for the value with ordinal i. The size matches the framework's: 1 byte for up to
// 8 values, 2 up to 16, 4 up to 32, and whole bytes beyond, so a Set can sit in a record that is
// written to disk as it is.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <type_traits>

namespace textcore {

constexpr std::size_t SetStorageBytes(std::size_t count) {
  return count <= 8 ? 1 : count <= 16 ? 2 : count <= 32 ? 4 : (count + 7) / 8;
}

template <typename Enum, std::size_t Count> class Set {
  static_assert(std::is_enum_v<Enum>, "Set holds values of an enumeration");
  static_assert(Count > 0 && Count <= 256, "the framework's sets hold at most 256 values");

public:
  static constexpr std::size_t kBytes = SetStorageBytes(Count);

  constexpr Set() = default;
  constexpr Set(std::initializer_list<Enum> values) {
    for (Enum v : values)
      Include(v);
  }

  constexpr bool Contains(Enum v) const {
    std::size_t i = Ordinal(v);
    return i < Count && (fBits[i / 8] >> (i % 8)) & 1u;
  }
  // Values outside the enumeration's range are ignored, as a range-checked set would refuse them.
  constexpr Set &Include(Enum v) {
    std::size_t i = Ordinal(v);
    if (i < Count)
      fBits[i / 8] |= static_cast<uint8_t>(1u << (i % 8));
    return *this;
  }
  constexpr Set &Exclude(Enum v) {
    std::size_t i = Ordinal(v);
    if (i < Count)
      fBits[i / 8] &= static_cast<uint8_t>(~(1u << (i % 8)));
    return *this;
  }
  constexpr bool Empty() const {
    for (uint8_t b : fBits)
      if (b)
        return false;
    return true;
  }

  friend constexpr Set operator+(Set a, const Set &b) {
    for (std::size_t i = 0; i < kBytes; ++i)
      a.fBits[i] |= b.fBits[i];
    return a;
  }
  friend constexpr Set operator*(Set a, const Set &b) {
    for (std::size_t i = 0; i < kBytes; ++i)
      a.fBits[i] &= b.fBits[i];
    return a;
  }
  friend constexpr Set operator-(Set a, const Set &b) {
    for (std::size_t i = 0; i < kBytes; ++i)
      a.fBits[i] &= static_cast<uint8_t>(~b.fBits[i]);
    return a;
  }
  constexpr Set &operator+=(const Set &b) { return *this = *this + b; }
  constexpr Set &operator*=(const Set &b) { return *this = *this * b; }
  constexpr Set &operator-=(const Set &b) { return *this = *this - b; }
  friend constexpr bool operator==(const Set &a, const Set &b) = default;
  // a <= b: every value of a is in b.
  friend constexpr bool operator<=(const Set &a, const Set &b) { return (a - b).Empty(); }

  // The bytes as the framework stored them; bits beyond Count are cleared on the way in.
  constexpr const std::array<uint8_t, kBytes> &Bytes() const { return fBits; }
  static constexpr Set FromBytes(const std::array<uint8_t, kBytes> &bytes) {
    Set s;
    s.fBits = bytes;
    if (Count % 8 != 0 && Count / 8 < kBytes)
      s.fBits[Count / 8] &= static_cast<uint8_t>((1u << (Count % 8)) - 1);
    for (std::size_t i = (Count + 7) / 8; i < kBytes; ++i)
      s.fBits[i] = 0;
    return s;
  }

private:
  static constexpr std::size_t Ordinal(Enum v) {
    return static_cast<std::size_t>(static_cast<std::underlying_type_t<Enum>>(v));
  }
  std::array<uint8_t, kBytes> fBits{};
};

} // namespace textcore
