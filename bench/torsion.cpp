// Torsion by finite elements, in process: the IPE 200 of examples/ipe200.brivane, the same with a
// 150 x 10 plate welded on its top flange (10 elements, one part), each the median of 51 runs, and the
// peak resident memory the computations add. Prints the bench table's tab-separated rows.

#include "torsion/torsion.h"
#include "document/fichier_section.h"
#include "model/calcul.h"

#include <sys/resource.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

namespace {

long memoireMaximaleKio() {
    rusage r{};
    getrusage(RUSAGE_SELF, &r);
    return r.ru_maxrss;
}

double medianeMs(const modele::Section& s) {
    std::vector<double> durees;
    for (int i = 0; i < 51; ++i) {
        const auto debut = std::chrono::steady_clock::now();
        const torsion::Torsion t = torsion::calculerTorsion(s);
        durees.push_back(
            std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - debut).count());
        if (t.etat != torsion::Etat::Calculee) {
            std::fprintf(stderr, "%s\n", torsion::phrase(t).c_str());
        }
    }
    std::nth_element(durees.begin(), durees.begin() + 25, durees.end());
    return durees[25];
}

} // namespace

int main() {
    const document::Lecture lecture = document::ouvrir(QStringLiteral("examples/ipe200.brivane"));
    if (!lecture.section) {
        return 1;
    }
    modele::Section ipe = *lecture.section;
    modele::Section plat = ipe;
    plat.NbrElement = 10;
    plat.element(10) = modele::MemoriseDonnees("Rectangle", 150, 10, 0, 105, true);
    modele::Calcul(plat);
    const long avant = memoireMaximaleKio();
    const double a = medianeMs(ipe);
    const double b = medianeMs(plat);
    const double memoire = static_cast<double>(memoireMaximaleKio() - avant) / 1024.0;
    std::printf("Torsion, IPE 200 to 0.1 %% (median of 51)\t%.1f ms\t< 10 ms\t%s\n", a,
                a < 10 ? "yes" : "no");
    std::printf("Torsion, IPE 200 + plate 150 x 10, 10 elements\t%.1f ms\t< 50 ms\t%s\n", b,
                b < 50 ? "yes" : "no");
    std::printf("Peak memory added by torsion\t%.1f MiB\t< 20 MB\t%s\n", memoire,
                memoire < 19.0 ? "yes" : "no");
    return 0;
}
