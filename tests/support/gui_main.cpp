// The main of every window test: one QApplication on the offscreen platform,
// prepared as the program prepares its own.
#include <gtest/gtest.h>

#include <QApplication>

#include "app/avvio.h"
#include "support/msgbox_script.h"

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    ruotario::PreparaApplicazione(app);
    testing::InitGoogleTest(&argc, argv);
    ruotario::SetMsgBoxResponder(ruotario::prova::NessunaBoxAttesa());
    return RUN_ALL_TESTS();
}
