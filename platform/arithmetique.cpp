#include "platform/arithmetique.h"

#include <cmath>

namespace plateforme {

namespace {

std::string libelle(GenreFaute genre) {
    switch (genre) {
    case GenreFaute::Depassement:
        return "dépassement de capacité";
    case GenreFaute::DivisionParZero:
        return "division par zéro";
    case GenreFaute::OperationInvalide:
        return "opération invalide";
    }
    return {};
}

double verifier(double resultat, const char* operation) {
    if (std::isnan(resultat)) {
        throw FauteArithmetique(GenreFaute::OperationInvalide, operation);
    }
    if (std::isinf(resultat)) {
        throw FauteArithmetique(GenreFaute::Depassement, operation);
    }
    return resultat;
}

double verifierOperandes(double a, double b, const char* operation) {
    // An infinite or NaN operand is a fault of the step that made it; it must never reach here, but
    // if it does, it is reported rather than carried on.
    if (std::isnan(a) || std::isnan(b)) {
        throw FauteArithmetique(GenreFaute::OperationInvalide, operation);
    }
    if (std::isinf(a) || std::isinf(b)) {
        throw FauteArithmetique(GenreFaute::Depassement, operation);
    }
    return 0.0;
}

} // namespace

FauteArithmetique::FauteArithmetique(GenreFaute genre, std::string operation)
    : std::runtime_error(libelle(genre) + " : " + operation), m_genre(genre),
      m_operation(std::move(operation)) {}

double ajouter(double a, double b, const char* operation) {
    verifierOperandes(a, b, operation);
    return verifier(a + b, operation);
}

double soustraire(double a, double b, const char* operation) {
    verifierOperandes(a, b, operation);
    return verifier(a - b, operation);
}

double multiplier(double a, double b, const char* operation) {
    verifierOperandes(a, b, operation);
    return verifier(a * b, operation);
}

double diviser(double a, double b, const char* operation) {
    verifierOperandes(a, b, operation);
    if (b == 0.0) {
        throw FauteArithmetique(a == 0.0 ? GenreFaute::OperationInvalide : GenreFaute::DivisionParZero,
                                operation);
    }
    return verifier(a / b, operation);
}

double puissance(double base, double exposant, const char* operation) {
    verifierOperandes(base, exposant, operation);
    if (base == 0.0 && exposant < 0.0) {
        throw FauteArithmetique(GenreFaute::DivisionParZero, operation);
    }
    return verifier(std::pow(base, exposant), operation);
}

} // namespace plateforme
