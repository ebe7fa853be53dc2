#pragma once

#include <cstdint>
#include <initializer_list>
#include <span>

namespace vorlix::commands {

// Left to right: the running value divided by each further operand, keeping
// only the integer part (toward zero). A zero divisor is a fatal error.
double IntegerDivide(std::span<const double> operands);
double IntegerDivide(std::initializer_list<double> operands);

// Left to right: the remainder of the running value divided by each further
// operand, with the sign of the dividend. A zero divisor is a fatal error.
double Remainder(std::span<const double> operands);
double Remainder(std::initializer_list<double> operands);

std::int32_t BitOr(std::span<const std::int32_t> operands);
std::int32_t BitOr(std::initializer_list<std::int32_t> operands);

double Absolute(double value);

}  // namespace vorlix::commands
