// The series window: its controls, how it opens, and the two bars that
// choose the range of draws. What its buttons do is in serie_comandi.cpp.
#include "series/serie.h"

#include <QComboBox>
#include <QDesktopServices>
#include <QLabel>
#include <QListWidget>
#include <QMdiSubWindow>
#include <QMouseEvent>
#include <QPointer>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QStyle>
#include <QTimer>
#include <QToolButton>
#include <QUrl>

#include "analysis/ricerca2.h"
#include "shell/banner.h"
#include "shell/cornice.h"
#include "shell/msgbox.h"
#include "shell/twips.h"
#include "store/calendario.h"
#include "store/errore.h"
#include "store/module1.h"

namespace ruotario {
namespace {

Serie* istanza = nullptr;

constexpr const char* kPubblicita =
    "Questo strumento di gioco per il lotto appartiene ad una delle innumerevoli funzioni del "
    "software Quintario2000 che potete visionare e provare scaricandolo dal sito ufficiale :";

// The default range: the last 181 draws.
constexpr int kUltimeEstrazioni = 181;

QFont Verdana(double punti) {
    QFont carattere("Verdana");
    carattere.setPointSizeF(punti);
    carattere.setWeight(QFont::Normal);
    return carattere;
}

// A label that opens the maker's site in the browser when clicked.
class Collegamento : public QLabel {
  public:
    Collegamento(const QString& testo, QWidget* parent) : QLabel(testo, parent) {
        setCursor(Qt::PointingHandCursor);
        QFont carattere = Verdana(9.75);
        carattere.setUnderline(true);
        setFont(carattere);
        QPalette colori = palette();
        colori.setColor(QPalette::WindowText, QColor(0, 0, 255));
        setPalette(colori);
    }

  protected:
    void mouseReleaseEvent(QMouseEvent* event) override {
        if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
            QDesktopServices::openUrl(QUrl(QString::fromUtf8(kSitoWeb)));
        QLabel::mouseReleaseEvent(event);
    }
};

// A label widens to show its whole text (the free fonts standing in for
// Verdana run wider); it never shrinks below its designed width.
void Didascalia(QLabel* etichetta, const QString& testo) {
    etichetta->setText(testo);
    etichetta->resize(std::max(etichetta->width(), etichetta->sizeHint().width()),
                      etichetta->height());
}

}  // namespace

Serie::Serie() {
    istanza = this;
    setObjectName("Serie");
    setWindowTitle("Archivio Serie");

    combo1_ = new QComboBox(this);
    combo1_->setObjectName("Combo1");
    combo1_->setEditable(false);
    combo1_->setFont(Verdana(11.25));
    PosizionaTwips(combo1_, 120, 240, 10695, 390);

    struct Pulsante {
        int indice;
        const char* testo;
        const char* suggerimento;
        int left, top, height;
        QStyle::StandardPixmap figura;  // SP_CustomBase: a plain button
    };
    auto Crea = [this](const char* nome, const Pulsante& p) -> QAbstractButton* {
        QAbstractButton* pulsante;
        if (p.figura == QStyle::SP_CustomBase) {
            pulsante = new QPushButton(this);
        } else {
            auto* conFigura = new QToolButton(this);
            conFigura->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
            conFigura->setIcon(style()->standardIcon(p.figura));
            conFigura->setIconSize(QSize(Twips(360), Twips(360)));
            pulsante = conFigura;
        }
        pulsante->setObjectName(QString("%1_%2").arg(nome).arg(p.indice));
        pulsante->setText(QString::fromUtf8(p.testo));
        pulsante->setToolTip(QString::fromUtf8(p.suggerimento));
        pulsante->setFont(Verdana(9.75));
        PosizionaTwips(pulsante, p.left, p.top, 1455, p.height);
        return pulsante;
    };
    const Pulsante riga1[] = {
        {0, "Elabora", "Elabora serie selezionata", 120, 960, 975, QStyle::SP_MediaPlay},
        {1, "Elimina", "Elimina serie selezionata", 1920, 960, 975, QStyle::SP_TrashIcon},
        {2, "Svuota", "Elimina tutte le serie dall'archivio", 3720, 960, 975,
         QStyle::SP_DialogResetButton},
        {4, "Salva", "Salva serie in archivio", 5520, 960, 975, QStyle::SP_DialogSaveButton},
        {3, "Esci", "Chiudi finestra", 7320, 960, 975, QStyle::SP_CustomBase},
    };
    for (const Pulsante& p : riga1) {
        command1_[p.indice] = Crea("Command1", p);
        connect(command1_[p.indice], &QAbstractButton::clicked, this,
                [this, i = p.indice] { Command1_Click(i); });
    }
    const Pulsante riga2[] = {
        {0, "Seleziona", "Aggiungi un numero al listato di destra", 2160, 3960, 855,
         QStyle::SP_ArrowRight},
        {1, "Ripristina", "Togli un numero al listato di destra", 2160, 5040, 855,
         QStyle::SP_ArrowLeft},
        {2, "Cancella", "Ripulisci listato di destra", 2160, 6120, 855, QStyle::SP_CustomBase},
    };
    for (const Pulsante& p : riga2) {
        command2_[p.indice] = Crea("Command2", p);
        connect(command2_[p.indice], &QAbstractButton::clicked, this,
                [this, i = p.indice] { Command2_Click(i); });
    }

    auto Barra = [this](const char* nome, int top) {
        auto* barra = new QScrollBar(Qt::Horizontal, this);
        barra->setObjectName(nome);
        barra->setSingleStep(1);
        barra->setPageStep(1);
        PosizionaTwips(barra, 600, top, 2415, 375);
        return barra;
    };
    hScroll1_ = Barra("HScroll1", 2520);
    hScroll2_ = Barra("HScroll2", 3120);
    // valueChanged comes for every change and for every step of a drag.
    connect(hScroll1_, &QScrollBar::valueChanged, this, &Serie::HScroll1_Change);
    connect(hScroll2_, &QScrollBar::valueChanged, this, &Serie::HScroll2_Change);
    for (QScrollBar* barra : {hScroll1_, hScroll2_})
        connect(barra, &QScrollBar::sliderPressed, this,
                [this] { avvisatoNelTrascinamento_ = false; });

    auto Etichetta = [this](const char* nome, const char* testo, double punti) {
        auto* etichetta = new QLabel(QString::fromUtf8(testo), this);
        etichetta->setObjectName(nome);
        etichetta->setFont(Verdana(punti));
        return etichetta;
    };
    label1_ = Etichetta("Label1", "Estrazione Iniziale :", 9.75);
    PosizionaTwips(label1_, 3480, 2640, 2415, 255);
    label2_ = Etichetta("Label2", "Estrazione Finale :", 9.75);
    PosizionaTwips(label2_, 3480, 3240, 2415, 255);
    label3_ = Etichetta("Label3", "Estrazioni Analizzate :", 9.75);
    PosizionaTwips(label3_, 6480, 2880, 2190, 240);
    label6_ = Etichetta("Label6", kPubblicita, 12);
    label6_->setWordWrap(true);
    label6_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    PosizionaTwips(label6_, 5640, 3960, 5175, 2295);

    auto Lista = [this](const char* nome, int left) {
        auto* lista = new QListWidget(this);
        lista->setObjectName(nome);
        lista->setSelectionMode(QAbstractItemView::SingleSelection);
        lista->setFont(Verdana(9.75));
        PosizionaTwips(lista, left, 3960, 1095, 2940);
        return lista;
    };
    list1_ = Lista("List1", 720);
    list2_ = Lista("List2", 4080);

    link_ = new Collegamento("Il sito ufficiale del Quintario2000", this);
    link_->setObjectName("Link");
    PosizionaTwips(link_, 6600, 5520, 3765, 495);
}

Serie::~Serie() {
    if (istanza == this) istanza = nullptr;
}

Serie* Serie::Istanza() {
    return istanza;
}

Serie* Serie::Apri() {
    Cornice* principale = Cornice::Istanza();
    if (istanza) {
        if (principale) principale->Attiva(istanza);
        return istanza;
    }
    auto* finestra = new Serie;
    if (principale)
        principale->AggiungiFinestra(finestra);
    else
        finestra->show();
    finestra->Form_Load();
    return finestra;
}

void Serie::Form_Load() {
    combo1_->move(Twips(100), combo1_->y());
    const int larghezza = 2 * 100 + 10695 + 80;
    const int altezza = 3960 + 2940 + 800;
    // The window's outer size, frame included, at the top-left corner; it
    // keeps that size.
    QWidget* cornice = qobject_cast<QMdiSubWindow*>(parentWidget());
    QWidget* esterna = cornice ? cornice : this;
    esterna->setGeometry(0, 0, Twips(larghezza), Twips(altezza));
    esterna->setFixedSize(esterna->size());

    PreparaBarre();
    list2_->clear();
    RiempiNumeri();
    CaricaSerieArchivio();
}

// Both bars span the archive and start on its last 181 draws.
void Serie::PreparaBarre() {
    const int conteggio = Module1().DrawCount;
    if (conteggio < 1) {
        // Nothing to range over: the labels keep their captions.
        hScroll1_->setEnabled(false);
        hScroll2_->setEnabled(false);
        return;
    }
    {
        QSignalBlocker b1(hScroll1_), b2(hScroll2_);
        hScroll1_->setRange(1, conteggio);
        hScroll2_->setRange(1, conteggio);
    }
    // Fewer than 181 draws: the range starts at the first.
    const int inizio = std::max(1, conteggio - (kUltimeEstrazioni - 1));
    // Each assignment runs its handler, also when the bar already stood there.
    if (hScroll1_->value() == inizio)
        HScroll1_Change();
    else
        hScroll1_->setValue(inizio);
    if (hScroll2_->value() == conteggio)
        HScroll2_Change();
    else
        hScroll2_->setValue(conteggio);
}

void Serie::RiempiNumeri() {
    list1_->clear();
    for (int n = 1; n <= 90; ++n)
        list1_->addItem(QString::number(n));
}

void Serie::HScroll1_Change() {
    if (hScroll1_->value() > hScroll2_->value()) hScroll2_->setValue(hScroll1_->value());
    Module1().RangeStart = static_cast<std::int16_t>(hScroll1_->value());
    Module1().CurrentDrawIndex = Module1().RangeStart;
    if (!PrelevaData()) return;
    Didascalia(label1_, QString::fromStdString(DrawWeekday + ", " + DrawDate));
    AggiornaConteggio();
}

void Serie::HScroll2_Change() {
    if (hScroll2_->value() < hScroll1_->value()) hScroll1_->setValue(hScroll2_->value());
    Module1().RangeEnd = static_cast<std::int16_t>(hScroll2_->value());
    Module1().CurrentDrawIndex = Module1().RangeEnd;
    if (!PrelevaData()) return;
    Didascalia(label2_, QString::fromStdString(DrawWeekday + ", " + DrawDate));
    AggiornaConteggio();
}

void Serie::AggiornaConteggio() {
    Didascalia(label3_, "Estrazioni Analizzate : " +
                            QString::number(hScroll2_->value() + 1 - hScroll1_->value()));
}

bool Serie::PrelevaData() {
    try {
        LeggiEstrazione();
    } catch (const Errore& errore) {
        // A drag runs the handlers at every step: one box speaks for the whole drag.
        const bool trascina = hScroll1_->isSliderDown() || hScroll2_->isSliderDown();
        if (!trascina || !avvisatoNelTrascinamento_) MostraErrore(errore);
        avvisatoNelTrascinamento_ = trascina;
        return false;
    }
    const DrawRecord& d = Module1().CurrentDraw;
    DrawDate = DataBreve(d.Day, d.Month, d.Year);
    DrawWeekday = NomeGiorno(d.Day, d.Month, d.Year);
    return true;
}

}  // namespace ruotario
