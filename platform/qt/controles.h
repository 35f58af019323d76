#pragma once

// The controls the windows are made of, over Qt Widgets.

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QWidget>

class QKeyEvent;
class QMouseEvent;
class QToolButton;

namespace plateforme {

// The click and the double-click of a control: every clickable control below carries one, its child,
// and its mouse handlers say its gestures through it. surClic() and surDoubleClic() wire any of them.
// Someone listening lets the mouse reach the control (a label lets it through until then); a picture
// that answers a click also takes the keyboard focus.
class Clic final : public QObject {
    Q_OBJECT
public:
    enum class Focus { Jamais, SiCliquable };
    explicit Clic(QWidget* controle, Focus focus = Focus::Jamais);

    // The companion of that control; null when it has none.
    static Clic* de(const QWidget* controle);

    // The gestures of a label, a picture or a frame: a left press then a left release inside click
    // it, a left double-click double-clicks it; the events go no further.
    void appui(QMouseEvent* e);
    void relache(QMouseEvent* e);
    void doubleClic(QMouseEvent* e);
    // Space or Entrée on a control that takes the focus clicks it; false for another key.
    bool touche(QKeyEvent* e);
    // The gestures of a button, which its own press and release click: a left double-click is marked
    // (the button takes it as a press), then said once the release that follows has clicked it.
    void marquerDouble(const QMouseEvent* e);
    void apresRelache();

Q_SIGNALS:
    void clicked();
    void doubleClicked();

protected:
    void connectNotify(const QMetaMethod& signal) override;

private:
    QWidget* m_controle;
    Focus m_focus;
    bool m_appuye = false;
    bool m_double = false;
};

// Connects the click or the double-click of any control of this file to `action`, run in `contexte`.
template <class C, class F>
QMetaObject::Connection surClic(const QWidget* controle, const C* contexte, F action) {
    Clic* clic = Clic::de(controle);
    Q_ASSERT_X(clic != nullptr, "surClic", qPrintable(controle->objectName()));
    return QObject::connect(clic, &Clic::clicked, contexte, std::move(action));
}
template <class C, class F>
QMetaObject::Connection surDoubleClic(const QWidget* controle, const C* contexte, F action) {
    Clic* clic = Clic::de(controle);
    Q_ASSERT_X(clic != nullptr, "surDoubleClic", qPrintable(controle->objectName()));
    return QObject::connect(clic, &Clic::doubleClicked, contexte, std::move(action));
}

// A label with click and double-click. Transparent background, plain text, word-wrapped, top-left
// aligned. A caption on several lines has them 1.2 times the size of its letters apart, as the layout
// tables were made for (this Tahoma's own line spacing would let them touch). A label nobody listens
// to lets the mouse through to what lies under it, so that a small overlaid label (a lowered index, a
// raised exponent) never hides a clickable one. A label given the keyboard focus (a focus policy) is
// clicked by Space or Entrée.
class Etiquette final : public QLabel {
    Q_OBJECT
public:
    explicit Etiquette(QWidget* parent = nullptr);
    // Shows the up-arrow pointer that marks a label reacting to a single click.
    void setCliquable(bool cliquable);
    // The height its text takes in `largeur` pixels as it is drawn: wrapped at words, each "\n"
    // starting a line.
    int hauteurTexte(int largeur) const;

protected:
    void paintEvent(QPaintEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void mouseDoubleClickEvent(QMouseEvent* e) override;

private:
    Clic* m_clic;
};

// A scroll area that takes a label's place and geometry: afficher() sets the label's text and sizes it
// to all its lines, a vertical scroll bar showing when they do not fit.
class Defilement final : public QScrollArea {
    Q_OBJECT
public:
    explicit Defilement(Etiquette* etiquette);
    void afficher(const QString& texte);

private:
    Etiquette* m_etiquette;
};

// A frame (group box) with a caption and a double-click. Its children are placed relative to its
// client area, which starts origine() pixels from its top-left corner.
class Cadre final : public QGroupBox {
    Q_OBJECT
public:
    explicit Cadre(QWidget* parent = nullptr);
    static QPoint origine();

protected:
    void mouseDoubleClickEvent(QMouseEvent* e) override;

private:
    Clic* m_clic;
};

// A command button whose double-click performs its click first (twice: press and release of each
// click), then is said as a double-click.
class Bouton final : public QPushButton {
    Q_OBJECT
public:
    explicit Bouton(QWidget* parent = nullptr);

protected:
    void mouseDoubleClickEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;

private:
    Clic* m_clic;
};

// An option button (the buttons of one parent form one exclusive group) with a double-click that
// selects it first.
class BoutonOption final : public QRadioButton {
    Q_OBJECT
public:
    explicit BoutonOption(QWidget* parent = nullptr);

protected:
    void mouseDoubleClickEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;

private:
    Clic* m_clic;
};

// A vertical spin button: two arrows, up in the upper half (object name "haut"), down in the lower
// half ("bas"), repeating while held. Up and Down keys work when it has the focus. It has no value
// of its own: only the arrow presses count.
class Toupie final : public QWidget {
    Q_OBJECT
public:
    explicit Toupie(QWidget* parent = nullptr);
    QToolButton* flecheHaut() const { return m_haut; }
    QToolButton* flecheBas() const { return m_bas; }
    // Names the arrows for screen readers after what they change: "<caption> : augmenter" and
    // "<caption> : diminuer", the caption without its closing colon.
    void setLibelle(const QString& libelle);

Q_SIGNALS:
    void spinUp();
    void spinDown();

protected:
    void resizeEvent(QResizeEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;

private:
    QToolButton* m_haut;
    QToolButton* m_bas;
};

// A picture drawn from an SVG resource, centred in its area at the size shown, with click and
// double-click. White background unless told otherwise. Its accessible name is the title of the
// drawing (the SVG's <title>). A picture that answers a click also takes the keyboard focus, and
// Space or Entrée clicks it.
class Image final : public QWidget {
    Q_OBJECT
public:
    explicit Image(QWidget* parent = nullptr);
    void setSource(const QString& fichier);
    const QString& source() const { return m_source; }
    void setFondBlanc(bool blanc);

protected:
    void paintEvent(QPaintEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void mouseDoubleClickEvent(QMouseEvent* e) override;

private:
    Clic* m_clic;
    QString m_source;
    bool m_fondBlanc = true;
};

// Ctrl+Z and Ctrl+Shift+Z (and the platform's other undo and redo keys) typed in `champ` reach the
// window's actions instead of undoing the field's own typing.
void cederAnnulation(QWidget* champ);

} // namespace plateforme
