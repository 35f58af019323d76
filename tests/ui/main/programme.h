#pragma once

// The program as app/main.cpp builds it, made afresh for each test: the section, the registry of the
// secondary windows and the main window; the messages it shows are collected instead of boxes.

#include "fixture.h"

#include "model/section.h"
#include "platform/qt/fenetres.h"
#include "ui/main/fenetre_donnee.h"

#include <QTest>
#include <memory>
#include <optional>

namespace essai {

struct Programme {
    std::unique_ptr<modele::Section> section;
    std::unique_ptr<plateforme::Registre> registre;
    std::unique_ptr<FenetreDonnee> fenetre;
    std::optional<Messages> messages;

    // The section, the registry and the main window, not shown yet; messages are collected from now.
    void construire() {
        messages.emplace();
        section = std::make_unique<modele::Section>();
        registre = std::make_unique<plateforme::Registre>();
        fenetre = std::make_unique<FenetreDonnee>(*section, *registre);
    }
    // Built and shown; false when the main window never appeared.
    [[nodiscard]] bool demarrer() {
        construire();
        fenetre->show();
        return QTest::qWaitForWindowExposed(fenetre.get());
    }
    // The main window first, then the secondary windows with their registry, as the program ends.
    void arreter() {
        fenetre.reset();
        registre.reset();
        section.reset();
        messages.reset();
    }
};

// The offscreen platform says "does not support raise()" at every opening of a window: noise here.
inline void taireRaiseOffscreen() {
    static const QtMessageHandler suivant = qInstallMessageHandler(nullptr);
    qInstallMessageHandler([](QtMsgType type, const QMessageLogContext& contexte, const QString& texte) {
        if (suivant != nullptr && !texte.contains(QStringLiteral("does not support raise()"))) {
            suivant(type, contexte, texte);
        }
    });
}

} // namespace essai
