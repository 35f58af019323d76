// The floor: a bare Qt Widgets program with one empty window of the main window's size
// (196.3 x 136.0 mm), shown, then quit once painted.

#include <QApplication>
#include <QScreen>
#include <QTimer>
#include <QWidget>
#include <cmath>

namespace {

class FenetreVide final : public QWidget {
protected:
    void paintEvent(QPaintEvent*) override {
        if (!m_peinte) {
            m_peinte = true;
            QTimer::singleShot(0, qApp, &QCoreApplication::quit);
        }
    }

private:
    bool m_peinte = false;
};

} // namespace

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    const QScreen* ecran = QGuiApplication::primaryScreen();
    const double pixelsParMm = (ecran != nullptr ? ecran->logicalDotsPerInchX() : 96.0) / 25.4;
    FenetreVide fenetre;
    fenetre.setFixedSize(static_cast<int>(std::lround(196.3 * pixelsParMm)),
                         static_cast<int>(std::lround(136.0 * pixelsParMm)));
    fenetre.show();
    return QApplication::exec();
}
