// Whole-process runs: runs two commands in alternation, many times, and prints the median wall time,
// the median CPU time (user + system) and the median peak resident set size of each, and the ratios of
// the second to the first; with the CPU time, the spread of the ratios run by run (the middle half of
// them, 25th to 75th percentile), since a shared machine moves every single figure.
//
//   bench_lanceur [--figure <what>] [--cible <ratio>] [--cible-cpu <ratio>] [--cible-memoire <ratio>]
//                 <repetitions> <name A> <command A> <name B> <command B>
//
// A command is a program and its arguments separated by spaces. The figures are named after <what>
// ("Start-up" by default); the wall-time ratio is met at or below --cible, the CPU-time ratio at or
// below --cible-cpu, the memory ratio at or below --cible-memoire (no target by default, or 0). Each
// command is run once before measuring so that both find their files in the page cache.
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
    double cpu = 0.0; // ms, user + system
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
    const auto ms = [](const timeval& t) {
        return static_cast<double>(t.tv_sec) * 1e3 + static_cast<double>(t.tv_usec) / 1e3;
    };
    return {std::chrono::duration<double, std::milli>(fin - debut).count(),
            ms(usage.ru_utime) + ms(usage.ru_stime), static_cast<double>(usage.ru_maxrss)};
}

// The p-th quantile (0 to 1), linear between the two nearest ranks.
double quantile(std::vector<double> v, double p) {
    std::sort(v.begin(), v.end());
    const double rang = p * static_cast<double>(v.size() - 1);
    const auto bas = static_cast<std::size_t>(rang);
    const std::size_t haut = std::min(bas + 1, v.size() - 1);
    return v[bas] + (rang - static_cast<double>(bas)) * (v[haut] - v[bas]);
}

double mediane(std::vector<double> v) {
    return quantile(std::move(v), 0.5);
}

} // namespace

int main(int argc, char* argv[]) {
    std::string figure = "Start-up";
    double cible = 0.0;
    double cibleCpu = 0.0;
    double cibleMemoire = 0.0;
    std::vector<std::string> positionnels;
    for (int i = 1; i < argc; ++i) {
        const std::string argument = argv[i];
        if (argument == "--figure" && i + 1 < argc) {
            figure = argv[++i];
        } else if (argument == "--cible" && i + 1 < argc) {
            cible = std::atof(argv[++i]);
        } else if (argument == "--cible-cpu" && i + 1 < argc) {
            cibleCpu = std::atof(argv[++i]);
        } else if (argument == "--cible-memoire" && i + 1 < argc) {
            cibleMemoire = std::atof(argv[++i]);
        } else {
            positionnels.push_back(argument);
        }
    }
    if (positionnels.size() != 5 || cible < 0.0 || cibleCpu < 0.0 || cibleMemoire < 0.0) {
        std::fprintf(
            stderr,
            "usage: %s [--figure <what>] [--cible <ratio>] [--cible-cpu <ratio>] [--cible-memoire <ratio>] "
            "<repetitions> "
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
    std::vector<double> tempsA, tempsB, cpuA, cpuB, rapportsCpu, memoireA, memoireB;
    for (int i = 0; i < repetitions; ++i) {
        const Mesure ma = lancer(a);
        const Mesure mb = lancer(b);
        tempsA.push_back(ma.millisecondes);
        tempsB.push_back(mb.millisecondes);
        cpuA.push_back(ma.cpu);
        cpuB.push_back(mb.cpu);
        if (ma.cpu > 0.0) {
            rapportsCpu.push_back(mb.cpu / ma.cpu);
        }
        memoireA.push_back(ma.kio);
        memoireB.push_back(mb.kio);
    }
    const double ta = mediane(tempsA), tb = mediane(tempsB);
    const double ca = mediane(cpuA), cb = mediane(cpuB);
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
    std::printf("%s CPU, %s (median of %d)\t%.1f ms\t\t\n", f, nomA.c_str(), repetitions, ca);
    std::printf("%s CPU, %s (median of %d)\t%.1f ms\t\t\n", f, nomB.c_str(), repetitions, cb);
    std::printf("%s CPU ratio, %s / %s\t%.2f x\t%s\n", f, nomB.c_str(), nomA.c_str(), cb / ca,
                verdict(cb / ca, cibleCpu).c_str());
    if (!rapportsCpu.empty()) {
        std::printf("%s CPU ratio run by run, middle half (25th-75th percentile)\t%.2f-%.2f x\t\t\n", f,
                    quantile(rapportsCpu, 0.25), quantile(rapportsCpu, 0.75));
    }
    std::printf("Peak RSS, %s\t%.1f MiB\t\t\n", nomA.c_str(), ra);
    std::printf("Peak RSS, %s\t%.1f MiB\t\t\n", nomB.c_str(), rb);
    std::printf("Peak RSS ratio, %s / %s\t%.2f x\t%s\n", nomB.c_str(), nomA.c_str(), rb / ra,
                verdict(rb / ra, cibleMemoire).c_str());
    return 0;
}
