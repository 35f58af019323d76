// Outputs never lost nor false: saving cut short by a file size limit, targets refused before anything
// is written, permissions kept; the command line's outputs that cannot be written, raw-byte names.

#include "document/fichier_section.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>
#include <csignal>
#include <cstdlib>
#include <sys/resource.h>
#include <sys/wait.h>

namespace {

// `commande` run by the shell in `dossier`: its exit status, a space and its standard error.
std::string shell(const QTemporaryDir& dossier, const std::string& commande) {
    const std::string erreur = dossier.path().toStdString() + ".erreur";
    const int s = std::system(
        ("cd '" + dossier.path().toStdString() + "' && { " + commande + "; } 2>'" + erreur + "'").c_str());
    QFile f(QString::fromStdString(erreur));
    const std::string texte = f.open(QIODevice::ReadOnly) ? f.readAll().toStdString() : "";
    f.remove();
    return std::to_string(WEXITSTATUS(s)) + ' ' + texte;
}

const std::string Raison = "Le fichier f.csv ne peut pas être enregistré : ";

TEST(Enregistrement, ALimitLeavesTheOldFileOrTheNewOneWhole) {
    const QByteArray nouveau(20000, 'n');
    for (const rlim_t limite : {0, 1, 3000, 4096, 19999, 20000, 1 << 20}) {
        QTemporaryDir d;
        ASSERT_EQ(document::enregistrerFichier(d.filePath(QStringLiteral("f.csv")), QByteArray(3000, 'a')),
                  std::nullopt);
        if (fork() == 0) { // writes past the limit fail with EFBIG
            signal(SIGXFSZ, SIG_IGN);
            const rlimit r{limite, limite};
            setrlimit(RLIMIT_FSIZE, &r);
            const auto m = document::enregistrerFichier(d.filePath(QStringLiteral("f.csv")), nouveau);
            _exit(m ? (m->toStdString() == Raison + "il dépasserait la taille de fichier permise." ? 1 : 2)
                    : 0);
        }
        int statut = 0;
        wait(&statut);
        const bool tient = limite >= 20000;
        EXPECT_EQ(WEXITSTATUS(statut), tient ? 0 : 1) << limite << ": 1 when the message names the reason";
        EXPECT_EQ(shell(d, "ls >&2; wc -c <f.csv >&2; tr -d n <f.csv | wc -c >&2"),
                  tient ? "0 f.csv\n20000\n0\n" : "0 f.csv\n3000\n3000\n")
            << limite;
    }
}

TEST(Enregistrement, RefusesWhatIsNotARegularFileAndTheSectionsOwnFile) {
    QTemporaryDir d;
    const std::string autre = "ce n'est pas un fichier ordinaire.",
                      section = "c'est le fichier de la section.";
    // As root a device node of its own, so that a fault cannot replace the system's /dev/null.
    const std::tuple<std::string, const char*, std::string, std::string> cas[] = {
        // prepared by the shell; the section file; the reason; then what f.csv is (stat -L)
        {"mkdir x && echo section >s.brivane && mkfifo f.csv", "", autre, "fifo"},
        {"rm f.csv && { mknod nul c 1 3 2>/dev/null || ln -s /dev/null nul; } && ln -s nul f.csv", "", autre,
         "character special file"},
        {"rm f.csv && mkdir f.csv", "", "c'est un dossier.", "directory"},
        {"rmdir f.csv && ln -s s.brivane f.csv", "s.brivane", section, "regular file"},
        {"rm f.csv && ln s.brivane f.csv", "x/../s.brivane", section, "regular file"},
        {"rm f.csv", "x/../f.csv", section, ""}, // neither exists
    };
    for (const auto& [preparation, source, raison, type] : cas) {
        ASSERT_EQ(shell(d, preparation), "0 ");
        const QString origine = *source ? d.filePath(QString::fromUtf8(source)) : QString();
        const std::optional<QString> m =
            document::enregistrerFichier(d.filePath(QStringLiteral("f.csv")), "x", origine);
        EXPECT_EQ(m.value_or(QString()).toStdString(), Raison + raison);
        EXPECT_EQ(shell(d, "stat -L -c %F f.csv >&2 2>/dev/null; cat s.brivane >&2"),
                  "0 " + type + (type.empty() ? "" : "\n") + "section\n");
    }
    // Saving onto the section's own file is "Enregistrer"; it keeps its permissions (read-only as root,
    // who may write over it) and, as root, its owner.
    const std::string droits = getuid() == 0 ? "444 65534" : "640 " + std::to_string(getuid());
    ASSERT_EQ(shell(d, "chmod " + droits.substr(0, 3) + " s.brivane" +
                           (getuid() == 0 ? " && chown 65534 s.brivane" : "")),
              "0 ");
    EXPECT_EQ(document::enregistrerFichier(d.filePath(QStringLiteral("s.brivane")), "nouveau"), std::nullopt);
    EXPECT_EQ(shell(d, "stat -c '%a %u' s.brivane >&2; cat s.brivane >&2"), "0 " + droits + "\nnouveau");
}

TEST(LigneDeCommande, OutputsThatCannotBeWrittenAreErrors) {
    QTemporaryDir d;
    setenv("XDG_RUNTIME_DIR", d.path().toUtf8().constData(), 1);
    const std::string ipe = BRIVANE_EXEMPLES "/ipe200.brivane", brivane = BRIVANE_PROGRAMME " ";
    ASSERT_EQ(
        shell(d, "cp " + ipe + " meme.csv && cp " + ipe + " 'latin1_\xe9t\xe9.brivane' && echo '" +
                     R"({"format": "brivane-section", "version": 1, "unite": "mm", "elements": [{"forme": )"
                     R"("Disque", "dimension1": 0, "dimension2": 0, "zg": 0, "yg": 0, "matiere": "plein"}]})"
                     "' >vide.brivane"),
        "0 ");
    const std::string plein = "1 impossible d'écrire les résultats : il n'y a plus de place sur le disque.\n";
    const std::string illisible =
        "2 le nom du fichier n'est pas lisible dans l'encodage du système (UTF-8)\n";
    const std::pair<std::string, std::string> cas[] = {
        // arguments and redirections; exit status and standard error
        {"--calculer " + ipe + " >/dev/full", plein},
        {"--calculer --json " + ipe + " >/dev/full", plein},
        {"--help >/dev/full", plein},
        {"--version >/dev/full", plein},
        {"--calculer " + ipe + " >&-",
         "1 impossible d'écrire les résultats : la sortie standard est fermée.\n"},
        {"--calculer latin1_\xe9t\xe9.brivane", illisible},
        {"--exporter " + ipe + " out_\xe9.csv", illisible},
        {"--exporter meme.csv ./meme.csv",
         "1 Le fichier meme.csv ne peut pas être enregistré : c'est le fichier de la section.\n"},
        {"--calculer vide.brivane >/dev/null", "0 La section est vide : son aire totale est nulle.\n"},
    };
    for (const auto& [arguments, attendu] : cas) {
        EXPECT_EQ(shell(d, brivane + arguments), attendu) << arguments;
    }
    EXPECT_EQ(shell(d, "cmp meme.csv " + ipe + " && ! ls | grep out_ && rm latin1_*"), "0 ")
        << "meme.csv kept, no out_ file";
}

} // namespace
