#pragma once

#include <optional>
#include <string>

namespace isobra {

// Why a file could not be read: the 1-based line and a Japanese sentence
// that already names it ("12行目の気圧が大きすぎます（123456）。").
struct FileError {
    int line = 0;
    std::string message;
};

// Either a complete result of reading a file or the reason there is none.
template <class T>
struct Parsed {
    std::optional<T> value;
    FileError error;

    explicit operator bool() const { return value.has_value(); }
    static Parsed Fail(int line, std::string message) {
        return Parsed{std::nullopt, FileError{line, std::move(message)}};
    }
};

// The bytes of a file ready to be saved, or why they cannot be written.
struct EncodedFile {
    bool ok = false;
    std::string bytes;
    // When !ok, the Japanese reason as a phrase for SaveFailureText:
    // "地名「…」にShift-JISで書けない文字があります".
    std::string message;
};

}  // namespace isobra
