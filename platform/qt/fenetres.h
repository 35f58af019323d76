#pragma once

// Secondary windows and the registry that keeps each of them at most once.

#include <QPointer>
#include <QWidget>
#include <cstdint>
#include <map>
#include <typeindex>
#include <utility>

namespace plateforme {

// A top-level window of the program other than the main one. activer() rebuilds its content from
// the section. It runs at each opening through the registry, and when the window becomes active
// coming from another top-level window of the program; not when the focus comes back from a box or
// a dialog the window owns, nor from another application. What decides is the window that had the
// focus before, never the timing of the platform's events. The opening's own rebuild stands for the
// activation that follows it, as long as nothing happened in between: one rebuild per opening.
// Échap closes it; closing hides it, and the next opening shows the same window again.
class FenetreSecondaire : public QWidget {
    Q_OBJECT
public:
    // objectName = nom; title; fixed client size in mm; white background where asked.
    FenetreSecondaire(const QString& nom, const QString& titre, double largeurMm, double hauteurMm,
                      bool fondBlanc);

    // Rebuild from the section. Windows that show no section data keep the empty default. Never opens
    // a modal loop: its messages go through afficherMessageEnsuite() (platform/qt/message.h).
    virtual void activer() {}

protected:
    // While activer() runs: true when the rebuild is an opening through the registry, false when it is
    // an activation coming from another window (or a call of the program's own).
    bool ouverture() const { return m_ouverture; }

    bool event(QEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;

private:
    friend class Registre;
    void ouvrir(bool activationAttendue);

    bool m_ouverture = false;
    // Set by an opening that will bring the platform's activation; with the count of focus changes and
    // user presses at that time, after which the activation no longer belongs to the opening.
    bool m_activationAttendue = false;
    std::uint64_t m_evenementsALOuverture = 0;
};

// Where a secondary window whose frame is `taille` first opens, all rectangles frames: beside the main
// window `principale`, on its right, else on its left, where it fits in `ecran` (the screen's available
// area), `rang` title heights down; else cascaded over the main window, `rang` + 1 steps down and to the
// right, below its title bar (`titre` pixels high). Kept inside `ecran` as far as its size allows.
QPoint placement(const QRect& ecran, const QRect& principale, int titre, const QSize& taille, int rang);

// Each secondary window kind exists at most once: the first request creates it, every request shows
// it, brings it to the front, activates it and rebuilds it (an opening). Owns the windows it created.
// A window's first showing places it by placement(), from the main window given.
class Registre {
public:
    Registre() = default;
    Registre(const Registre&) = delete;
    Registre& operator=(const Registre&) = delete;
    ~Registre();

    // W derives from FenetreSecondaire and is built as W(args...) on the first request only.
    template <class W, class... A> W& ouvrir(A&&... args) {
        QPointer<FenetreSecondaire>& f = m_fenetres[std::type_index(typeid(W))];
        if (f.isNull()) {
            f = new W(std::forward<A>(args)...);
        }
        montrer(f.data());
        return static_cast<W&>(*f);
    }

    // The window of that kind if it has been created, else nullptr.
    template <class W> W* trouver() const {
        const auto it = m_fenetres.find(std::type_index(typeid(W)));
        return it == m_fenetres.end() ? nullptr : static_cast<W*>(it->second.data());
    }

    // Every window created so far, for closing them all with the main window.
    void fermerTout();

    void definirPrincipale(QWidget* principale) { m_principale = principale; }

private:
    void montrer(FenetreSecondaire* f);
    void placer(FenetreSecondaire* f) const;
    QPointer<QWidget> m_principale;
    std::map<std::type_index, QPointer<FenetreSecondaire>> m_fenetres;
};

} // namespace plateforme
