#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <type_traits>
#include <vector>

#include "model/Result.h"

namespace isobra {

// One field of a text file, trimmed of leading and trailing ASCII spaces
// (ideographic spaces stay), with the 1-based line it stands on.
struct TextField {
    std::string text;
    int line = 0;
};

// A text file read as one stream of fields: commas and line ends (CR LF,
// LF or CR) both separate fields, so only the sequence counts, not how many
// fields a line holds. An empty line gives one empty field.
struct TextFields {
    std::vector<TextField> fields;
    int lineCount = 0;
    bool lastLineEnded = true;  // the text is empty or ends with a line end
};

// Decodes CP932 bytes and splits them into fields. Fails, naming the line,
// on bytes that are not valid CP932.
Result<TextFields> SplitFields(std::string_view bytes);

// The leading-number rule: optional spaces and a sign, then digits with an
// optional decimal part; anything else ends the number; no digits give 0.
double LeadingNumber(std::string_view text);
// The same, but none when the text does not begin with a number.
std::optional<double> LeadingNumberIfAny(std::string_view text);
// A plain decimal number and nothing else ("3abc", "" and "0x3" give none).
std::optional<double> ParsePlainNumber(std::string_view text);

// A typed answer with full-width digits, "．", "－", "＋" and the ideographic
// space turned into their ASCII forms, as the leading-number rule reads them.
// Every number the user types, into a prompt or an entry field, is narrowed
// here first: a Japanese input method gives the wide forms as readily as the
// narrow ones.
std::string NarrowNumberText(std::string_view text);

// The name of the value a read expects, for the message of a failed read:
// a text, or a callable that makes it, called only when a read fails, so
// that reading a good file joins no names. A FieldName lives as long as the
// read it is passed to, and so may refer to temporaries of that call.
class FieldName {
public:
    FieldName(const char* text) : text_(text) {}
    FieldName(std::string_view text) : text_(text) {}
    FieldName(const std::string& text) : text_(text) {}
    template <class Make>
    requires std::is_invocable_r_v<std::string, const Make&> FieldName(const Make& make)
        : object_(&make), make_([](const void* object) { return (*static_cast<const Make*>(object))(); }) {}

    std::string Text() const { return make_ ? make_(object_) : std::string(text_); }

private:
    std::string_view text_;
    const void* object_ = nullptr;
    std::string (*make_)(const void*) = nullptr;
};

// Walks the fields in order. Each read names what it expects, so that the
// first failure can say which line and which value went wrong; after a
// failure every further read fails too and failure() keeps the first reason.
class FieldCursor {
public:
    explicit FieldCursor(const TextFields& fields) : fields_(fields) {}

    std::optional<std::string> Text(const FieldName& what);
    // A number rounded half to even; refused when beyond +-limit.
    std::optional<std::int32_t> Number(const FieldName& what, std::int64_t limit);
    // A count of table rows, which must lie in 0..max.
    std::optional<std::int32_t> Count(const FieldName& what, int max);

    const Failure& failure() const { return failure_; }
    bool failed() const { return failed_; }
    // After the last read: the first failure; else, when the file's last
    // line has no line end, that. Every file this program writes ends with
    // one, so a file without it was cut, perhaps inside its last number
    // ("1016" cut to "10" would read as a plausible value).
    Status Finish() const;

private:
    const TextField* Next(const FieldName& what);
    void Fail(int line, std::string message);

    const TextFields& fields_;
    std::size_t next_ = 0;
    bool failed_ = false;
    Failure failure_;
};

}  // namespace isobra
