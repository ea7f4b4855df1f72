#pragma once

#include <stdexcept>
#include <string>

namespace kelvane {

// The error every failing platform operation raises. It carries the error's number and its
// description, and is caught at the event boundary or, in the System Information launcher, by
// the launcher itself.
class RuntimeError : public std::runtime_error {
  public:
    RuntimeError(int number, const std::string& description)
        : std::runtime_error(description), number_(number) {}

    [[nodiscard]] int Number() const noexcept { return number_; }
    [[nodiscard]] std::string Description() const { return what(); }

  private:
    int number_;
};

namespace errors {
inline constexpr int kInvalidArgument = 5;
inline constexpr int kOverflow = 6;
inline constexpr int kOutOfMemory = 7;
inline constexpr int kFileNotFound = 53;

[[nodiscard]] inline RuntimeError InvalidArgument() {
    return {kInvalidArgument, "Invalid procedure call or argument"};
}
[[nodiscard]] inline RuntimeError Overflow() { return {kOverflow, "Overflow"}; }
[[nodiscard]] inline RuntimeError OutOfMemory() { return {kOutOfMemory, "Out of memory"}; }
[[nodiscard]] inline RuntimeError FileNotFound() { return {kFileNotFound, "File not found"}; }
}  // namespace errors

}  // namespace kelvane
