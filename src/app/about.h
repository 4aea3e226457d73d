#pragma once

#include <QWidget>

#include "shell/cornice.h"

class QLabel;

namespace ruotario {

// The About window: title and version drawn as layered text, two pictures,
// the link to the maker's site and the legal notice. It stays above the main
// window, which takes no input while it is open.
class About : public QWidget {
    Q_OBJECT

  public:
    // Opens the one instance, or brings it to the front.
    static About* Mostra();
    static About* Istanza();
    ~About() override;

    // "Ruotario   1.00" for version 1.0.0: title, three spaces, major, ".",
    // minor and revision run together.
    static QString TestoVersione(const QString& titolo, int major, int minor, int revision);

    void Command1_Click();
    void cmdSysInfo_Click();

    // Where the rear layer of the title starts, in pixels.
    QPoint InizioTitolo() const;

  protected:
    void paintEvent(QPaintEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* oggetto, QEvent* evento) override;

  private:
    About();
    void Form_Load();
    void Text3D(QPainter& pittore, const QString& Strng, const QString& Fnt, int Font_size,
                int xVal, int YVal, int Depth, int Redcol, int Greencol, int Bluecol);

    QLabel* label3_;
    QLabel* picture2_;
    QString titolo_;
    BloccoPrincipale blocco_;
};

}  // namespace ruotario
