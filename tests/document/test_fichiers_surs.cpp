// Files that are never lost nor false: the saving step cut short by a file size limit (the old file
// whole or the new one whole, and the reason), targets refused before anything is written, the file's
// permissions kept; keys given twice refused, shape names read in either Unicode form.

#include "document/fichier_section.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <csignal>
#include <functional>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/wait.h>
#include <unistd.h>

inline void PrintTo(const QString& s, std::ostream* os) {
    *os << s.toStdString();
}

namespace {

QByteArray lu(const QString& chemin) {
    QFile f(chemin);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("absent");
}

const QString Raison = QStringLiteral("Le fichier f.csv ne peut pas être enregistré : %1.");

// Saved in a child process whose writes past `limite` bytes fail (EFBIG): the message it gave back.
QString enregistreAvecLimite(const QString& chemin, const QByteArray& contenu, rlim_t limite) {
    int tube[2];
    EXPECT_EQ(pipe(tube), 0);
    if (fork() == 0) {
        signal(SIGXFSZ, SIG_IGN);
        const rlimit r{limite, limite};
        setrlimit(RLIMIT_FSIZE, &r);
        const QByteArray m = document::enregistrerFichier(chemin, contenu).value_or(QString()).toUtf8();
        _exit(write(tube[1], m.constData(), static_cast<size_t>(m.size())) == m.size() ? 0 : 1);
    }
    close(tube[1]);
    char b[512];
    const ssize_t n = read(tube[0], b, sizeof b);
    close(tube[0]);
    wait(nullptr);
    return QString::fromUtf8(b, n);
}

TEST(Enregistrement, ALimitLeavesTheOldFileOrTheNewOneWhole) {
    const QByteArray ancien(3000, 'a');
    const QByteArray nouveau(20000, 'n');
    for (const rlim_t limite : {0, 1, 4096, 3000, 19999, 20000, 1 << 20}) {
        QTemporaryDir dossier;
        const QString chemin = dossier.filePath(QStringLiteral("f.csv"));
        ASSERT_EQ(document::enregistrerFichier(chemin, ancien), std::nullopt);
        const QString message = enregistreAvecLimite(chemin, nouveau, limite);
        const bool tient = limite >= static_cast<rlim_t>(nouveau.size());
        EXPECT_EQ(lu(chemin), tient ? nouveau : ancien) << limite;
        EXPECT_EQ(message, tient ? QString() : Raison.arg(u"il dépasserait la taille de fichier permise"))
            << limite;
        EXPECT_EQ(QDir(dossier.path()).entryList(QDir::Files), QStringList{QStringLiteral("f.csv")});
    }
}

TEST(Enregistrement, RefusesWhatIsNotARegularFileAndTheSectionsOwnFile) {
    QTemporaryDir dossier;
    const QDir d(dossier.path());
    const QString chemin = d.filePath(QStringLiteral("f.csv"));
    // As root a private device node, so that a fault cannot replace the system's /dev/null.
    const QString peripherique =
        getuid() == 0 ? d.filePath(QStringLiteral("nul")) : QStringLiteral("/dev/null");
    ASSERT_TRUE(getuid() != 0 || mknod(QFile::encodeName(peripherique), S_IFCHR | 0666, makedev(1, 3)) == 0);
    const QString source = d.filePath(QStringLiteral("s.brivane"));
    ASSERT_EQ(document::enregistrerFichier(source, "section"), std::nullopt);
    const QString pasOrdinaire = Raison.arg(u"ce n'est pas un fichier ordinaire");
    const struct {
        std::function<bool()> preparer;
        QString source, message;
    } cas[] = {
        {[&] { return mkfifo(QFile::encodeName(chemin), 0644) == 0; }, {}, pasOrdinaire},
        {[&] { return QFile::link(peripherique, chemin); }, {}, pasOrdinaire},
        {[&] { return d.mkdir(QStringLiteral("f.csv")); }, {}, Raison.arg(u"c'est un dossier")},
        {[&] { return QFile::link(source, chemin); }, source, Raison.arg(u"c'est le fichier de la section")},
        {[&] {
             return d.mkdir(QStringLiteral("x")) &&
                    link(QFile::encodeName(source), QFile::encodeName(chemin)) == 0;
         },
         d.filePath(QStringLiteral("x/../s.brivane")), Raison.arg(u"c'est le fichier de la section")},
        {[] { return true; }, d.filePath(QStringLiteral("x/../f.csv")),
         Raison.arg(u"c'est le fichier de la section")},
    };
    for (const auto& c : cas) {
        ASSERT_TRUE(c.preparer());
        struct stat avant {};
        lstat(QFile::encodeName(chemin), &avant);
        EXPECT_EQ(document::enregistrerFichier(chemin, "nouveau", c.source), c.message);
        struct stat apres {};
        lstat(QFile::encodeName(chemin), &apres);
        EXPECT_EQ(apres.st_mode, avant.st_mode) << c.message.toStdString();
        EXPECT_EQ(lu(source), "section");
        if (!QFile::remove(chemin)) {
            d.rmdir(QStringLiteral("f.csv"));
        }
    }
    struct stat p {};
    ASSERT_EQ(stat(QFile::encodeName(peripherique), &p), 0);
    EXPECT_TRUE(S_ISCHR(p.st_mode));
    // Saving a section onto its own file is "Enregistrer"; the file keeps its permissions.
    ASSERT_EQ(chmod(QFile::encodeName(source), 0444), 0);
    EXPECT_EQ(document::enregistrerFichier(source, "nouveau"), std::nullopt);
    EXPECT_EQ(lu(source), "nouveau");
    ASSERT_EQ(stat(QFile::encodeName(source), &p), 0);
    EXPECT_EQ(p.st_mode & 07777, 0444);
}

QString lire(const char* elements) {
    return document::lire(
               QByteArray(R"({"format": "brivane-section", "version": 1, "unite": "mm", "elements": [)") +
                   elements + "]}",
               QStringLiteral("f.brivane"))
        .message;
}

TEST(Lecture, RefusesAKeyGivenTwiceAndReadsDecomposedNames) {
    const QString debut = QStringLiteral("Le fichier f.brivane ne peut pas être ouvert : %1.");
    const char* const r =
        R"({"forme": "Rectangle", "dimension1": 7, "dimension2": 7, "zg": 0, "yg": 0, "matiere": "plein"})";
    EXPECT_EQ(
        lire(
            (std::string(r) +
             R"(, {"forme": "Rectangle", "dimension1": 70, "dimension\u0031": 7, "dimension2": 7, "zg": 0, "yg": 0, "matiere": "plein"})")
                .c_str()),
        debut.arg(u"l'élément 2 a deux fois la clé « dimension1 »"));
    EXPECT_EQ(lire((std::string(r) + R"(], "elements": [)" + r).c_str()),
              debut.arg(u"la clé « elements » apparaît deux fois"));
    EXPECT_EQ(
        lire(
            R"({"forme": "Demi disque supe\u0301rieur", "dimension1": 7, "dimension2": 0, "zg": 0, "yg": 0, "matiere": "plein", "x": {"a": 1}, "y": {"a": 1}})"),
        QString());
}

} // namespace
