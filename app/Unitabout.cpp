#include "app/Unitabout.h"

#include <QDesktopServices>
#include <QEvent>
#include <QLabel>
#include <QMouseEvent>

#include "app/application.h"
#include "app/banner_picture.h"

using namespace tambrel;

TForm2::TForm2(QWidget* parent)
    : QDialog(parent, Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint) {
    setObjectName(QStringLiteral("TForm2"));
    setWindowTitle(QStringLiteral("About Tambrel"));
    setModal(true);
    setFont(interfaceFont(9));
    setFixedSize(209, 136);
    // Where the box has always opened on the screen.
    move(389, 250);

    auto* banner = new BannerPicture(Banner::About, this);
    banner->setObjectName(QStringLiteral("Image1"));
    banner->move(0, 0);

    auto* product = new QLabel(this);
    product->setObjectName(QStringLiteral("Label1"));
    product->setTextFormat(Qt::RichText);
    product->setText(
        QStringLiteral("<b>Tambrel</b><br>Version %1").arg(QStringLiteral(TAMBREL_VERSION)));
    product->move(8, 56);
    product->resize(193, 40);
    product->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    Label3 = new QLabel(webPage().host(), this);
    Label3->setObjectName(QStringLiteral("Label3"));
    QFont link = Label3->font();
    link.setUnderline(true);
    Label3->setFont(link);
    QPalette blue = Label3->palette();
    blue.setColor(QPalette::WindowText, QColor(0, 0, 255));
    Label3->setPalette(blue);
    Label3->setCursor(Qt::PointingHandCursor);
    Label3->setToolTip(webPage().toString());
    Label3->move(8, 104);
    Label3->adjustSize();
    Label3->installEventFilter(this);
}

QUrl TForm2::webPage() {
    return QUrl(QStringLiteral("https://tambrel.example.org/"));
}

void TForm2::Label3Click() {
    QDesktopServices::openUrl(webPage());
}

bool TForm2::eventFilter(QObject* watched, QEvent* event) {
    if (watched == Label3 && event->type() == QEvent::MouseButtonRelease) {
        auto* mouse = static_cast<QMouseEvent*>(event);
        if (mouse->button() == Qt::LeftButton &&
            Label3->rect().contains(mouse->position().toPoint())) {
            Label3Click();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}
