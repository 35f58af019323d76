#include "platform/arithmetique.h"

namespace plateforme {

namespace {

const char* libelle(GenreFaute genre) {
    switch (genre) {
    case GenreFaute::Depassement:
        return "dépassement de capacité";
    case GenreFaute::DivisionParZero:
        return "division par zéro";
    case GenreFaute::OperationInvalide:
        return "opération invalide";
    }
    return "";
}

} // namespace

FauteArithmetique::FauteArithmetique(GenreFaute genre) : std::runtime_error(libelle(genre)), m_genre(genre) {}

} // namespace plateforme
