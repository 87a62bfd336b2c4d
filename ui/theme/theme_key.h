#pragma once

#include <cstddef>
#include <cstdint>

namespace pelsdk::ui {

// FNV-1a 64 over the bytes and their terminating zero, each byte widened as a signed char.
constexpr uint64_t theme_hash(const char* text, size_t length_with_terminator) {
    uint64_t hash = 0xcbf29ce484222325ull;
    for (size_t i = 0; i < length_with_terminator; ++i) {
        hash ^= static_cast<uint64_t>(static_cast<int64_t>(static_cast<signed char>(text[i])));
        hash *= 0x100000001b3ull;
    }
    return hash;
}

// A theme key made from a string literal, hashed at compile time. Keys are equal exactly when
// their hashes are: the text is kept for reading, never compared.
class theme_key {
public:
    template <size_t N>
    consteval theme_key(const char (&text)[N])  // NOLINT: implicit, keys are written as literals
        : hash_(theme_hash(text, N)), text_(text), length_(N) {}

    constexpr uint64_t hash() const { return hash_; }
    constexpr const char* text() const { return text_; }
    constexpr uint64_t length() const { return length_; }

    friend constexpr bool operator==(const theme_key& a, const theme_key& b) {
        return a.hash_ == b.hash_;
    }

private:
    uint64_t hash_;
    const char* text_;
    uint64_t length_;
};

struct theme_key_hash {
    size_t operator()(const theme_key& key) const { return static_cast<size_t>(key.hash()); }
};

}  // namespace pelsdk::ui
