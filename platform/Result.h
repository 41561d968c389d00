#pragma once
// A value or a file error carrying the classic run-time error number.

#include <cassert>
#include <string>
#include <utility>
#include <variant>

namespace brivant {

// The run-time error numbers the windows show ("Erreur N° 53", ...).
enum ErrorNumber : int {
  FileNotFound = 53,
  DeviceIoError = 57,
  DiskFull = 61,
  PermissionDenied = 70,
  PathFileAccessError = 75,
};

struct FileError {
  int number = 0;      // one of ErrorNumber
  std::string path;    // the file concerned (UTF-8), may be empty
  std::string detail;  // system text, for logs and developers only
};

template <class T>
class [[nodiscard]] Result {
 public:
  Result(T value) : state_(std::move(value)) {}          // NOLINT(google-explicit-constructor)
  Result(FileError error) : state_(std::move(error)) {}  // NOLINT(google-explicit-constructor)

  bool ok() const { return state_.index() == 0; }
  explicit operator bool() const { return ok(); }

  const T& value() const& {
    assert(ok());
    return std::get<0>(state_);
  }
  T& value() & {
    assert(ok());
    return std::get<0>(state_);
  }
  T&& value() && {
    assert(ok());
    return std::get<0>(std::move(state_));
  }
  const T& operator*() const& { return value(); }
  const T* operator->() const { return &value(); }

  const FileError& error() const {
    assert(!ok());
    return std::get<1>(state_);
  }

  T valueOr(T fallback) const { return ok() ? std::get<0>(state_) : std::move(fallback); }

 private:
  std::variant<T, FileError> state_;
};

// Success or a file error.
class [[nodiscard]] Status {
 public:
  Status() = default;
  Status(FileError error) : error_(std::move(error)), failed_(true) {}  // NOLINT(google-explicit-constructor)
  template <class T>
  Status(const Result<T>& result) : failed_(!result.ok()) {  // NOLINT(google-explicit-constructor)
    if (failed_) error_ = result.error();
  }

  bool ok() const { return !failed_; }
  explicit operator bool() const { return ok(); }
  const FileError& error() const {
    assert(failed_);
    return error_;
  }

 private:
  FileError error_;
  bool failed_ = false;
};

}  // namespace brivant
