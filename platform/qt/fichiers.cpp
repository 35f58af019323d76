#include "platform/qt/fichiers.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QStringList>

namespace plateforme {

namespace {

Selecteur& selecteur() {
    static Selecteur s;
    return s;
}

} // namespace

QString choisirFichier(QWidget* parent, Choix choix, const QString& proposition,
                       const QList<Filtre>& filtres) {
    QString chemin;
    qsizetype choisi = 0;
    if (selecteur()) {
        chemin = selecteur()(choix, proposition);
    } else {
        QStringList textes;
        for (const Filtre& f : filtres) {
            textes << f.texte;
        }
        QFileDialog dialogue(parent, {}, proposition);
        dialogue.setNameFilters(textes);
        dialogue.setAcceptMode(choix == Choix::Ouvrir ? QFileDialog::AcceptOpen : QFileDialog::AcceptSave);
        dialogue.setFileMode(choix == Choix::Ouvrir ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
        if (dialogue.exec() == QDialog::Accepted && !dialogue.selectedFiles().isEmpty()) {
            chemin = dialogue.selectedFiles().constFirst();
            choisi = std::max<qsizetype>(0, textes.indexOf(dialogue.selectedNameFilter()));
        }
    }
    if (chemin.isEmpty() || filtres.isEmpty() || !QFileInfo(chemin).suffix().isEmpty()) {
        return chemin;
    }
    // To open, "poutre" typed for "poutre.brivane" finds it.
    QString complet = chemin + u'.' + filtres.at(choisi).suffixe;
    if (choix == Choix::Enregistrer || (!QFileInfo::exists(chemin) && QFileInfo::exists(complet))) {
        return complet;
    }
    return chemin;
}

void definirSelecteur(Selecteur s) {
    selecteur() = std::move(s);
}

} // namespace plateforme
