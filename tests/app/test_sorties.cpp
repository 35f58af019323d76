// The command line's outputs that cannot be written (standard output full or closed, the section's own
// file), names in raw bytes that are not UTF-8, and an empty section said.

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sys/wait.h>

namespace {

namespace fs = std::filesystem;

std::string lu(const fs::path& f) {
    std::ifstream flux(f, std::ios::binary);
    return {std::istreambuf_iterator<char>(flux), {}};
}

TEST(LigneDeCommande, OutputsThatCannotBeWrittenAreErrors) {
    const fs::path d = fs::path(testing::TempDir()) / "sorties";
    fs::remove_all(d);
    fs::create_directories(d);
    fs::permissions(d, fs::perms::owner_all); // Qt's runtime folder too
    setenv("XDG_RUNTIME_DIR", d.c_str(), 1);
    const fs::path ipe = fs::path(BRIVANE_EXEMPLES) / "ipe200.brivane";
    fs::copy_file(ipe, d / "meme.csv");
    fs::copy_file(ipe, d / "latin1_\xe9t\xe9.brivane");
    std::ofstream(d / "vide.brivane")
        << R"({"format": "brivane-section", "version": 1, "unite": "mm", )"
           R"("elements": [{"forme": "Disque", "dimension1": 0, "dimension2": 0, )"
           R"("zg": 0, "yg": 0, "matiere": "plein"}]})";
    const std::string plein = "1 impossible d'écrire les résultats : il n'y a plus de place sur le disque.\n";
    const std::string illisible =
        "2 le nom du fichier n'est pas lisible dans l'encodage du système (UTF-8)\n";
    const std::pair<std::string, std::string> cas[] = {
        // arguments and redirections; exit status and standard error
        {"--calculer " + ipe.string() + " >/dev/full", plein},
        {"--calculer --json " + ipe.string() + " >/dev/full", plein},
        {"--calculer " + ipe.string() + " >&-",
         "1 impossible d'écrire les résultats : la sortie standard est fermée.\n"},
        {"--calculer latin1_\xe9t\xe9.brivane", illisible},
        {"--exporter " + ipe.string() + " out_\xe9.csv", illisible},
        {"--exporter meme.csv ./meme.csv",
         "1 Le fichier meme.csv ne peut pas être enregistré : c'est le fichier de la section.\n"},
        {"--calculer vide.brivane >/dev/null", "0 La section est vide : son aire totale est nulle.\n"},
    };
    for (const auto& [arguments, attendu] : cas) {
        const int statut = std::system(
            ("cd '" + d.string() + "' && " BRIVANE_PROGRAMME " " + arguments + " 2>erreur").c_str());
        EXPECT_EQ(std::to_string(WEXITSTATUS(statut)) + ' ' + lu(d / "erreur"), attendu) << arguments;
    }
    EXPECT_EQ(lu(d / "meme.csv"), lu(ipe));
    EXPECT_EQ(std::distance(fs::directory_iterator(d), {}), 4) << "no out_ file, under any name";
}

} // namespace
