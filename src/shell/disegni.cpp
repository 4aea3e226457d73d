#include "shell/disegni.h"

#include <QPainter>
#include <QRadialGradient>

namespace ruotario {

QPixmap Pallina(int lato, const QString& numero) {
    QPixmap disegno(lato, lato);
    disegno.fill(Qt::transparent);
    QPainter pittore(&disegno);
    pittore.setRenderHint(QPainter::Antialiasing);
    QRadialGradient luce(lato * 0.35, lato * 0.35, lato * 0.7);
    luce.setColorAt(0, QColor(255, 255, 255));
    luce.setColorAt(1, QColor(200, 100, 210));
    pittore.setBrush(luce);
    pittore.setPen(QPen(QColor(120, 20, 130), 1));
    pittore.drawEllipse(1, 1, lato - 2, lato - 2);
    QFont carattere("Arial");
    carattere.setPixelSize(lato * 2 / 5);
    carattere.setBold(true);
    pittore.setFont(carattere);
    pittore.setPen(QColor(60, 0, 70));
    pittore.drawText(QRect(0, 0, lato, lato), Qt::AlignCenter, numero);
    return disegno;
}

}  // namespace ruotario
