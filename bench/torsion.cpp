// Torsion by finite elements, in process: the IPE 200 of examples/ipe200.brivane, the same with a
// 150 x 10 plate welded on its top flange (10 elements, one part), each the median of 51 runs, and the
// peak resident memory the computations add. Prints the bench table's tab-separated rows.

#include "torsion/torsion.h"
#include "document/fichier_section.h"
#include "model/calcul.h"

#include <sys/resource.h>
#include <time.h>

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

// The median wall and CPU times of 51 runs, in ms: on a loaded machine the CPU time is the steadier.
struct Durees {
    double mur = 0.0;
    double cpu = 0.0;
};

double cpuMs() {
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) * 1e3 + static_cast<double>(t.tv_nsec) / 1e6;
}

Durees medianes(const modele::Section& s) {
    std::vector<double> murs;
    std::vector<double> cpus;
    for (int i = 0; i < 51; ++i) {
        const auto debut = std::chrono::steady_clock::now();
        const double cpu = cpuMs();
        const torsion::Torsion t = torsion::calculerTorsion(s);
        cpus.push_back(cpuMs() - cpu);
        murs.push_back(
            std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - debut).count());
        if (t.etat != torsion::Etat::Calculee) {
            std::fprintf(stderr, "%s\n", torsion::phrase(t).c_str());
        }
    }
    std::nth_element(murs.begin(), murs.begin() + 25, murs.end());
    std::nth_element(cpus.begin(), cpus.begin() + 25, cpus.end());
    return {murs[25], cpus[25]};
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
    const Durees a = medianes(ipe);
    const Durees b = medianes(plat);
    const double memoire = static_cast<double>(memoireMaximaleKio() - avant) / 1024.0;
    std::printf("Torsion, IPE 200 to 0.1 %% (median of 51)\t%.1f ms\t< 10 ms\t%s\n", a.mur,
                a.mur < 10 ? "yes" : "no");
    std::printf("Torsion, IPE 200, CPU time (median of 51)\t%.1f ms\t< 10 ms\t%s\n", a.cpu,
                a.cpu < 10 ? "yes" : "no");
    std::printf("Torsion, IPE 200 + plate 150 x 10, 10 elements\t%.1f ms\t< 50 ms\t%s\n", b.mur,
                b.mur < 50 ? "yes" : "no");
    std::printf("Torsion, IPE 200 + plate, CPU time\t%.1f ms\t< 50 ms\t%s\n", b.cpu,
                b.cpu < 50 ? "yes" : "no");
    std::printf("Peak memory added by torsion\t%.1f MiB\t< 20 MB\t%s\n", memoire,
                memoire < 19.0 ? "yes" : "no");
    return 0;
}
