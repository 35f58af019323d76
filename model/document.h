#pragma once

// What travels with the section beside its elements, in the main window, the file and the outputs: the
// rolled profile it was built from and the density of its material. `Section`, which the described
// windows read, stays as it is.

#include "model/profils.h"

#include <string>

namespace modele {

struct Document {
    std::string profil;                          // « IPE 200 »; empty when the section is no profile
    double masseVolumique = MasseVolumiqueAcier; // kg/m³

    // The mass per metre is said for a profile or a material given its density.
    bool masseDite() const { return !profil.empty() || masseVolumique != MasseVolumiqueAcier; }
    bool operator==(const Document&) const = default;
};

} // namespace modele
