#include "platform/qt/fichiers.h"

#include <QFileDialog>
#include <QFileInfo>

namespace plateforme {

namespace {

Selecteur& selecteur() {
    static Selecteur s;
    return s;
}

} // namespace

QString choisirFichier(QWidget* parent, Choix choix, const QString& proposition, const QString& filtre,
                       const QString& suffixe) {
    QString chemin;
    if (selecteur()) {
        chemin = selecteur()(choix, proposition);
    } else if (choix == Choix::Ouvrir) {
        chemin = QFileDialog::getOpenFileName(parent, {}, proposition, filtre);
    } else {
        QFileDialog dialogue(parent, {}, proposition, filtre);
        dialogue.setAcceptMode(QFileDialog::AcceptSave);
        dialogue.setFileMode(QFileDialog::AnyFile);
        dialogue.setDefaultSuffix(suffixe);
        if (dialogue.exec() == QDialog::Accepted && !dialogue.selectedFiles().isEmpty()) {
            chemin = dialogue.selectedFiles().constFirst();
        }
    }
    // To open, "poutre" typed for "poutre.brivane" finds it.
    const QString complet = chemin + u'.' + suffixe;
    if (!chemin.isEmpty() && QFileInfo(chemin).suffix().isEmpty() &&
        (choix == Choix::Enregistrer || (!QFileInfo::exists(chemin) && QFileInfo::exists(complet)))) {
        chemin = complet;
    }
    return chemin;
}

void definirSelecteur(Selecteur s) {
    selecteur() = std::move(s);
}

} // namespace plateforme
