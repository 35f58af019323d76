// The trace (trace.h) of every section the section fuzz target goes through, for each input file
// named on the command line, on the standard output; built with the ordinary compiler, no fuzzer:
//   build/tests/trace_section fuzz/corpus/*/* > trace.txt
// The target's own properties are checked on the way (a failure aborts).

#include "trace.h"

#include <cstdint>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <vector>

using namespace modele;

extern void (*suivreSection)(const Section&);
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* donnees, std::size_t taille);

int main(int argc, char** argv) {
    suivreSection = [](const Section& s) { trace::section(stdout, s, {}, true); };
    for (int i = 1; i < argc; ++i) {
        std::ifstream fichier(argv[i], std::ios::binary);
        if (!fichier) {
            std::fprintf(stderr, "%s: cannot be read\n", argv[i]);
            return 1;
        }
        const std::vector<char> lus{std::istreambuf_iterator<char>(fichier),
                                    std::istreambuf_iterator<char>()};
        const std::vector<std::uint8_t> octets(lus.begin(), lus.end());
        std::printf("# %s\n", argv[i]);
        LLVMFuzzerTestOneInput(octets.data(), octets.size());
    }
    return 0;
}
