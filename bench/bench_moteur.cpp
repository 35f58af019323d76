// Engine benchmarks: totals for 1 and 10 elements, the notation, the plain number text, the number
// parser and one capture; and the opening of a 10-element section file from disk.

#include "document/fichier_section.h"
#include "model/calcul.h"
#include "model/catalogue.h"
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

} // namespace

BENCHMARK_MAIN();
