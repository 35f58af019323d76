#include "platform/qt/plan.h"

#include "platform/qt/controles.h"

#include <QLineEdit>
#include <QListWidget>

namespace plateforme {

QWidget* Plan::ajouter(const Controle& c) {
    QWidget* parent = c.parent.isEmpty() ? m_fenetre : widget(c.parent);
    Q_ASSERT_X(parent != nullptr, "Plan::ajouter", qPrintable(c.parent));
    QWidget* w = nullptr;
    switch (c.genre) {
    case Genre::Etiquette: {
        auto* e = new Etiquette(parent);
        e->setText(c.texte);
        w = e;
        break;
    }
    case Genre::Champ: {
        auto* e = new QLineEdit(parent);
        e->setText(c.texte);
        w = e;
        break;
    }
    case Genre::Liste: {
        auto* l = new QListWidget(parent);
        l->setSelectionMode(QAbstractItemView::SingleSelection);
        w = l;
        break;
    }
    case Genre::Option: {
        auto* o = new BoutonOption(parent);
        o->setText(c.texte);
        w = o;
        break;
    }
    case Genre::Bouton: {
        auto* b = new Bouton(parent);
        b->setText(c.texte);
        w = b;
        break;
    }
    case Genre::Cadre: {
        auto* f = new Cadre(parent);
        f->setTitle(c.texte);
        w = f;
        break;
    }
    case Genre::Image: {
        auto* i = new Image(parent);
        i->setSource(c.texte);
        w = i;
        break;
    }
    case Genre::Toupie:
        w = new Toupie(parent);
        break;
    }
    w->setObjectName(c.nom);
    w->setFont(police(c.police));
    QRect r = rectangle(c.rect);
    if (qobject_cast<Cadre*>(parent) != nullptr) {
        r.translate(Cadre::origine());
    }
    w->setGeometry(r);
    w->raise();
    m_controles.insert(c.nom, w);
    return w;
}

void Plan::ajouter(std::span<const Controle> controles) {
    for (const Controle& c : controles) {
        ajouter(c);
    }
}

void dimensionner(QWidget* fenetre, double largeurMm, double hauteurMm) {
    fenetre->setFixedSize(mm(largeurMm), mm(hauteurMm));
}

} // namespace plateforme
