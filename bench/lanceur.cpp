// Whole-process runs: runs two commands in alternation, many times, and prints the median wall time
// and the median peak resident set size of each, and the ratios of the second to the first.
//
//   bench_lanceur [--figure <what>] [--cible <ratio>] [--cible-memoire <ratio>]
//                 <repetitions> <name A> <command A> <name B> <command B>
//
// A command is a program and its arguments separated by spaces. The figures are named after <what>
// ("Start-up" by default); the time ratio is met at or below --cible, the memory ratio at or below
// --cible-memoire (both 1.25 by default; 0 for no target). Each command is run once before measuring
// so that both find their files in the page cache.
// Output: one line per figure, "figure<TAB>value<TAB>target<TAB>met".

#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h> // environ (declared there by glibc for C++)

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <sstream>
#include <string>
#include <vector>

namespace {

struct Mesure {
    double millisecondes = 0.0;
    double kio = 0.0;
};

// Runs `commande` (a program and its arguments separated by spaces), output thrown away, and waits for
// it; stops the benchmark if it cannot start or does not succeed.
Mesure lancer(const std::string& commande) {
    std::vector<std::string> mots;
    std::istringstream flux(commande);
    for (std::string mot; flux >> mot;) {
        mots.push_back(mot);
    }
    std::vector<char*> arguments;
    arguments.reserve(mots.size() + 1);
    for (std::string& mot : mots) {
        arguments.push_back(mot.data());
    }
    arguments.push_back(nullptr);
    if (mots.empty()) {
        std::fprintf(stderr, "empty command\n");
        std::exit(1);
    }
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);

    const auto debut = std::chrono::steady_clock::now();
    pid_t pid = 0;
    const int erreur = posix_spawn(&pid, arguments[0], &actions, nullptr, arguments.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    if (erreur != 0) {
        std::fprintf(stderr, "cannot start %s\n", commande.c_str());
        std::exit(1);
    }
    int etat = 0;
    rusage usage{};
    if (wait4(pid, &etat, 0, &usage) != pid || !WIFEXITED(etat) || WEXITSTATUS(etat) != 0) {
        std::fprintf(stderr, "%s failed\n", commande.c_str());
        std::exit(1);
    }
    const auto fin = std::chrono::steady_clock::now();
    return {std::chrono::duration<double, std::milli>(fin - debut).count(),
            static_cast<double>(usage.ru_maxrss)};
}

double mediane(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    const std::size_t n = v.size();
    return n % 2 == 1 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2.0;
}

} // namespace

int main(int argc, char* argv[]) {
    std::string figure = "Start-up";
    double cible = 1.25;
    double cibleMemoire = 1.25;
    std::vector<std::string> positionnels;
    for (int i = 1; i < argc; ++i) {
        const std::string argument = argv[i];
        if (argument == "--figure" && i + 1 < argc) {
            figure = argv[++i];
        } else if (argument == "--cible" && i + 1 < argc) {
            cible = std::atof(argv[++i]);
        } else if (argument == "--cible-memoire" && i + 1 < argc) {
            cibleMemoire = std::atof(argv[++i]);
        } else {
            positionnels.push_back(argument);
        }
    }
    if (positionnels.size() != 5 || cible < 0.0 || cibleMemoire < 0.0) {
        std::fprintf(stderr,
                     "usage: %s [--figure <what>] [--cible <ratio>] [--cible-memoire <ratio>] <repetitions> "
                     "<name A> <command A> <name B> <command B>\n",
                     argv[0]);
        return 2;
    }
    const int repetitions = std::max(1, std::atoi(positionnels[0].c_str()));
    const std::string& nomA = positionnels[1];
    const std::string& a = positionnels[2];
    const std::string& nomB = positionnels[3];
    const std::string& b = positionnels[4];

    lancer(a);
    lancer(b);
    std::vector<double> tempsA, tempsB, memoireA, memoireB;
    for (int i = 0; i < repetitions; ++i) {
        const Mesure ma = lancer(a);
        const Mesure mb = lancer(b);
        tempsA.push_back(ma.millisecondes);
        tempsB.push_back(mb.millisecondes);
        memoireA.push_back(ma.kio);
        memoireB.push_back(mb.kio);
    }
    const double ta = mediane(tempsA), tb = mediane(tempsB);
    const double ra = mediane(memoireA) / 1024.0, rb = mediane(memoireB) / 1024.0;
    // "<= 1.25 x<TAB>yes", or two empty columns without a target.
    const auto verdict = [](double rapport, double seuil) {
        if (seuil == 0.0) {
            return std::string("\t");
        }
        char texte[64];
        std::snprintf(texte, sizeof texte, "<= %.2f x\t%s", seuil, rapport <= seuil ? "yes" : "no");
        return std::string(texte);
    };
    const char* f = figure.c_str();
    std::printf("%s, %s (median of %d)\t%.1f ms\t\t\n", f, nomA.c_str(), repetitions, ta);
    std::printf("%s, %s (median of %d)\t%.1f ms\t\t\n", f, nomB.c_str(), repetitions, tb);
    std::printf("%s ratio, %s / %s\t%.2f x\t%s\n", f, nomB.c_str(), nomA.c_str(), tb / ta,
                verdict(tb / ta, cible).c_str());
    std::printf("Peak RSS, %s\t%.1f MiB\t\t\n", nomA.c_str(), ra);
    std::printf("Peak RSS, %s\t%.1f MiB\t\t\n", nomB.c_str(), rb);
    std::printf("Peak RSS ratio, %s / %s\t%.2f x\t%s\n", nomB.c_str(), nomA.c_str(), rb / ra,
                verdict(rb / ra, cibleMemoire).c_str());
    return 0;
}
