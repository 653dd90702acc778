// Helpers shared by the fuzz targets: reading structured records from the
// fuzzer's bytes, and checking that an escaping error is one of the clock's
// own, with one of its texts.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

namespace tiklet::fuzz {

class Input {
public:
    Input(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}
    bool Empty() const { return pos_ >= size_; }
    std::uint8_t Byte() { return pos_ < size_ ? data_[pos_++] : 0; }
    // A run of bytes whose length comes first.
    std::string Bytes(std::size_t longest) {
        const std::size_t n = std::min<std::size_t>(Byte() % (longest + 1), size_ - std::min(pos_, size_));
        std::string out(reinterpret_cast<const char*>(data_ + pos_), n);
        pos_ += n;
        return out;
    }

private:
    const std::uint8_t* data_;
    std::size_t size_;
    std::size_t pos_ = 0;
};

// True when `text` is `pattern` with something in place of its "%s".
inline bool Matches(const std::string& text, const char* pattern) {
    const std::string p(pattern);
    const auto at = p.find("%s");
    const std::string head = p.substr(0, at), tail = p.substr(at + 2);
    return text.size() >= head.size() + tail.size() && text.compare(0, head.size(), head) == 0 &&
           text.compare(text.size() - tail.size(), tail.size(), tail) == 0;
}

[[noreturn]] inline void Fail(const char* what, const std::string& text) {
    std::fprintf(stderr, "%s: %s\n", what, text.c_str());
    std::abort();
}

}  // namespace tiklet::fuzz
