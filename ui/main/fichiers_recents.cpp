#include "ui/main/fichiers_recents.h"

#include <QFileInfo>
#include <QSettings>

using namespace Qt::StringLiterals;

namespace donnee {

namespace {

const QString Cle = u"fichiersRecents"_s;

QSettings reglages() {
    return QSettings(u"Brivane"_s, u"Brivane"_s);
}

void ecrire(QStringList liste) {
    while (liste.size() > MaximumRecents) {
        liste.removeLast();
    }
    reglages().setValue(Cle, liste);
}

} // namespace

QStringList fichiersRecents() {
    QStringList liste = reglages().value(Cle).toStringList();
    liste.removeAll(QString());
    return liste.mid(0, MaximumRecents);
}

void retenirFichier(const QString& chemin) {
    const QString absolu = QFileInfo(chemin).absoluteFilePath();
    QStringList liste = fichiersRecents();
    liste.removeAll(absolu);
    liste.prepend(absolu);
    ecrire(std::move(liste));
}

void oublierFichier(const QString& chemin) {
    QStringList liste = fichiersRecents();
    liste.removeAll(QFileInfo(chemin).absoluteFilePath());
    ecrire(std::move(liste));
}

} // namespace donnee
