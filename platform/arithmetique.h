#pragma once

// The fault of a checked arithmetic step (platform/reel.h): a result that is infinite (overflow), a
// division by zero, or a NaN (invalid operation). Underflow and inexact results are no fault.

#include <stdexcept>

namespace plateforme {

enum class GenreFaute { Depassement, DivisionParZero, OperationInvalide };

class FauteArithmetique : public std::runtime_error {
public:
    explicit FauteArithmetique(GenreFaute genre);
    GenreFaute genre() const noexcept { return m_genre; }

private:
    GenreFaute m_genre;
};

} // namespace plateforme
