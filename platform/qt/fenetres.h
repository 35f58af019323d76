#pragma once

// Secondary windows and the registry that keeps each of them at most once.

#include <QPointer>
#include <QWidget>
#include <map>
#include <typeindex>
#include <utility>

namespace plateforme {

// A top-level window of the program other than the main one. activer() rebuilds its content from
// the section: it runs at each opening and whenever the window becomes active coming from another
// window of the program, but not when it only gets the focus back from its own message box.
// Échap closes it; closing hides it, and the next opening shows the same window again.
class FenetreSecondaire : public QWidget {
    Q_OBJECT
public:
    // objectName = nom; title; fixed client size in mm; white background where asked.
    FenetreSecondaire(const QString& nom, const QString& titre, double largeurMm, double hauteurMm,
                      bool fondBlanc);

    // Rebuild from the section. Windows that show no section data keep the empty default.
    virtual void activer() {}

protected:
    bool event(QEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
};

// Each secondary window kind exists at most once: the first request creates it, every request shows
// it, brings it to the front, activates it and rebuilds it. Owns the windows it created.
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

private:
    static void montrer(FenetreSecondaire* f);
    std::map<std::type_index, QPointer<FenetreSecondaire>> m_fenetres;
};

} // namespace plateforme
