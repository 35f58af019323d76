#include "platform/qt/message.h"

#include <QApplication>
#include <QMessageBox>

using namespace Qt::StringLiterals;

namespace plateforme {

namespace {

Intercepteur& intercepteur() {
    static Intercepteur i;
    return i;
}

} // namespace

void afficherMessage(QWidget* parent, const QString& texte) {
    if (intercepteur()) {
        intercepteur()(texte);
        return;
    }
    QMessageBox boite(parent);
    boite.setWindowTitle(u"Brivane"_s);
    boite.setIcon(QMessageBox::NoIcon);
    boite.setTextFormat(Qt::PlainText);
    QString lignes = texte;
    lignes.replace(u"\r\n"_s, u"\n"_s);
    boite.setText(lignes);
    boite.setProperty("texteBrut", texte);
    boite.setStandardButtons(QMessageBox::Ok);
    boite.setDefaultButton(QMessageBox::Ok);
    boite.exec();
}

void afficherMessageEnsuite(QWidget* parent, const QString& texte) {
    QObject* contexte = parent != nullptr ? static_cast<QObject*>(parent) : qApp;
    QMetaObject::invokeMethod(
        contexte, [parent, texte] { afficherMessage(parent, texte); }, Qt::QueuedConnection);
}

void definirIntercepteur(Intercepteur i) {
    intercepteur() = std::move(i);
}

} // namespace plateforme
