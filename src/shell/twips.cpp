#include "shell/twips.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <cmath>

namespace ruotario {
namespace {

double PuntiPerPollice() {
    QScreen* schermo = QGuiApplication::primaryScreen();
    double dpi = schermo ? schermo->logicalDotsPerInchY() : 96.0;
    return dpi > 0 ? dpi : 96.0;
}

}  // namespace

int Twips(double twips) {
    return static_cast<int>(std::lround(twips * PuntiPerPollice() / 1440.0));
}

void PosizionaTwips(QWidget* controllo, int left, int top, int width, int height) {
    controllo->setGeometry(Twips(left), Twips(top), Twips(width), Twips(height));
}

}  // namespace ruotario
