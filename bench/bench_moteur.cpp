// Engine benchmarks: totals for 1 and 10 elements, the notation, the plain number text, the number
// parser and one capture; the opening of a 10-element section file from disk; the stresses and the
// central kern of ten mixed elements.

#include "document/fichier_section.h"
#include "model/calcul.h"
#include "model/catalogue.h"
#include "model/contraintes.h"
#include "model/notation.h"
#include "platform/nombre.h"

#include <QTemporaryDir>
#include <benchmark/benchmark.h>

#include <string>

using namespace modele;

namespace {

const plateforme::FormatNombre Francais{","};

Section sectionDe(int n) {
    Section s;
    for (int k = 1; k <= n; ++k) {
        if (k > 1) {
            changerNombreElements(s, +1);
        }
        s.ElementCourant = static_cast<std::int16_t>(k);
        const auto& forme = Catalogue[static_cast<std::size_t>(k) % Catalogue.size()];
        const std::string z = std::to_string(10 * k) + ",5";
        appliquer(s, {std::string(forme.nom), "40", "60", z, std::to_string(7 * k), k % 3 != 0}, Francais);
    }
    return s;
}

void BM_Calcul(benchmark::State& state) {
    Section s = sectionDe(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        benchmark::DoNotOptimize(Calcul(s));
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_Calcul)->Arg(1)->Arg(10);

void BM_Noter(benchmark::State& state) {
    double x = 1352395.8333333326;
    for (auto _ : state) {
        benchmark::DoNotOptimize(Mantisse(x));
        benchmark::DoNotOptimize(Exposant(x));
        x += 1.0;
    }
}
BENCHMARK(BM_Noter);

void BM_TexteNombre(benchmark::State& state) {
    double x = -314.1592741012573;
    for (auto _ : state) {
        benchmark::DoNotOptimize(plateforme::texteNombre(x, Francais));
        x *= 1.0000001;
    }
}
BENCHMARK(BM_TexteNombre);

void BM_LireNombre(benchmark::State& state) {
    const std::string texte = "-1234,5678E-3";
    for (auto _ : state) {
        benchmark::DoNotOptimize(plateforme::lireNombre(texte, Francais));
    }
}
BENCHMARK(BM_LireNombre);

void BM_Appliquer(benchmark::State& state) {
    Section s = sectionDe(10);
    const SaisieElement saisie{"Quart de disque supérieur gauche", "25", "0", "-12,5", "40", false};
    for (auto _ : state) {
        benchmark::DoNotOptimize(appliquer(s, saisie, Francais));
    }
}
BENCHMARK(BM_Appliquer);

void BM_OuvrirFichier(benchmark::State& state) {
    const QTemporaryDir dossier;
    const QString chemin = dossier.filePath(QStringLiteral("dix.brivane"));
    if (!dossier.isValid() || document::enregistrer(chemin, sectionDe(10))) {
        state.SkipWithError("the file cannot be written");
        return;
    }
    for (auto _ : state) {
        const document::Lecture l = document::ouvrir(chemin);
        if (!l.section) {
            state.SkipWithError("the file is refused");
            break;
        }
        benchmark::DoNotOptimize(l.section->Igz);
    }
}
BENCHMARK(BM_OuvrirFichier)->Unit(benchmark::kMicrosecond);

// The stresses and the central kern of ten mixed elements in one part: the IPE 200 of the examples
// (rectangles, holes, quarter discs) with a 150 x 10 plate on its top flange.
void BM_Noyau(benchmark::State& state) {
    const document::Lecture ipe = document::ouvrir(QStringLiteral("examples/ipe200.brivane"));
    if (!ipe.section) {
        state.SkipWithError("examples/ipe200.brivane is not read (run from the repository)");
        return;
    }
    Section s = *ipe.section;
    s.NbrElement = 10;
    s.element(10) = MemoriseDonnees("Rectangle", 150, 10, 0, 105, true);
    Calcul(s);
    for (auto _ : state) {
        const Etude e = etudier(s, {-200.0, 30.0, 5.0});
        if (!e.noyau) {
            state.SkipWithError("no kern");
            break;
        }
        benchmark::DoNotOptimize(e.noyau->sommets.data());
    }
}
BENCHMARK(BM_Noyau)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
