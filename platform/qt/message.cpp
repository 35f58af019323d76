#include "platform/qt/message.h"

#include <QApplication>
#include <QMessageBox>
#include <QPointer>
#include <QWindow>

using namespace Qt::StringLiterals;

namespace plateforme {

namespace {

Intercepteur& intercepteur() {
    static Intercepteur i;
    return i;
}

QPointer<const QWidget>& fenetreDeRetour() {
    static QPointer<const QWidget> f;
    return f;
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
    fenetreDeRetour() = parent != nullptr ? parent->window() : nullptr;
    // The return lasts until that window's next activation, or until the focus goes to another window
    // (the platform may never re-activate a window that stayed active under its box).
    static const bool suivi = [] {
        QObject::connect(qApp, &QGuiApplication::focusWindowChanged, qApp, [](const QWindow* w) {
            const QWidget* f = fenetreDeRetour().data();
            if (w != nullptr && f != nullptr && w != f->windowHandle()) {
                fenetreDeRetour() = nullptr;
            }
        });
        return true;
    }();
    (void)suivi;
}

void definirIntercepteur(Intercepteur i) {
    intercepteur() = std::move(i);
}

bool retourDeMessage(const QWidget* fenetre) {
    const bool retour = !fenetreDeRetour().isNull() && fenetreDeRetour().data() == fenetre;
    fenetreDeRetour() = nullptr;
    return retour;
}

} // namespace plateforme
