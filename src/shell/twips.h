#pragma once

class QWidget;

namespace ruotario {

// The windows are designed in twips (1/1440 inch). This converts at the
// screen's logical resolution, rounding to the nearest pixel: 15 twips to a
// pixel at 96 DPI.
int Twips(double twips);

// Places a control at a position and size given in twips.
void PosizionaTwips(QWidget* controllo, int left, int top, int width, int height);

}  // namespace ruotario
