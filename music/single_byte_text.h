#pragma once
// A text in the program's single-byte code page (Windows-1252), kept apart from UTF-8 by its
// type. The chord symbol box, the chord name list and the tuning captions hold such text,
// because the lookup compares chord symbols byte by byte (the diminished sign is the byte
// 0xBA) and the state of the window is documented in those bytes. Everything else the model
// holds is UTF-8; a view asks for the form it shows, and cannot take one for the other.
#include "music/text_encoding.h"

#include <iosfwd>
#include <string>
#include <utility>

namespace tambrel {

class SingleByteText {
  public:
    SingleByteText() = default;
    SingleByteText(std::string bytes) : bytes_(std::move(bytes)) {} // NOLINT: written as bytes
    SingleByteText(const char* bytes) : bytes_(bytes) {}            // NOLINT: a table's text

    // The bytes, for the rules that read them byte by byte.
    const std::string& bytes() const { return bytes_; }
    // The same text as UTF-8, for showing and writing out.
    std::string utf8() const { return cp1252ToUtf8(bytes_); }
    bool empty() const { return bytes_.empty(); }

    friend bool operator==(const SingleByteText&, const SingleByteText&) = default;
    friend bool operator==(const SingleByteText& text, const std::string& bytes) {
        return text.bytes_ == bytes;
    }
    friend bool operator==(const SingleByteText& text, const char* bytes) {
        return text.bytes_ == bytes;
    }

  private:
    std::string bytes_;
};

// The bytes as they are, for test failures and logs.
std::ostream& operator<<(std::ostream& out, const SingleByteText& text);

// The single-byte form of UTF-8 text: characters it has no byte for become '?'.
inline SingleByteText singleByteOf(const std::string& utf8) {
    return SingleByteText(utf8ToCp1252(utf8));
}

} // namespace tambrel
