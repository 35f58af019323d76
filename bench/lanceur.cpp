// Whole-process start-up: runs two programs in alternation, many times, and prints the median wall
// time and the median peak resident set size of each, and the ratios of the second to the first.
//
//   bench_lanceur <repetitions> <name A> <program A> <name B> <program B>
//
// Each program is started once before measuring so that both find their files in the page cache.
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
#include <string>
#include <vector>

namespace {

struct Mesure {
    double millisecondes = 0.0;
    double kio = 0.0;
};

// Starts `programme` with no arguments, output thrown away, and waits for it.
Mesure lancer(const std::string& programme) {
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
    std::vector<char> chemin(programme.begin(), programme.end());
    chemin.push_back('\0');
    char* arguments[] = {chemin.data(), nullptr};

    const auto debut = std::chrono::steady_clock::now();
    pid_t pid = 0;
    const int erreur = posix_spawn(&pid, chemin.data(), &actions, nullptr, arguments, environ);
    posix_spawn_file_actions_destroy(&actions);
    if (erreur != 0) {
        std::fprintf(stderr, "cannot start %s\n", programme.c_str());
        std::exit(1);
    }
    int etat = 0;
    rusage usage{};
    if (wait4(pid, &etat, 0, &usage) != pid || !WIFEXITED(etat) || WEXITSTATUS(etat) != 0) {
        std::fprintf(stderr, "%s failed\n", programme.c_str());
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
    if (argc != 6) {
        std::fprintf(stderr, "usage: %s <repetitions> <name A> <program A> <name B> <program B>\n", argv[0]);
        return 2;
    }
    const int repetitions = std::max(1, std::atoi(argv[1]));
    const std::string nomA = argv[2];
    const std::string nomB = argv[4];
    const std::string a = argv[3];
    const std::string b = argv[5];

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
    const auto atteint = [](double rapport) { return rapport <= 1.25 ? "yes" : "no"; };
    std::printf("Start-up, %s (median of %d)\t%.1f ms\t\t\n", nomA.c_str(), repetitions, ta);
    std::printf("Start-up, %s (median of %d)\t%.1f ms\t\t\n", nomB.c_str(), repetitions, tb);
    std::printf("Start-up ratio, %s / %s\t%.2f x\t<= 1.25 x\t%s\n", nomB.c_str(), nomA.c_str(), tb / ta,
                atteint(tb / ta));
    std::printf("Peak RSS, %s\t%.1f MiB\t\t\n", nomA.c_str(), ra);
    std::printf("Peak RSS, %s\t%.1f MiB\t\t\n", nomB.c_str(), rb);
    std::printf("Peak RSS ratio, %s / %s\t%.2f x\t<= 1.25 x\t%s\n", nomB.c_str(), nomA.c_str(), rb / ra,
                atteint(rb / ra));
    return 0;
}
