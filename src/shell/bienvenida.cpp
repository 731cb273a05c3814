#include "shell/bienvenida.h"

#include <QGuiApplication>
#include <QPixmap>
#include <QScreen>

#include "core/globals.h"
#include "core/settings.h"
#include "core/store.h"
#include "core/textfile.h"
#include "ui/codec.h"
#include "ui/images.h"
#include "ui/widgets.h"

namespace shell {

TBienvenida::TBienvenida() : QWidget(nullptr, Qt::SplashScreen | Qt::FramelessWindowHint) {
  setFixedSize(644, 586);
  Image2 = new QLabel(this);
  Image2->setGeometry(80, 32, 500, 500);
  Image2->setScaledContents(true);
  QFont big("Arial");
  big.setBold(true);
  big.setPixelSize(21);
  shadow2_ = new QLabel(this);
  shadow2_->setGeometry(85, 52, 497, 28);
  label2 = new QLabel(this);
  label2->setGeometry(83, 50, 497, 28);
  label2->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
  shadow2_->setAlignment(label2->alignment());
  shadow1_ = new QLabel(this);
  shadow1_->setGeometry(284, 84, 120, 28);
  label1 = new QLabel(this);
  label1->setGeometry(282, 82, 120, 28);
  for (QLabel* l : {label1, label2, shadow1_, shadow2_}) l->setFont(big);
  ProgressBar1 = new QProgressBar(this);
  ProgressBar1->setGeometry(232, 544, 193, 17);
  ProgressBar1->setRange(0, 100);
  ProgressBar1->setValue(5);
  ProgressBar1->setTextVisible(false);
  FormCreate();
}

void TBienvenida::FormCreate() {
  const std::string portada = core::CommonPath("portada");
  if (core::FileExists(portada)) {
    QImage picture(QString::fromStdString(portada));
    if (!picture.isNull()) {
      ui::SetSharedImage("portada", picture);
      Image2->setPixmap(QPixmap::fromImage(picture));
    }
  }
  ui::SetColours(this, ui::Rgb(core::palette::kNavy), ui::Rgb(core::palette::kSplash));
  for (QLabel* l : {label1, label2}) ui::SetTextColour(l, ui::Rgb(core::palette::kNavy));
  for (QLabel* l : {shadow1_, shadow2_}) ui::SetTextColour(l, QColor(0, 0, 0, 90));
  label1->setText(core::kCourseYear);
  label2->setText(ui::Q(core::G().CentreName));
  shadow1_->setText(label1->text());
  shadow2_->setText(label2->text());
  if (QScreen* screen = QGuiApplication::primaryScreen())
    move(screen->availableGeometry().center() - QPoint(width() / 2, height() / 2));
}

void TBienvenida::SetProgress(int value) {
  ProgressBar1->setValue(value);
  repaint();
}

}  // namespace shell
