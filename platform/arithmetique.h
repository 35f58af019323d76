#pragma once

// Checked double arithmetic.
//
// Every operation computes the IEEE double result and checks it at once: a result that is infinite
// (overflow), a division by zero, and a NaN (invalid operation) are faults; underflow and inexact
// results are not. A fault throws FauteArithmetique naming the operation, so that it is caught at
// the step where it happens and not two steps later (x / inf = 0 would hide it).

#include <stdexcept>
#include <string>

namespace plateforme {

enum class GenreFaute { Depassement, DivisionParZero, OperationInvalide };

class FauteArithmetique : public std::runtime_error {
public:
    FauteArithmetique(GenreFaute genre, std::string operation);
    GenreFaute genre() const noexcept { return m_genre; }
    // What was being computed, e.g. "aire de l'élément 3 : R x Pi".
    const std::string& operation() const noexcept { return m_operation; }

private:
    GenreFaute m_genre;
    std::string m_operation;
};

// Each takes a short description of the operation, used only when it fails.
double ajouter(double a, double b, const char* operation);
double soustraire(double a, double b, const char* operation);
double multiplier(double a, double b, const char* operation);
double diviser(double a, double b, const char* operation);
// base raised to the power exposant (std::pow), checked like the others.
double puissance(double base, double exposant, const char* operation);

} // namespace plateforme
