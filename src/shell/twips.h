#pragma once

namespace ruotario {

// The windows are designed in twips (1/1440 inch). These convert at the
// screen's logical resolution: 15 twips to a pixel at 96 DPI.
int Twips(double twips);
double TwipsDaPixel(int pixel);

}  // namespace ruotario
