// The p-value of a one-degree-of-freedom score (chi-square or log-likelihood), and the log-gamma
// sum it is built on.
#pragma once

namespace unidisplay {

// ln Gamma(x) for positive integers and half-integers, as the sum ln(x-1) + ln(x-2) + ... over
// the positive terms, plus 0.57236494 (ln sqrt(pi)) when the count-down ends below zero, calling
// the yield hook once per term. Every argument gets that sum; an argument too large to count down
// by ones gets its closed form. Any failure, including an exception from the hook, gives 0.
double Log_Gamma(double x);

// The upper-tail probability of score x with one degree of freedom: 0.99 below 1, a series from
// 1 to 35, and 8e-10 / (|x| - 34)^3 above 35. A NaN score is an error. The series calls the yield
// hook once per term; an exception from the hook reaches the caller.
double UpperTailProbability(float x);

} // namespace unidisplay
