#pragma once

// What the window tests share: the French locale, the messages the program shows, and finding the
// controls by name as a user's tool would.

#include "platform/qt/message.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QLocale>
#include <QMessageBox>
#include <QString>
#include <QStringList>
#include <QTest>
#include <QTimer>
#include <QWidget>

namespace essai {

inline void localeFrancaise() {
    QLocale::setDefault(QLocale(QLocale::French, QLocale::France));
}
inline void localeAnglaise() {
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
}

// Collects, in order, the text of every message the program shows while it lives; no box appears.
class Messages {
public:
    Messages() {
        plateforme::definirIntercepteur([this](const QString& texte) { m_textes.append(texte); });
    }
    ~Messages() { plateforme::definirIntercepteur({}); }
    Messages(const Messages&) = delete;
    Messages& operator=(const Messages&) = delete;

    // The messages shown since the last call, and forgets them.
    QStringList prendre() {
        QStringList t;
        t.swap(m_textes);
        return t;
    }
    qsizetype nombre() const { return m_textes.size(); }

private:
    QStringList m_textes;
};

// The lines of a message, joined as the program joins them.
inline QString lignes(const QStringList& l) {
    return l.join(QStringLiteral("\r\n"));
}

// For the tests that use the real box: arms a timer that, once the box is up, records its title and
// text as built and presses OK. A box that never comes fails the check of `vue()`. Given a window, it
// closes the box instead as a desktop may: the box's done() and that window's activation posted
// together, in the order asked, for one pass of the event loop.
class BoiteAttendue {
public:
    explicit BoiteAttendue(QWidget* activee = nullptr, bool activationDAbord = false)
        : m_activee(activee), m_activationDAbord(activationDAbord) {
        QTimer::singleShot(0, [this] { chercher(0); });
    }
    bool vue() const { return m_vue; }
    const QString& titre() const { return m_titre; }
    const QString& texte() const { return m_texte; }

private:
    void chercher(int essais) {
        auto* boite = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (boite == nullptr) {
            if (essais < 200) {
                QTimer::singleShot(10, [this, essais] { chercher(essais + 1); });
            }
            return;
        }
        m_vue = true;
        m_titre = boite->windowTitle();
        m_texte = boite->property("texteBrut").toString();
        if (m_activee == nullptr) {
            boite->button(QMessageBox::Ok)->click();
            return;
        }
        const auto activer = [this] {
            QCoreApplication::postEvent(m_activee, new QEvent(QEvent::WindowActivate));
        };
        if (m_activationDAbord) {
            activer();
        }
        QMetaObject::invokeMethod(boite, "done", Qt::QueuedConnection, Q_ARG(int, QMessageBox::Ok));
        if (!m_activationDAbord) {
            activer();
        }
    }
    QWidget* m_activee;
    bool m_activationDAbord;
    bool m_vue = false;
    QString m_titre;
    QString m_texte;
};

// The user comes to `fenetre` from another window of the program, as a desktop reports it: the focus
// goes to a window made for this, then to `fenetre`. False when either never got it.
[[nodiscard]] inline bool venirDUneAutreFenetre(QWidget* fenetre) {
    QWidget autre;
    autre.setObjectName(QStringLiteral("AutreFenetre"));
    autre.resize(80, 60);
    autre.show();
    autre.activateWindow();
    if (!QTest::qWaitForWindowActive(&autre)) {
        return false;
    }
    fenetre->activateWindow();
    return QTest::qWaitForWindowActive(fenetre);
}

template <class T = QWidget> T* controle(const QWidget* fenetre, const char* nom) {
    T* w = fenetre->findChild<T*>(QString::fromUtf8(nom));
    if (w == nullptr) {
        qWarning("no control named %s", nom);
    }
    return w;
}

inline QString texte(const QWidget* fenetre, const char* nom) {
    const auto* l = controle<QLabel>(fenetre, nom);
    return l != nullptr ? l->text() : QStringLiteral("<absent>");
}

} // namespace essai
