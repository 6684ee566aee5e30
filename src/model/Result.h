#pragma once

#include <optional>
#include <string>
#include <utility>

namespace isobra {

// Why something could not be done: a Japanese sentence for the user and, for
// files, the 1-based line it concerns (0 when no line is meant). Readers'
// messages already name the line ("12行目の気圧が大きすぎます（123456）。");
// savers' messages are reason phrases ("書き込み権限がありません").
struct Failure {
    int line = 0;
    std::string message;
    bool operator==(const Failure&) const = default;
};

// Either a value or the failure that stands in its place. Every routine that
// can fail for a reason the user should read returns one; none throws for it.
template <class T>
class [[nodiscard]] Result {
public:
    using Value = T;

    Result(T value) : value_(std::move(value)) {}              // NOLINT(google-explicit-constructor)
    Result(Failure failure) : failure_(std::move(failure)) {}  // NOLINT(google-explicit-constructor)
    static Result Fail(std::string message, int line = 0) { return Result(Failure{line, std::move(message)}); }

    bool ok() const { return value_.has_value(); }
    explicit operator bool() const { return ok(); }

    T& operator*() { return *value_; }
    const T& operator*() const { return *value_; }
    T* operator->() { return &*value_; }
    const T* operator->() const { return &*value_; }
    T& value() { return *value_; }
    const T& value() const { return *value_; }

    // Meaningful only when !ok().
    const Failure& failure() const { return failure_; }
    const std::string& message() const { return failure_.message; }
    int line() const { return failure_.line; }

private:
    std::optional<T> value_;
    Failure failure_;
};

// A result that carries no value: done, or the failure.
template <>
class [[nodiscard]] Result<void> {
public:
    Result() = default;
    Result(Failure failure) : ok_(false), failure_(std::move(failure)) {}  // NOLINT(google-explicit-constructor)
    static Result Fail(std::string message, int line = 0) { return Result(Failure{line, std::move(message)}); }

    bool ok() const { return ok_; }
    explicit operator bool() const { return ok_; }

    const Failure& failure() const { return failure_; }
    const std::string& message() const { return failure_.message; }
    int line() const { return failure_.line; }

private:
    bool ok_ = true;
    Failure failure_;
};

using Status = Result<void>;

}  // namespace isobra
