// The section file's fuzz target run once over each file named on the command line, with the
// ordinary compiler and no fuzzer: a property broken aborts.
//   build/tests/corpus_document fuzz/corpus/document/*

#include <cstdint>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* donnees, std::size_t taille);

int main(int argc, char** argv) {
    for (int i = 1; i < argc; ++i) {
        std::ifstream fichier(argv[i], std::ios::binary);
        if (!fichier) {
            std::fprintf(stderr, "%s: cannot be read\n", argv[i]);
            return 1;
        }
        const std::vector<std::uint8_t> octets{std::istreambuf_iterator<char>(fichier),
                                               std::istreambuf_iterator<char>()};
        LLVMFuzzerTestOneInput(octets.data(), octets.size());
    }
    std::printf("%d files, every property held\n", argc - 1);
    return 0;
}
