#include "runtime/commands/arithmetic_commands.h"

#include <cmath>

#include "runtime/core/values/fatal_error.h"
#include "texts.h"

namespace vorlix::commands {

double IntegerDivide(std::span<const double> operands) {
  if (operands.empty()) return 0;
  double running = operands.front();
  for (const double divisor : operands.subspan(1)) {
    if (divisor == 0) core::FatalError(texts::kCannotDivideByZero);
    running = std::trunc(running / divisor);
  }
  return running;
}

double IntegerDivide(std::initializer_list<double> operands) {
  return IntegerDivide(std::span(operands.begin(), operands.size()));
}

double Remainder(std::span<const double> operands) {
  if (operands.empty()) return 0;
  double running = operands.front();
  for (const double divisor : operands.subspan(1)) {
    if (divisor == 0) core::FatalError(texts::kCannotTakeRemainderOfZero);
    running = std::fmod(running, divisor);
  }
  return running;
}

double Remainder(std::initializer_list<double> operands) {
  return Remainder(std::span(operands.begin(), operands.size()));
}

std::int32_t BitOr(std::span<const std::int32_t> operands) {
  std::int32_t result = 0;
  for (const std::int32_t operand : operands) result |= operand;
  return result;
}

std::int32_t BitOr(std::initializer_list<std::int32_t> operands) {
  return BitOr(std::span(operands.begin(), operands.size()));
}

double Absolute(double value) { return std::fabs(value); }

}  // namespace vorlix::commands
