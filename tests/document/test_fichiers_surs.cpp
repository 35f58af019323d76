// Saving cut short by a file size limit (the old file whole or the new one whole, and the reason),
// targets refused before anything is written, permissions kept; a key given twice in an element.

#include "document/fichier_section.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <csignal>
#include <cstdlib>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

QByteArray lu(const QString& chemin) {
    QFile f(chemin);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("absent");
}

mode_t mode(const QString& chemin) {
    struct stat s {};
    return lstat(QFile::encodeName(chemin).constData(), &s) == 0 ? s.st_mode : 0;
}

const QString Raison = QStringLiteral("Le fichier f.csv ne peut pas être enregistré : %1.");

TEST(Enregistrement, ALimitLeavesTheOldFileOrTheNewOneWhole) {
    const QByteArray ancien(3000, 'a');
    const QByteArray nouveau(20000, 'n');
    for (const rlim_t limite : {0, 1, 3000, 4096, 19999, 20000, 1 << 20}) {
        QTemporaryDir dossier;
        const QString chemin = dossier.filePath(QStringLiteral("f.csv"));
        ASSERT_EQ(document::enregistrerFichier(chemin, ancien), std::nullopt);
        const pid_t pid = fork();
        if (pid == 0) { // writes past the limit fail with EFBIG
            signal(SIGXFSZ, SIG_IGN);
            const rlimit r{limite, limite};
            setrlimit(RLIMIT_FSIZE, &r);
            const std::optional<QString> m = document::enregistrerFichier(chemin, nouveau);
            _exit(!m ? 0 : (*m == Raison.arg(u"il dépasserait la taille de fichier permise") ? 1 : 2));
        }
        int statut = 0;
        waitpid(pid, &statut, 0);
        const bool tient = limite >= static_cast<rlim_t>(nouveau.size());
        EXPECT_EQ(WEXITSTATUS(statut), tient ? 0 : 1) << limite << ": 1 when the message names the reason";
        EXPECT_EQ(lu(chemin), tient ? nouveau : ancien) << limite;
        EXPECT_EQ(QDir(dossier.path()).entryList(QDir::Files), QStringList{QStringLiteral("f.csv")});
    }
}

TEST(Enregistrement, RefusesWhatIsNotARegularFileAndTheSectionsOwnFile) {
    QTemporaryDir dossier;
    const QDir d(dossier.path());
    const QString chemin = d.filePath(QStringLiteral("f.csv"));
    const QString source = d.filePath(QStringLiteral("s.brivane"));
    ASSERT_EQ(document::enregistrerFichier(source, "section"), std::nullopt);
    const QString autre = Raison.arg(u"ce n'est pas un fichier ordinaire");
    const QString section = Raison.arg(u"c'est le fichier de la section");
    // As root a device node of its own, so that a fault cannot replace the system's /dev/null.
    const std::tuple<const char*, const char*, QString> cas[] = {
        // the shell's preparation in the folder; the section file, from the folder; the message
        {"mkdir x && mkfifo f.csv", "", autre},
        {"rm f.csv && if [ $(id -u) = 0 ]; then mknod nul c 1 3; else ln -s /dev/null nul; fi && ln -s nul "
         "f.csv",
         "", autre},
        {"rm f.csv && mkdir f.csv", "", Raison.arg(u"c'est un dossier")},
        {"rmdir f.csv && ln -s s.brivane f.csv", "s.brivane", section},
        {"rm f.csv && ln s.brivane f.csv", "x/../s.brivane", section},
        {"rm f.csv", "x/../f.csv", section}, // neither exists
    };
    for (const auto& [preparation, origine, message] : cas) {
        ASSERT_EQ(std::system(("cd " + d.path().toStdString() + " && " + preparation).c_str()), 0);
        const mode_t avant = mode(chemin);
        EXPECT_EQ(document::enregistrerFichier(chemin, "nouveau",
                                               *origine ? d.filePath(QString::fromUtf8(origine)) : QString()),
                  message);
        EXPECT_EQ(mode(chemin), avant) << preparation;
        EXPECT_EQ(lu(source), "section");
    }
    struct stat nul {};
    EXPECT_TRUE(stat(QFile::encodeName(d.filePath(QStringLiteral("nul"))).constData(), &nul) == 0 &&
                S_ISCHR(nul.st_mode)); // still the device
    // Saving onto the section's own file is "Enregistrer"; it keeps its permissions (read-only as root,
    // who may write over it).
    const mode_t droits = getuid() == 0 ? 0444 : 0640;
    ASSERT_EQ(chmod(QFile::encodeName(source).constData(), droits), 0);
    EXPECT_EQ(document::enregistrerFichier(source, "nouveau"), std::nullopt);
    EXPECT_EQ(lu(source), "nouveau");
    EXPECT_EQ(mode(source) & 07777, droits);
}

TEST(Lecture, NamesTheElementWithAKeyGivenTwice) {
    EXPECT_EQ(document::lire(R"({"format": "brivane-section", "version": 1, "unite": "mm", "elements": [{},)"
                             R"( {"x": {"a": 1}, "y": {"a": 1}, "dimension1": 7, "dimensio\u006e1": 7}]})",
                             QStringLiteral("f"))
                  .message,
              QStringLiteral(
                  "Le fichier f ne peut pas être ouvert : l'élément 2 a deux fois la clé « dimension1 »."));
}

} // namespace
