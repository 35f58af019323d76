#include "platform/qt/fenetres.h"

#include "platform/qt/plan.h"

#include <QApplication>
#include <QEvent>
#include <QKeyEvent>
#include <QScopedValueRollback>
#include <QScreen>
#include <QWindow>
#include <algorithm>
#include <utility>

namespace plateforme {

namespace {

// The top-level window a window belongs to: itself, or the window that owns it (a box, a dialog, a
// menu) followed up to the end.
QWindow* proprietaire(QWindow* w) {
    while (w != nullptr && w->transientParent() != nullptr) {
        w = w->transientParent();
    }
    return w;
}

// What the program's focus did, for the activation rule. Qt sends a widget's WindowActivate before it
// emits focusWindowChanged for the same change, so during the activation this still holds the window
// that had the focus before.
class SuiviFocus final : public QObject {
public:
    static SuiviFocus& instance() {
        static auto* suivi = new SuiviFocus(qApp); // lives as long as the application
        return *suivi;
    }

    // The owner of the window of the program that had the focus last; focus leaving the program (to
    // another application, or to nothing for a moment) is not recorded.
    QWindow* derniere() const { return m_derniere.data(); }
    // Moves at every change of the focus within the program and at every key or button press.
    std::uint64_t evenements() const { return m_evenements; }

protected:
    bool eventFilter(QObject* objet, QEvent* e) override {
        switch (e->type()) {
        case QEvent::KeyPress:
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonDblClick:
            ++m_evenements;
            break;
        default:
            break;
        }
        return QObject::eventFilter(objet, e);
    }

private:
    explicit SuiviFocus(QObject* parent)
        : QObject(parent), m_derniere(proprietaire(QGuiApplication::focusWindow())) {
        connect(qApp, &QGuiApplication::focusWindowChanged, this, [this](QWindow* w) {
            if (w != nullptr) {
                m_derniere = proprietaire(w);
                ++m_evenements;
            }
        });
        qApp->installEventFilter(this);
    }

    QPointer<QWindow> m_derniere;
    std::uint64_t m_evenements = 0;
};

} // namespace

FenetreSecondaire::FenetreSecondaire(const QString& nom, const QString& titre, double largeurMm,
                                     double hauteurMm, bool fondBlanc)
    : QWidget(nullptr) {
    SuiviFocus::instance(); // from now on, before this window can be shown
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
    if (e->type() == QEvent::WindowActivate) {
        const SuiviFocus& suivi = SuiviFocus::instance();
        const bool deLOuverture =
            std::exchange(m_activationAttendue, false) && suivi.evenements() == m_evenementsALOuverture;
        QWindow* avant = suivi.derniere();
        if (!deLOuverture && avant != nullptr && avant != windowHandle()) {
            activer();
        }
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

void FenetreSecondaire::ouvrir(bool activationAttendue) {
    m_activationAttendue = activationAttendue;
    m_evenementsALOuverture = SuiviFocus::instance().evenements();
    const QScopedValueRollback pendant(m_ouverture, true);
    activer();
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

QPoint placement(const QRect& ecran, const QRect& principale, int titre, const QSize& taille, int rang) {
    const int pas = std::max(titre, 24);
    QPoint p(principale.left() + (rang + 1) * pas, principale.top() + (rang + 1) * pas);
    if (principale.right() + taille.width() < ecran.right() + 1) {
        p = {principale.right() + 1, principale.top() + rang * pas};
    } else if (principale.left() - taille.width() >= ecran.left()) {
        p = {principale.left() - taille.width(), principale.top() + rang * pas};
    }
    // Inside the screen: its top-left corner last, so that the title bar stays reachable.
    p.setX(std::max(std::min(p.x(), ecran.right() + 1 - taille.width()), ecran.left()));
    p.setY(std::max(std::min(p.y(), ecran.bottom() + 1 - taille.height()), ecran.top()));
    return p;
}

void Registre::placer(FenetreSecondaire* f) const {
    if (m_principale.isNull() || f->testAttribute(Qt::WA_WState_ExplicitShowHide)) {
        return; // no main window, or shown before: it stays where it was left
    }
    QScreen* ecran = m_principale->screen();
    const QRect cadre = m_principale->frameGeometry();
    const QRect client = m_principale->geometry();
    // The window's frame, as wide as the main window's around its client area.
    const QSize bords = cadre.size() - client.size();
    int rang = 0;
    for (const auto& [type, autre] : m_fenetres) {
        rang += !autre.isNull() && autre != f && autre->isVisible() ? 1 : 0;
    }
    f->move(
        placement(ecran->availableGeometry(), cadre, client.top() - cadre.top(), f->size() + bords, rang));
}

void Registre::montrer(FenetreSecondaire* f) {
    // A window already active gets no activation from this; any other gets one, later or (offscreen,
    // a window manager that refuses the focus) never.
    const bool activationAttendue = !f->isActiveWindow();
    placer(f);
    f->show();
    f->raise();
    f->activateWindow();
    f->ouvrir(activationAttendue);
}

} // namespace plateforme
