// The command line's outputs that cannot be written: a full or closed standard output, a file name that
// is not UTF-8 (raw bytes), the section's own file as the export's target; and an empty section said.

#include <gtest/gtest.h>

#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <spawn.h>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

extern char** environ;

namespace {

namespace fs = std::filesystem;

enum class Sortie { Tube, Pleine, Fermee };

struct Execution {
    int code = -1;
    std::string erreur;
};

// The program run in `dossier` with `arguments` as raw bytes, its standard output as `sortie` says.
Execution lancer(const fs::path& dossier, std::vector<std::string> arguments, Sortie sortie) {
    arguments.insert(arguments.begin(), BRIVANE_PROGRAMME);
    std::vector<char*> argv;
    for (std::string& a : arguments) {
        argv.push_back(a.data());
    }
    argv.push_back(nullptr);
    int tube[2];
    EXPECT_EQ(pipe(tube), 0);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addchdir_np(&actions, dossier.c_str());
    posix_spawn_file_actions_adddup2(&actions, tube[1], STDERR_FILENO);
    if (sortie == Sortie::Pleine) {
        posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/full", O_WRONLY, 0);
    } else if (sortie == Sortie::Fermee) {
        posix_spawn_file_actions_addclose(&actions, STDOUT_FILENO);
    } else {
        posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "sortie.txt", O_WRONLY | O_CREAT, 0644);
    }
    pid_t pid = 0;
    EXPECT_EQ(posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), environ), 0);
    posix_spawn_file_actions_destroy(&actions);
    close(tube[1]);
    Execution e;
    char b[4096];
    for (ssize_t n = 0; (n = read(tube[0], b, sizeof b)) > 0;) {
        e.erreur.append(b, static_cast<std::size_t>(n));
    }
    close(tube[0]);
    int statut = 0;
    waitpid(pid, &statut, 0);
    e.code = WIFEXITED(statut) ? WEXITSTATUS(statut) : -1;
    return e;
}

std::string contenu(const fs::path& f) {
    std::ifstream flux(f, std::ios::binary);
    return {std::istreambuf_iterator<char>(flux), {}};
}

TEST(LigneDeCommande, OutputsThatCannotBeWrittenAreErrors) {
    const fs::path dossier = fs::path(testing::TempDir()) / "sorties";
    fs::remove_all(dossier);
    fs::create_directories(dossier);
    fs::permissions(dossier, fs::perms::owner_all); // a runtime folder, as Qt wants it
    setenv("XDG_RUNTIME_DIR", dossier.c_str(), 1);
    const fs::path ipe = fs::path(BRIVANE_EXEMPLES) / "ipe200.brivane";
    fs::copy_file(ipe, dossier / "meme.csv", fs::copy_options::overwrite_existing);
    fs::copy_file(ipe, dossier / "latin1_\xe9t\xe9.brivane", fs::copy_options::overwrite_existing);
    std::ofstream(dossier / "vide.brivane")
        << R"({"format": "brivane-section", "version": 1, "unite": "mm", "elements": [)"
           R"({"forme": "Disque", "dimension1": 0, "dimension2": 0, "zg": 0, "yg": 0, "matiere": "plein"}]})";
    const std::string plein = "impossible d'écrire les résultats : il n'y a plus de place sur le disque.\n";
    const std::string illisible = "le nom du fichier n'est pas lisible dans l'encodage du système (UTF-8)\n";
    const struct {
        std::vector<std::string> arguments;
        Sortie sortie;
        int code;
        std::string erreur;
    } cas[] = {
        {{"--calculer", ipe}, Sortie::Pleine, 1, plein},
        {{"--calculer", "--json", ipe}, Sortie::Pleine, 1, plein},
        {{"--calculer", ipe},
         Sortie::Fermee,
         1,
         "impossible d'écrire les résultats : la sortie standard est fermée.\n"},
        {{"--calculer", "latin1_\xe9t\xe9.brivane"}, Sortie::Tube, 2, illisible},
        {{"--exporter", ipe, "out_\xe9.csv"}, Sortie::Tube, 2, illisible},
        {{"--exporter", "meme.csv", "./meme.csv"},
         Sortie::Tube,
         1,
         "Le fichier meme.csv ne peut pas être enregistré : c'est le fichier de la section.\n"},
        {{"--calculer", "vide.brivane"},
         Sortie::Tube,
         0,
         "La section est vide : son aire totale est nulle.\n"},
    };
    for (const auto& c : cas) {
        const Execution e = lancer(dossier, c.arguments, c.sortie);
        EXPECT_EQ(e.code, c.code) << c.arguments.back();
        EXPECT_EQ(e.erreur, c.erreur) << c.arguments.back();
    }
    EXPECT_EQ(contenu(dossier / "meme.csv"), contenu(ipe));
    EXPECT_FALSE(fs::exists(dossier / "out_\xe9.csv"));
    EXPECT_FALSE(fs::exists(dossier / "out_\xef\xbf\xbd.csv"));
}

} // namespace
