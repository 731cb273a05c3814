// Tform0: the main menu, a wall of labelled doors. Choosing a door plays the
// climb and zoom animations and opens that section's screen.
#pragma once

#include <QImage>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <functional>
#include <string>
#include <vector>

#include "ui/widgets.h"

namespace shell {
class PanelEspe;
}

namespace shell {

struct DoorSpec {
  int code;
  const char* component;
  int column;  // 1..6
  const char* screen;  // class name of the section it opens
};

// The doors in table order; code 10 is never used.
const std::vector<DoorSpec>& Doors();
// Screen rectangle of the zoomed door at a zoom step (the door grows by
// the step in width and height).
QRect ZoomRect(int sectionCode, int zoomStep, int doorWidth, int doorHeight);
int DoorY(int sectionCode);

class Tform0 : public ui::Screen {
  Q_OBJECT
 public:
  Tform0();
  void FormCreate();

  // Handlers.
  void pilotoTimer();
  void TimerTextoTimer();
  void TimerPuertaTimer();
  void TimerZoomTimer();
  void TimerAyudaTimer();
  void DoorClick(int code);
  void DoorMouseMove(QLabel* label);
  void LabelDejarMouseMove();
  void mosaicoMouseMove();
  void LabelDejarClick();
  void LabelConfigClick();
  void casClick();
  void siClick();
  void ButtonGrabarClick();
  void ButtonRetroConfClick();
  void LabelCurEspClick();
  void BotRetroceClick();
  void FormShow();

  QLabel* DoorLabel(int code) const;

  // Called when the user confirms leaving the program (set by the program entry).
  std::function<bool()> exitQuestion;
  // Called to show the animated world again (set when it exists).
  std::function<void()> showWorld;
  // Called by the show handler: closes the splash.
  std::function<void()> onShown;

  int SectionCode = 0;
  int ZoomStep = 0;
  int WalkFrame = 0;
  int DoorWidth = 0;
  int DoorHeight = 0;
  int DoorX = 0;
  int DoorYPos = 0;
  int ClimbY = 0;
  std::string LastOpened;  // class name of the last section shown

  ui::ImageView* mosaico;
  QLabel* anda;
  QWidget* Bocadillo1;
  QLabel* LabelBocadillo1;
  QLabel* labelBocadillo2;
  QWidget* PanelAyuda;
  QLabel* chica;
  QLabel* LabelAyu[5];
  ui::ClickLabel* ImageDejar;
  ui::ClickLabel* LabelDejar;
  QLabel* LabelCentro;
  QLabel* LabelAno;
  QPushButton* BotRetroce;
  ui::ClickLabel* LabelConfig;
  ui::ClickLabel* LabelCurEsp;
  QWidget* panelConfigu;
  QRadioButton *cas, *cat, *gal, *eus;
  QLabel* Labelidioma;
  QLabel* LabelIdiomaSel;
  QWidget* PanelCofigu2;
  QLabel* LabelAnimacion;
  QRadioButton *si, *no;
  QLabel* LabelSINO;
  QPushButton* ButtonGrabar;
  QPushButton* ButtonRetroConf;
  QLabel* LabelReiniciar;
  PanelEspe* PanelEspeG;  // the specialisation courses, over the whole menu
  QTimer piloto, TimerTexto, TimerPuerta, TimerZoom, TimerAyuda;
  std::vector<QPixmap> ImageList1;       // 0..7 walking, 8..15 presenter
  std::vector<QPixmap> ImageListPuerta;  // 0..4 climbing into the door

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void showEvent(QShowEvent* event) override;

 private:
  void BuildComponents();
  void SetTexts();
  void SetFonts();
  void RetileMosaic();
  void OpenSection();
  void ShowFrame(QLabel* target, const std::vector<QPixmap>& frames, int index);
  std::vector<ui::ClickLabel*> doorLabels_;
  std::vector<QLabel*> hoverLabels_;
};

Tform0* Form0();

}  // namespace shell
