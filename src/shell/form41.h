#pragma once

#include <QWidget>

class QProgressBar;

#include "shell/cornice.h"

namespace ruotario {

// The small "Loading...." window with its progress bar, shown in front of the
// main window while an analysis works. While it exists the main window takes
// no input; it is enabled again however Form41 goes away.
class Form41 : public QWidget {
    Q_OBJECT

  public:
    // Loads and shows the one instance (or returns it when already loaded).
    static Form41* Carica();
    // Unloads it, if loaded.
    static void Scarica();
    static Form41* Istanza();

    QProgressBar* ProgressBar1() const { return progressBar1_; }
    // Sets the bar, and paints the window at once when the bar has visibly
    // grown: the analysis does not return to the event loop while it works.
    void ImpostaValore(int valore);

    ~Form41() override;

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    Form41();

    // How much of the bar is filled, in hundredths.
    int Percento() const;

    QProgressBar* progressBar1_;
    int dipinto_ = 0;  // the hundredths shown by the last painting
    BloccoPrincipale blocco_;
};

}  // namespace ruotario
