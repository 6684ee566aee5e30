#include "model/ShiftJis.h"

#include <iconv.h>

#include <cerrno>
#include <string>
#include <vector>

namespace isobra {

namespace {

class Converter {
public:
    Converter(const char* to, const char* from) : handle_(iconv_open(to, from)) {}
    ~Converter() {
        if (ok()) iconv_close(handle_);
    }
    Converter(const Converter&) = delete;
    Converter& operator=(const Converter&) = delete;

    // iconv_open reports failure as the handle (iconv_t)-1.
    bool ok() const { return handle_ != reinterpret_cast<iconv_t>(-1); }  // NOLINT(performance-no-int-to-ptr)

    // Converts all of `in`; on failure returns nullopt and the offset of the
    // byte that could not be converted.
    std::optional<std::string> Convert(std::string_view in, std::size_t* errorOffset) {
        if (errorOffset) *errorOffset = 0;
        if (!ok()) return std::nullopt;
        std::string out;
        std::vector<char> buffer(4096);
        char* inPtr = const_cast<char*>(in.data());
        std::size_t inLeft = in.size();
        while (inLeft > 0) {
            char* outPtr = buffer.data();
            std::size_t outLeft = buffer.size();
            const std::size_t rc = iconv(handle_, &inPtr, &inLeft, &outPtr, &outLeft);
            out.append(buffer.data(), buffer.size() - outLeft);
            if (rc == static_cast<std::size_t>(-1) && errno != E2BIG) {
                // EILSEQ: a bad sequence; EINVAL: the text ends inside one.
                if (errorOffset) *errorOffset = static_cast<std::size_t>(inPtr - in.data());
                return std::nullopt;
            }
        }
        char* outPtr = buffer.data();
        std::size_t outLeft = buffer.size();
        if (iconv(handle_, nullptr, nullptr, &outPtr, &outLeft) == static_cast<std::size_t>(-1)) {
            if (errorOffset) *errorOffset = in.size();
            return std::nullopt;
        }
        out.append(buffer.data(), buffer.size() - outLeft);
        return out;
    }

private:
    iconv_t handle_;
};

std::string& CodePage() {
    static std::string name = "CP932";
    return name;
}

}  // namespace

void UseCodePageForTests(const std::string& name) { CodePage() = name.empty() ? "CP932" : name; }

bool ShiftJisAvailable() {
    return Converter(CodePage().c_str(), "UTF-8").ok() && Converter("UTF-8", CodePage().c_str()).ok();
}

std::optional<std::string> ToShiftJis(std::string_view utf8) {
    Converter converter(CodePage().c_str(), "UTF-8");
    return converter.Convert(utf8, nullptr);
}

std::optional<std::string> FromShiftJis(std::string_view bytes, std::size_t* errorOffset) {
    Converter converter("UTF-8", CodePage().c_str());
    return converter.Convert(bytes, errorOffset);
}

int CharacterCount(std::string_view utf8) {
    int count = 0;
    for (unsigned char c : utf8)
        if ((c & 0xC0) != 0x80) ++count;
    return count;
}

}  // namespace isobra
