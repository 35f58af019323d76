#pragma once

// The controls the windows are made of, over Qt Widgets.

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QWidget>

class QToolButton;

namespace plateforme {

// A label with click and double-click. Transparent background, plain text, word-wrapped, top-left
// aligned. A caption on several lines has them 1.2 times the size of its letters apart, as the layout
// tables were made for (this Tahoma's own line spacing would let them touch). A label nobody listens
// to lets the mouse through to what lies under it, so that a small overlaid label (a lowered index, a
// raised exponent) never hides a clickable one.
class Etiquette final : public QLabel {
    Q_OBJECT
public:
    explicit Etiquette(QWidget* parent = nullptr);
    // Shows the up-arrow pointer that marks a label reacting to a single click.
    void setCliquable(bool cliquable);

Q_SIGNALS:
    void clicked();
    void doubleClicked();

protected:
    void connectNotify(const QMetaMethod& signal) override;
    void paintEvent(QPaintEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void mouseDoubleClickEvent(QMouseEvent* e) override;

private:
    bool m_appuye = false;
};

// A frame (group box) with a caption and a double-click. Its children are placed relative to its
// client area, which starts origine() pixels from its top-left corner.
class Cadre final : public QGroupBox {
    Q_OBJECT
public:
    explicit Cadre(QWidget* parent = nullptr);
    static QPoint origine();

Q_SIGNALS:
    void doubleClicked();

protected:
    void mouseDoubleClickEvent(QMouseEvent* e) override;
};

// A command button whose double-click performs its click first (twice: press and release of each
// click), then emits doubleClicked().
class Bouton final : public QPushButton {
    Q_OBJECT
public:
    explicit Bouton(QWidget* parent = nullptr);

Q_SIGNALS:
    void doubleClicked();

protected:
    void mouseDoubleClickEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;

private:
    bool m_double = false;
};

// An option button (the buttons of one parent form one exclusive group) with a double-click that
// selects it first.
class BoutonOption final : public QRadioButton {
    Q_OBJECT
public:
    explicit BoutonOption(QWidget* parent = nullptr);

Q_SIGNALS:
    void doubleClicked();

protected:
    void mouseDoubleClickEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;

private:
    bool m_double = false;
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

Q_SIGNALS:
    void clicked();
    void doubleClicked();

protected:
    void connectNotify(const QMetaMethod& signal) override;
    void paintEvent(QPaintEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void mouseDoubleClickEvent(QMouseEvent* e) override;

private:
    QString m_source;
    bool m_fondBlanc = true;
    bool m_appuye = false;
};

} // namespace plateforme
