#pragma once
// Extended (x87 80-bit, 64-bit significand) arithmetic with the error rules of
// the system's floating-point environment: invalid operation, division by zero
// and overflow raise at the point they occur; underflow and inexact results are
// silent. Operands are checked explicitly instead of reading status flags, so
// the compiler cannot move the check away from the operation.
#include <cfloat>
#include <cstdint>

static_assert(LDBL_MANT_DIG == 64, "cpk-xr needs the x87 80-bit Extended long double");

using Extended = long double;

// Sets rounding to nearest (ties to even) and x87 precision control to 64 bits.
void InitFloatingPointEnvironment();

// Raises EOverflow for an infinite result and EInvalidOp for NaN.
Extended CheckedResult(Extended value);

Extended ExtAdd(Extended a, Extended b);
Extended ExtSub(Extended a, Extended b);
Extended ExtMul(Extended a, Extended b);
// 0/0 raises EInvalidOp, x/0 raises EZeroDivide.
Extended ExtDiv(Extended a, Extended b);
// A negative operand raises EInvalidOp.
Extended ExtSqrt(Extended x);
// exp with overflow raised.
Extended ExtExp(Extended x);

// Narrowing to the stored widths; a value beyond the width's range raises EOverflow.
float ToSingle(Extended value);
double ToDouble(Extended value);

// Round to the nearest integer, ties to even; outside the signed 64-bit range
// raises EInvalidOp.
int64_t RoundHalfEven(Extended value);
