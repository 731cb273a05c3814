// TBienvenida: the welcome splash shown while the screens are created.
#pragma once

#include <QLabel>
#include <QProgressBar>
#include <QWidget>

namespace shell {

class TBienvenida : public QWidget {
  Q_OBJECT
 public:
  TBienvenida();
  void FormCreate();
  void SetProgress(int value);
  int progress() const { return ProgressBar1->value(); }
  bool hasPicture() const { return !Image2->pixmap().isNull(); }

  QLabel* Image2;
  QLabel* label1;  // course year
  QLabel* label2;  // centre name
  QProgressBar* ProgressBar1;

 private:
  QLabel* shadow1_;
  QLabel* shadow2_;
};

}  // namespace shell
