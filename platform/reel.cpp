#include "platform/reel.h"

namespace plateforme {

void Reel::fauter(GenreFaute genre) {
    throw FauteArithmetique(genre);
}

} // namespace plateforme
