#include "app/about.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QFileInfo>
#include <QFontInfo>
#include <QLabel>
#include <QPainter>
#include <QProcess>
#include <QPushButton>
#include <algorithm>

#include "app/mdiform1.h"
#include "shell/banner.h"
#include "shell/disegni.h"
#include "shell/msgbox.h"
#include "shell/registro.h"
#include "shell/twips.h"

namespace ruotario {
namespace {

About* istanza = nullptr;

constexpr const char* kAvviso =
    "Questo programma è software libero: lo si può ridistribuire e modificare secondo i termini "
    "della GNU General Public License, versione 3 o successiva. È distribuito senza alcuna "
    "garanzia. I risultati delle analisi hanno valore soltanto statistico e non garantiscono "
    "alcuna vincita.";

class AvviatoreDiSistema : public Avviatore {
  public:
    bool FileEsiste(const std::string& file) override {
        return QFileInfo::exists(QString::fromStdString(file));
    }
    bool Avvia(const std::string& programma) override {
        return QProcess::startDetached(QString::fromStdString(programma), {});
    }
};

QLabel* Etichetta(QWidget* genitore, const char* nome, const QString& testo) {
    auto* etichetta = new QLabel(testo, genitore);
    etichetta->setObjectName(nome);
    etichetta->setWordWrap(true);
    etichetta->setFont(QFont("MS Sans Serif", 8));
    return etichetta;
}

// The larger picture: a few balls as they come out of the urn.
QPixmap Urna(QSize dimensione) {
    QPixmap disegno(dimensione);
    disegno.fill(QColor(192, 192, 192));
    QPainter pittore(&disegno);
    const QString numeri[] = {"7", "90", "45", "12", "33"};
    // Two columns, the middle balls stepped in, all of them inside the picture.
    const int lato = dimensione.width() * 9 / 20;
    for (int i = 0; i < 5; ++i) {
        const int rientro = (i / 2 % 2) * lato / 4;
        const int x = i % 2 == 0 ? rientro : dimensione.width() - lato - 1 - rientro;
        const int y = i * (dimensione.height() - lato - 1) / 4;
        pittore.drawPixmap(x, y, Pallina(lato, numeri[i]));
    }
    return disegno;
}

}  // namespace

About::About() : QWidget(nullptr, Qt::Dialog | Qt::WindowStaysOnTopHint) {
    setObjectName("About");
    setAttribute(Qt::WA_DeleteOnClose);
    setFixedSize(Twips(5490), Twips(4770));

    auto* ok = new QPushButton("OK", this);
    ok->setObjectName("Command1");
    PosizionaTwips(ok, 480, 3840, 1215, 585);
    connect(ok, &QPushButton::clicked, this, &About::Command1_Click);
    ok->setDefault(true);

    auto* sysInfo = new QPushButton("&System Info...", this);
    sysInfo->setObjectName("cmdSysInfo");
    PosizionaTwips(sysInfo, 2160, 3840, 1215, 585);
    // The free font standing in for MS Sans Serif runs wider: the button
    // widens to show its whole caption, towards the picture beside it.
    sysInfo->resize(std::max(sysInfo->width(), sysInfo->sizeHint().width()), sysInfo->height());
    connect(sysInfo, &QPushButton::clicked, this, &About::cmdSysInfo_Click);

    auto* picture1 = new QLabel(this);
    picture1->setObjectName("Picture1");
    PosizionaTwips(picture1, 360, 240, 735, 615);
    picture1->setPixmap(Pallina(32, "R"));

    picture2_ = new QLabel(this);
    picture2_->setObjectName("Picture2");
    PosizionaTwips(picture2_, 3840, 3000, 1530, 1740);
    picture2_->setPixmap(Urna(picture2_->size()));
    picture2_->setMouseTracking(true);
    picture2_->installEventFilter(this);

    auto* link = new QLabel(this);
    link->setObjectName("Link");
    link->setText(QString("<a href=\"%1\">Il sito ufficiale del Quintario2000</a>").arg(kSitoWeb));
    link->setOpenExternalLinks(true);
    link->setFont(QFont("MS Sans Serif", 8));
    PosizionaTwips(link, 960, 3360, 2325, 255);

    auto* label1 = Etichetta(this, "Label1", "© 2026 Ruotario Software");
    PosizionaTwips(label1, 1200, 120, 2300, 435);
    auto* label7 = Etichetta(this, "Label7", "Licenza GPL 3 o successiva");
    PosizionaTwips(label7, 3600, 120, 1770, 435);
    label3_ = Etichetta(this, "Label3", "Archivio e analisi delle estrazioni del Lotto");
    label3_->setFont(QFont("Arial", 9.75, QFont::Bold));
    PosizionaTwips(label3_, 1800, 600, 3270, 435);
    auto* label4 = Etichetta(this, "Label4", QString());
    PosizionaTwips(label4, 120, 1920, 5250, 975);

    Form_Load();
}

About::~About() {
    if (istanza == this) istanza = nullptr;
}

About* About::Mostra() {
    if (!istanza) istanza = new About;
    istanza->show();
    istanza->raise();
    istanza->activateWindow();
    return istanza;
}

About* About::Istanza() {
    return istanza;
}

QString About::TestoVersione(const QString& titolo, int major, int minor, int revision) {
    return QString("%1   %2.%3%4").arg(titolo).arg(major).arg(minor).arg(revision);
}

void About::Form_Load() {
    // The main window was disabled as the window loaded (blocco_).
    CentraSullaCornice(this);
    setWindowTitle("About " + QString::fromUtf8(kTitoloApplicazione));
    findChild<QLabel*>("Label4")->setText(kAvviso);
    QStringList versione = QCoreApplication::applicationVersion().split('.');
    while (versione.size() < 3)
        versione << "0";
    titolo_ = TestoVersione(QString::fromUtf8(kTitoloApplicazione), versione[0].toInt(),
                            versione[1].toInt(), versione[2].toInt());
}

QPoint About::InizioTitolo() const {
    return {35, label3_->y() + label3_->height()};
}

void About::paintEvent(QPaintEvent* event) {
    QWidget::paintEvent(event);
    // Drawn on every paint, so the title survives being covered.
    QPainter pittore(this);
    QPoint inizio = InizioTitolo();
    Text3D(pittore, titolo_, "Impact", 25, inizio.x(), inizio.y(), 10, 120, 20, 130);
}

void About::Text3D(QPainter& pittore, const QString& Strng, const QString& Fnt, int Font_size,
                   int xVal, int YVal, int Depth, int Redcol, int Greencol, int Bluecol) {
    QFont carattere(Fnt, Font_size);
    // Impact is a heavy face; where it is missing its stand-in is made bold.
    if (QFontInfo(carattere).family() != Fnt) carattere.setBold(true);
    pittore.setFont(carattere);
    pittore.setPen(QColor(Redcol, Greencol, Bluecol));
    for (int i = 0; i <= Depth; ++i) {
        if (i == Depth) pittore.setPen(QColor(Redcol + 80, Greencol + 80, Bluecol + 80));
        int x = xVal - i;
        int y = YVal + i;
        pittore.drawText(QRect(x, y, width(), height() - y), Qt::AlignLeft | Qt::AlignTop, Strng);
    }
}

void About::Command1_Click() {
    close();
}

void About::cmdSysInfo_Click() {
    AvviatoreDiSistema avviatore;
    if (!StartSysInfo(*RegistroDiSistema(), avviatore))
        MsgBox(kMsgSysInfo, MsgBoxButtons::Ok, MsgBoxIcon::None);
}

bool About::eventFilter(QObject* oggetto, QEvent* evento) {
    if (oggetto == picture2_ && evento->type() == QEvent::MouseMove)
        picture2_->setToolTip("Un programma di Ruotario Software");
    return QWidget::eventFilter(oggetto, evento);
}

void About::closeEvent(QCloseEvent* event) {
    blocco_.Rilascia();
    if (istanza == this) istanza = nullptr;
    event->accept();
}

}  // namespace ruotario
