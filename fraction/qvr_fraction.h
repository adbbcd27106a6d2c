#pragma once

#include <cstdint>
#include <optional>
#include <string>

// A fraction of two 32-bit integers with its normalising rules, its
// conversions from a decimal and to float and int, its arithmetic and its two
// descriptions. It does no formatting for display beyond those descriptions.
//
// Invariant, always: the denominator is not 0. Every constructor starts from
// 1/1 and setDenominator() ignores 0, so no operation can break it.
//
// Normal form, where an operation promises it: lowest terms (the magnitudes
// share no factor but 1) with a positive denominator; isNormalised() checks
// it. These promise it:
// - the two-integer constructor, except where it must negate -2^31, which has
//   no 32-bit negation: a denominator of -2^31, or a numerator of -2^31 over
//   a negative denominator, wraps, and the sign or the value comes out wrong
//   (1/-2^31 gives -1/-2147483648, 2/-2^31 gives 1/1073741824);
// - every result of the arithmetic and of fractionWithAbsoluteValue().
// The float constructor and simplify() promise lowest terms only
// (isInLowestTerms()): the sign may sit in the denominator (-0.5 gives 1/-2).
// correctNegatives() makes a denominator other than -2^31 positive (a
// numerator of -2^31 stays negative, so the sign is lost). The setters keep
// only the invariant.
class QVRFraction {
public:
    static QVRFraction fractionWithNumerator(int32_t numerator, int32_t denominator);
    static QVRFraction fractionWithInt(int32_t n);
    static QVRFraction fractionWithFloat(float x);

    // 1/1, not 0/1.
    QVRFraction() = default;

    // In normal form; a denominator of 0 is ignored and leaves 1, so 3/0
    // gives 3/1.
    QVRFraction(int32_t numerator, int32_t denominator);

    // The decimal scaled by ten until it is whole, at most nine times, over
    // the matching power of ten, then simplified (see the definition for the
    // exact steps). NaN, the infinities and magnitudes above 2^31 are not
    // scaled: they give their saturated integer value over 1.
    explicit QVRFraction(float x);

    // Only the float constructor takes one number: an int or a double here is
    // more likely a slip than a wish for that conversion.
    template <typename T>
    explicit QVRFraction(T) = delete;

    // Compares the single-precision values, not the fields: 1/2 equals 2/4.
    template <typename Other>
    bool isEqual(const Other& other) const
    {
        return floatValue() == other.floatValue();
    }

    std::string description() const;
    std::string compactDescription() const;

    // No value where the exact result in lowest terms does not fit in 32 bits
    // (1/65536 × 1/32768), and for division by a zero fraction.
    std::optional<QVRFraction> fractionByAddingFraction(const QVRFraction& other) const;
    std::optional<QVRFraction> fractionBySubtractingFraction(const QVRFraction& other) const;
    std::optional<QVRFraction> fractionByMultiplyingFraction(const QVRFraction& other) const;
    std::optional<QVRFraction> fractionByDividingFraction(const QVRFraction& other) const;
    // No value for -2147483648/1, whose magnitude has no 32-bit value.
    std::optional<QVRFraction> fractionWithAbsoluteValue() const;

    // Divides both fields by their greatest common factor, whose sign can
    // move the sign to the denominator (-5/10 becomes 1/-2).
    void simplify();
    // Moves a negative denominator's sign to the numerator.
    void correctNegatives();

    float floatValue() const;
    // floatValue() truncated and saturated.
    int32_t intValue() const;

    // The two forms operations promise, for tests and the fuzzer to check.
    bool isInLowestTerms() const;
    bool isNormalised() const { return _denominator > 0 && isInLowestTerms(); }

    int32_t numerator() const { return _numerator; }
    void setNumerator(int32_t numerator) { _numerator = numerator; }
    int32_t denominator() const { return _denominator; }
    // Ignores 0.
    void setDenominator(int32_t denominator)
    {
        if (denominator != 0) {
            _denominator = denominator;
        }
    }

private:
    int32_t _numerator = 1;
    int32_t _denominator = 1;
};
