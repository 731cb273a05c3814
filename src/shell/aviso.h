// TForm4: the small Yes/No dialog, used as the exit question of the section
// screens and as the name prompt before some prints.
#pragma once

#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace shell {

inline constexpr int kModalYes = 6;
inline constexpr int kModalCancel = 2;

class TForm4 : public QDialog {
  Q_OBJECT
 public:
  TForm4();
  void FormCreate();
  void ShadowSiClick() { done(kModalYes); }
  void ShadowNoClick() { done(kModalCancel); }
  void FormClose();

  // The plain question; returns the modal result.
  int Ask(const QString& question);
  // Asks for the student's name (pre-filled with the last one); true with a
  // name, false when the student says No.
  bool AskName(const QString& prompt);

  QLabel* LabelNombre;
  QLabel* LabelNombre2;
  QLineEdit* EditNombre;
  QPushButton* ShadowSi;
  QPushButton* ShadowNo;

 protected:
  void done(int result) override;
};

TForm4* Form4();

}  // namespace shell
