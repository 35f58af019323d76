#include "platform/qt/message.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>

using namespace Qt::StringLiterals;

namespace plateforme {

namespace {

Intercepteur& intercepteur() {
    static Intercepteur i;
    return i;
}

Repondeur& repondeur() {
    static Repondeur r;
    return r;
}

// The box every message and question of the program is shown in.
void preparer(QMessageBox& boite, const QString& texte) {
    boite.setWindowTitle(u"Brivane"_s);
    boite.setIcon(QMessageBox::NoIcon);
    boite.setTextFormat(Qt::PlainText);
    QString lignes = texte;
    lignes.replace(FinDeLigne, u"\n"_s);
    boite.setText(lignes);
    boite.setProperty("texteBrut", texte);
}

} // namespace

void afficherMessage(QWidget* parent, const QString& texte) {
    if (intercepteur()) {
        intercepteur()(texte);
        return;
    }
    QMessageBox boite(parent);
    preparer(boite, texte);
    boite.setStandardButtons(QMessageBox::Ok);
    boite.setDefaultButton(QMessageBox::Ok);
    boite.exec();
}

namespace {

// The box with a question and its three buttons, the first the default.
Reponse demander(QWidget* parent, const QString& question, const QString& oui, const QString& non) {
    if (repondeur()) {
        return repondeur()(question);
    }
    QMessageBox boite(parent);
    preparer(boite, question);
    boite.setStandardButtons(QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel);
    boite.button(QMessageBox::Save)->setText(oui);
    boite.button(QMessageBox::Discard)->setText(non);
    boite.button(QMessageBox::Cancel)->setText(u"Annuler"_s);
    boite.setDefaultButton(QMessageBox::Save);
    boite.setEscapeButton(QMessageBox::Cancel);
    switch (boite.exec()) {
    case QMessageBox::Save:
        return Reponse::Enregistrer;
    case QMessageBox::Discard:
        return Reponse::NePasEnregistrer;
    default:
        return Reponse::Annuler;
    }
}

} // namespace

Reponse demanderEnregistrement(QWidget* parent, const QString& question) {
    return demander(parent, question, u"Enregistrer"_s, u"Ne pas enregistrer"_s);
}

Reponse demanderApplication(QWidget* parent, const QString& question) {
    return demander(parent, question, u"Appliquer"_s, u"Ignorer"_s);
}

void afficherMessageEnsuite(QWidget* parent, const QString& texte) {
    QObject* contexte = parent != nullptr ? static_cast<QObject*>(parent) : qApp;
    QMetaObject::invokeMethod(
        contexte, [parent, texte] { afficherMessage(parent, texte); }, Qt::QueuedConnection);
}

void definirIntercepteur(Intercepteur i) {
    intercepteur() = std::move(i);
}

void definirRepondeur(Repondeur r) {
    repondeur() = std::move(r);
}

} // namespace plateforme
