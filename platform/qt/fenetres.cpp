#include "platform/qt/fenetres.h"

#include "platform/qt/message.h"
#include "platform/qt/plan.h"

#include <QEvent>
#include <QKeyEvent>

namespace plateforme {

FenetreSecondaire::FenetreSecondaire(const QString& nom, const QString& titre, double largeurMm,
                                     double hauteurMm, bool fondBlanc)
    : QWidget(nullptr) {
    setObjectName(nom);
    setWindowTitle(titre);
    dimensionner(this, largeurMm, hauteurMm);
    if (fondBlanc) {
        QPalette p = palette();
        p.setColor(QPalette::Window, Qt::white);
        setPalette(p);
        setAutoFillBackground(true);
    }
}

bool FenetreSecondaire::event(QEvent* e) {
    if (e->type() == QEvent::WindowActivate && !retourDeMessage(this)) {
        activer();
    }
    return QWidget::event(e);
}

void FenetreSecondaire::keyPressEvent(QKeyEvent* e) {
    if (e->key() == Qt::Key_Escape) {
        close();
        return;
    }
    QWidget::keyPressEvent(e);
}

Registre::~Registre() {
    for (auto& [type, f] : m_fenetres) {
        delete f.data();
    }
}

void Registre::fermerTout() {
    for (auto& [type, f] : m_fenetres) {
        if (!f.isNull()) {
            f->close();
        }
    }
}

void Registre::montrer(FenetreSecondaire* f) {
    f->show();
    f->raise();
    f->activateWindow();
    // The platform's activation may come later or not at all (offscreen, a desktop without a window
    // manager): the opening itself rebuilds.
    f->activer();
}

} // namespace plateforme
