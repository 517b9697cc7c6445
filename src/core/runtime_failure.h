#pragma once

#include <exception>
#include <string>

namespace lwviz {

// A failure that stops the running handler at the failing step. The dispatcher catches it,
// stops every timer, reports it and ends the program with a non-zero status. Handlers never
// trap their own failures.
class RuntimeFailure : public std::exception {
public:
    // The run-time's own error numbers, so a report reads the same on every platform.
    enum Number : int {
        kOverflow = 6,
        kDivisionByZero = 11,
        kTypeMismatch = 13,
        kBadFileNameOrNumber = 52,
        kFileNotFound = 53,
        kDiskFull = 61,
        kPermissionDenied = 70,
        kPathFileAccessError = 75,
        kInvalidPropertyValue = 380,
    };

    RuntimeFailure(int number, std::string description)
        : number_(number), description_(std::move(description)) {}

    [[nodiscard]] int number() const noexcept { return number_; }
    [[nodiscard]] const std::string& description() const noexcept { return description_; }
    [[nodiscard]] const char* what() const noexcept override { return description_.c_str(); }

    static RuntimeFailure overflow() { return {kOverflow, "Overflow"}; }
    static RuntimeFailure divisionByZero() { return {kDivisionByZero, "Division by zero"}; }
    static RuntimeFailure typeMismatch() { return {kTypeMismatch, "Type mismatch"}; }
    static RuntimeFailure invalidPropertyValue() {
        return {kInvalidPropertyValue, "Invalid property value"};
    }

private:
    int number_;
    std::string description_;
};

}  // namespace lwviz
