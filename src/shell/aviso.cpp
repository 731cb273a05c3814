#include "shell/aviso.h"

#include <QVBoxLayout>

#include "core/globals.h"
#include "core/store.h"
#include "core/texttable.h"
#include "ui/codec.h"
#include "ui/images.h"
#include "ui/platform.h"
#include "ui/widgets.h"

namespace shell {
namespace {
TForm4* gForm4 = nullptr;
}

TForm4* Form4() { return gForm4; }

TForm4::TForm4() {
  gForm4 = this;
  setModal(true);
  setFixedSize(420, 170);
  LabelNombre = new QLabel(this);
  LabelNombre->setGeometry(20, 16, 380, 44);
  LabelNombre->setWordWrap(true);
  LabelNombre->setAlignment(Qt::AlignCenter);
  LabelNombre2 = new QLabel(this);
  LabelNombre2->setGeometry(20, 60, 380, 20);
  EditNombre = new QLineEdit(this);
  EditNombre->setGeometry(60, 84, 300, 26);
  EditNombre->setMaxLength(45);
  ShadowSi = new QPushButton(this);
  ShadowSi->setGeometry(100, 124, 100, 30);
  ShadowNo = new QPushButton(this);
  ShadowNo->setGeometry(220, 124, 100, 30);
  connect(ShadowSi, &QPushButton::clicked, this, [this] { ShadowSiClick(); });
  connect(ShadowNo, &QPushButton::clicked, this, [this] { ShadowNoClick(); });
  FormCreate();
}

void TForm4::FormCreate() {
  ui::SetColours(this, Qt::black, ui::Rgb(core::palette::kDialog));
  QFont arial("Arial", 10);
  for (QWidget* w : std::initializer_list<QWidget*>{ShadowSi, ShadowNo, LabelNombre, LabelNombre2, EditNombre})
    w->setFont(arial);
  setWindowTitle(ui::Q(core::G().CentreName));
  ShadowSi->setText(ui::Q(core::Txt(141)));
  ShadowNo->setText(ui::Q(core::Txt(140)));
  ShadowSi->setDefault(true);
  ShadowSi->setAutoDefault(true);
  ShadowNo->setAutoDefault(false);
  EditNombre->hide();
  LabelNombre2->hide();
}

void TForm4::FormClose() {
  EditNombre->hide();
  LabelNombre2->hide();
  ShadowNo->show();
}

void TForm4::done(int result) {
  QDialog::done(result);
  FormClose();
}

int TForm4::Ask(const QString& question) {
  LabelNombre->setText(question);
  EditNombre->hide();
  int result = ui::P().RunModal(*this);
  FormClose();
  return result;
}

bool TForm4::AskName(const QString& prompt) {
  for (;;) {
    LabelNombre->setText(prompt);
    EditNombre->setText(ui::Q(core::G().StudentName));
    EditNombre->show();
    int result = ui::P().RunModal(*this);
    QString name = EditNombre->text().trimmed();
    FormClose();
    if (result != kModalYes) return false;
    if (!name.isEmpty()) {
      core::G().StudentName = ui::Cp(name).substr(0, 45);
      return true;
    }
  }
}

}  // namespace shell
