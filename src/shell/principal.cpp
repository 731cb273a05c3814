#include "shell/principal.h"

#include <QFrame>
#include <QKeyEvent>
#include <QPainter>
#include <QPainterPath>

#include "core/globals.h"
#include "core/settings.h"
#include "core/store.h"
#include "core/textfile.h"
#include "core/texttable.h"
#include "shell/cursos.h"
#include "ui/codec.h"
#include "ui/hintwindow.h"
#include "ui/images.h"
#include "ui/platform.h"
#include "ui/screens.h"

namespace shell {
namespace {

Tform0* gForm0 = nullptr;

constexpr int kFrameWidth = 40;
constexpr int kFrameHeight = 64;
constexpr int kFigureLeft = 100;
constexpr int kFigureTop = 235;
constexpr int kBottomRowTop = 305;

QString Lines(std::initializer_list<QString> parts) { return QStringList(parts).join('\n'); }
QString T(int n) { return ui::Q(core::Txt(n)); }

// The speech bubble of the intro walk.
class Bubble : public QWidget {
 public:
  using QWidget::QWidget;
 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    QPainterPath path;
    path.addRoundedRect(QRectF(14, 1, width() - 16, height() - 3), 18, 18);
    QPainterPath tail;
    tail.moveTo(16, height() - 34);
    tail.lineTo(0, height() - 8);
    tail.lineTo(34, height() - 16);
    tail.closeSubpath();
    path = path.united(tail);
    p.fillPath(path, Qt::white);
    p.setPen(QPen(QColor(0x40, 0x40, 0x60), 2));
    p.drawPath(path);
  }
};

void MakeOpaqueLabel(QLabel* label) {
  label->setAutoFillBackground(true);
  label->setWordWrap(true);
  label->setAlignment(Qt::AlignCenter);
}

}  // namespace

Tform0* Form0() { return gForm0; }

const std::vector<DoorSpec>& Doors() {
  static const std::vector<DoorSpec> doors = {
      {1, "LabelCarreras", 1, "TForm1"}, {2, "LabelCat", 2, "TFormCat"},   {3, "LabelFpS", 3, "TForm8"},
      {4, "LabelIti", 4, "TForm2"},      {5, "LabelFPM", 5, "TForm3"},     {6, "LabelFPip", 6, "TFIniPro"},
      {7, "LabelProfe", 2, "Tprofe"},    {8, "LabelCuesB", 3, "TFormCon"}, {9, "LabelCuesE", 4, "TForm2"},
      {11, "LabelAsistente", 6, "TForm5"}};
  return doors;
}

int DoorY(int sectionCode) { return sectionCode <= 6 ? 170 : 510; }

QRect ZoomRect(int sectionCode, int zoomStep, int doorWidth, int doorHeight) {
  int column = sectionCode <= 6 ? sectionCode : sectionCode - 5;
  int top = sectionCode <= 6 ? 0 : kBottomRowTop;
  int left = (column - 1) * doorWidth - zoomStep / 2;
  int right = column * doorWidth + zoomStep / 2;
  return QRect(QPoint(left, top), QPoint(right, top + doorHeight + zoomStep));
}

Tform0::Tform0() {
  gForm0 = this;
  BuildComponents();
  FormCreate();
}

void Tform0::BuildComponents() {
  setWindowTitle("el Trazora");
  mosaico = new ui::ImageView(this);
  mosaico->setGeometry(0, 0, ui::kScreenWidth, ui::kScreenHeight);
  mosaico->onMouseMove = [this](QPoint) { mosaicoMouseMove(); };

  for (const DoorSpec& door : Doors()) {
    auto* label = new ui::ClickLabel(this);
    label->setObjectName(door.component);
    MakeOpaqueLabel(label);
    int code = door.code;
    label->onClick = [this, code] { DoorClick(code); };
    label->onMouseMove = [this, label] { DoorMouseMove(label); };
    doorLabels_.push_back(label);
    hoverLabels_.push_back(label);
  }

  anda = new QLabel(this);
  anda->resize(kFrameWidth, kFrameHeight);
  anda->setAttribute(Qt::WA_TransparentForMouseEvents);
  anda->hide();

  Bocadillo1 = new Bubble(this);
  Bocadillo1->setGeometry(196, 150, 260, 92);
  LabelBocadillo1 = new QLabel(Bocadillo1);
  labelBocadillo2 = new QLabel(Bocadillo1);
  for (QLabel* l : {LabelBocadillo1, labelBocadillo2}) {
    l->setGeometry(26, 6, 226, 78);
    l->setWordWrap(true);
    l->setAlignment(Qt::AlignCenter);
    l->hide();
  }
  Bocadillo1->hide();

  PanelAyuda = new QWidget(this);
  PanelAyuda->setGeometry(6, 612, 330, 102);
  chica = new QLabel(PanelAyuda);
  chica->setGeometry(6, 20, kFrameWidth, kFrameHeight);
  for (int i = 0; i < 5; ++i) {
    LabelAyu[i] = new QLabel(PanelAyuda);
    LabelAyu[i]->setGeometry(52, 3 + 19 * i, 274, 19);
  }
  PanelAyuda->hide();

  ImageDejar = new ui::ClickLabel(this);
  ImageDejar->setGeometry(10, 330, 150, 80);
  ImageDejar->setAlignment(Qt::AlignCenter);
  ImageDejar->onClick = [this] { LabelDejarClick(); };
  LabelDejar = new ui::ClickLabel(this);
  LabelDejar->setObjectName("LabelDejar");
  LabelDejar->setGeometry(10, 414, 150, 36);
  LabelDejar->setAlignment(Qt::AlignCenter);
  LabelDejar->setWordWrap(true);
  LabelDejar->onClick = [this] { LabelDejarClick(); };
  LabelDejar->onMouseMove = [this] { LabelDejarMouseMove(); };
  hoverLabels_.push_back(LabelDejar);

  LabelCentro = new QLabel(this);
  LabelAno = new QLabel(this);
  for (QLabel* l : {LabelCentro, LabelAno}) {
    l->setAutoFillBackground(true);
    l->setAlignment(Qt::AlignCenter);
  }

  BotRetroce = new QPushButton(this);
  BotRetroce->setGeometry(900, 676, 112, 32);
  connect(BotRetroce, &QPushButton::clicked, this, [this] { BotRetroceClick(); });

  LabelConfig = new ui::ClickLabel(this);
  LabelConfig->setObjectName("LabelConfig");
  LabelConfig->setGeometry(4 * 171 + 26, 330, 119, 60);
  LabelCurEsp = new ui::ClickLabel(this);
  LabelCurEsp->setObjectName("LabelCurEsp");
  LabelCurEsp->setGeometry(4 * 171 + 26, 404, 119, 60);
  for (ui::ClickLabel* l : {LabelConfig, LabelCurEsp}) {
    MakeOpaqueLabel(l);
    l->onMouseMove = [this, l] { DoorMouseMove(l); };
    hoverLabels_.push_back(l);
  }
  LabelConfig->onClick = [this] { LabelConfigClick(); };
  LabelCurEsp->onClick = [this] { LabelCurEspClick(); };

  auto* frame = new QFrame(this);
  frame->setFrameStyle(QFrame::Box | QFrame::Plain);
  frame->setLineWidth(2);
  panelConfigu = frame;
  panelConfigu->setGeometry(312, 170, 400, 340);
  panelConfigu->setAutoFillBackground(true);
  Labelidioma = new QLabel(panelConfigu);
  Labelidioma->setGeometry(20, 14, 200, 22);
  cas = new QRadioButton(panelConfigu);
  cat = new QRadioButton(panelConfigu);
  gal = new QRadioButton(panelConfigu);
  eus = new QRadioButton(panelConfigu);
  int y = 40;
  for (QRadioButton* r : {cas, cat, gal, eus}) {
    r->setGeometry(30, y, 180, 22);
    y += 24;
    connect(r, &QRadioButton::clicked, this, [this] { casClick(); });
  }
  LabelIdiomaSel = new QLabel(panelConfigu);
  LabelIdiomaSel->setGeometry(220, 40, 170, 22);
  PanelCofigu2 = new QWidget(panelConfigu);
  PanelCofigu2->setGeometry(10, 142, 380, 70);
  LabelAnimacion = new QLabel(PanelCofigu2);
  LabelAnimacion->setGeometry(10, 4, 200, 22);
  si = new QRadioButton(PanelCofigu2);
  no = new QRadioButton(PanelCofigu2);
  si->setGeometry(20, 30, 80, 22);
  no->setGeometry(110, 30, 80, 22);
  for (QRadioButton* r : {si, no}) connect(r, &QRadioButton::clicked, this, [this] { siClick(); });
  LabelSINO = new QLabel(PanelCofigu2);
  LabelSINO->setGeometry(220, 28, 150, 26);
  LabelReiniciar = new QLabel(panelConfigu);
  LabelReiniciar->setGeometry(20, 218, 360, 46);
  LabelReiniciar->setWordWrap(true);
  ButtonGrabar = new QPushButton(panelConfigu);
  ButtonGrabar->setGeometry(60, 284, 120, 34);
  ButtonRetroConf = new QPushButton(panelConfigu);
  ButtonRetroConf->setGeometry(220, 284, 120, 34);
  connect(ButtonGrabar, &QPushButton::clicked, this, [this] { ButtonGrabarClick(); });
  connect(ButtonRetroConf, &QPushButton::clicked, this, [this] { ButtonRetroConfClick(); });
  panelConfigu->hide();

  piloto.setInterval(200);
  TimerTexto.setInterval(3000);
  TimerPuerta.setInterval(200);
  TimerZoom.setInterval(100);
  TimerAyuda.setInterval(200);
  connect(&piloto, &QTimer::timeout, this, [this] { pilotoTimer(); });
  connect(&TimerTexto, &QTimer::timeout, this, [this] { TimerTextoTimer(); });
  connect(&TimerPuerta, &QTimer::timeout, this, [this] { TimerPuertaTimer(); });
  connect(&TimerZoom, &QTimer::timeout, this, [this] { TimerZoomTimer(); });
  connect(&TimerAyuda, &QTimer::timeout, this, [this] { TimerAyudaTimer(); });

  PanelEspeG = new PanelEspe(this);

  onCloseQuery = [this] { return exitQuestion ? exitQuestion() : true; };
}

void Tform0::FormCreate() {
  core::Globals& g = core::G();
  // 1-2. Size, position and the exit sign's picture.
  g.LoadFailed = false;
  move(0, 0);
  QPalette background = palette();
  background.setColor(QPalette::Window, Qt::black);
  setPalette(background);
  setAutoFillBackground(true);
  const std::string sign = core::CommonPath("rotulon.bmp");
  QImage signImage(QString::fromStdString(sign));
  if (signImage.isNull()) g.LoadFailed = true;
  else ImageDejar->setPixmap(QPixmap::fromImage(signImage).scaled(ImageDejar->size(), Qt::KeepAspectRatio,
                                                                 Qt::SmoothTransformation));
  // 3. Frames and door size.
  ImageList1 = ui::SplitFrames(QImage(QString::fromStdString(core::CommonPath("figura_anda.png"))), kFrameWidth);
  ImageListPuerta =
      ui::SplitFrames(QImage(QString::fromStdString(core::CommonPath("figura_puerta.png"))), kFrameWidth);
  const QImage& parte = ui::SharedImage("parte");
  DoorWidth = parte.isNull() ? 171 : parte.width();
  DoorHeight = parte.isNull() ? 305 : parte.height();
  // 4.
  if (g.LoadFailed) return;
  ZoomStep = 0;
  WalkFrame = 0;
  anda->move(kFigureLeft, kFigureTop);
  ui::SetHintEnabled(DoorLabel(1), false);
  ui::SetHintEnabled(DoorLabel(2), false);
  // 5-6.
  SetTexts();
  SetFonts();
  // 7.
  core::AskScreenMode(0);
  RetileMosaic();
  // 8.
  BotRetroce->setText(T(g.AnimationOn ? 82 : 222));
  BotRetroce->setVisible(true);
  ui::SetColours(PanelAyuda, ui::Rgb(core::palette::kNavy), ui::Rgb(core::palette::kSplash));
  ui::SetColours(panelConfigu, ui::Rgb(core::palette::kNavy), ui::Rgb(core::palette::kSplash));
  // 9.
  anda->move(kFigureLeft, kFigureTop);
  if (!g.WorldPresent) piloto.start();
}

QLabel* Tform0::DoorLabel(int code) const {
  const auto& doors = Doors();
  for (std::size_t i = 0; i < doors.size(); ++i)
    if (doors[i].code == code) return doorLabels_[i];
  return nullptr;
}

void Tform0::SetTexts() {
  const QString captions[] = {T(84),
                              T(103),
                              T(513),
                              T(21),
                              T(512),
                              T(263),
                              T(622) + " " + T(623),
                              Lines({T(8), T(9), T(10), T(11)}),
                              Lines({T(8), T(9), T(10), T(12)}),
                              T(6)};
  const QString hints[] = {Lines({T(306), T(551), QString()}),
                           T(224),
                           Lines({T(318), T(316), T(317)}),
                           Lines({T(179), T(180)}),
                           Lines({T(113), T(154), T(155), T(156), T(157), T(158), T(159)}),
                           Lines({T(263), T(584)}),
                           T(641),
                           Lines({T(305), T(301), T(302)}),
                           Lines({T(305), T(509) + " " + T(510)}),
                           QString()};
  const auto& doors = Doors();
  for (std::size_t i = 0; i < doors.size(); ++i) {
    QLabel* label = doorLabels_[i];
    label->setText(captions[i]);
    ui::SetHint(label, hints[i]);
    int top = doors[i].code <= 6 ? 12 : kBottomRowTop + 12;
    label->setGeometry((doors[i].column - 1) * DoorWidth + 26, top, DoorWidth - 52, 66);
  }
  LabelDejar->setText(Lines({T(587), T(588)}));
  ui::SetHint(LabelDejar, T(580));
  ui::SetHint(ImageDejar, T(580));
  LabelConfig->setText(Lines({T(121), T(396), T(606)}));
  LabelCurEsp->setText(T(514) + " - " + T(572));
  LabelCentro->setText(ui::Q(core::G().CentreName));
  LabelAno->setText(core::kCourseYear);
  LabelBocadillo1->setText(Lines({T(264), "Trazora.", T(175) + " " + core::kCourseYear + "."}));
  labelBocadillo2->setText(Lines({T(16), T(265), T(266), T(267)}));

  // The configuration panel.
  ButtonRetroConf->setText(T(82));
  LabelAnimacion->setText(T(606));
  Labelidioma->setText(T(396));
  ButtonGrabar->setText(T(608));
  LabelReiniciar->setText(T(607));
  si->setText(T(141));
  no->setText(T(140));
  QRadioButton* radios[] = {cas, cat, gal, eus};
  for (int i = 0; i < 4; ++i) radios[i]->setText(ui::Q(core::LanguageCaption(i)));

  const QColor navy = ui::Rgb(core::palette::kNavy);
  SetTextColour(LabelDejar, navy);
  for (QLabel* l : {LabelCentro, LabelAno}) ui::SetColours(l, navy, ui::Rgb(core::palette::kRed));
  for (QLabel* l : hoverLabels_)
    if (l != LabelDejar) ui::SetColours(l, navy, ui::Rgb(core::palette::kDialog));
}

void Tform0::SetFonts() {
  QFont label("Arial", 10, QFont::Bold);
  for (QLabel* l : findChildren<QLabel*>()) l->setFont(label);
  for (QPushButton* b : findChildren<QPushButton*>()) b->setFont(QFont("Arial", 9));
  for (QRadioButton* r : findChildren<QRadioButton*>()) r->setFont(QFont("Arial", 9));
  LabelDejar->setFont(QFont("Arial", 9, QFont::Bold));
  QFont retro("Arial", 9, QFont::Bold);
  BotRetroce->setFont(retro);
  LabelBocadillo1->setFont(QFont("Arial", 9, QFont::Bold));
  labelBocadillo2->setFont(QFont("Arial", 9, QFont::Bold));
  LabelSINO->setFont(QFont("Arial", 12, QFont::Bold));
  // The centre name is centred on x = 512 whatever its length.
  QFontMetrics metrics(LabelCentro->font());
  int w = std::min(ui::kScreenWidth - 40, metrics.horizontalAdvance(LabelCentro->text()) + 24);
  LabelCentro->setGeometry(512 - w / 2, 618, w, 26);
  LabelAno->setGeometry(512 - 45, 648, 90, 24);
}

void Tform0::RetileMosaic() {
  QImage canvas(ui::kScreenWidth, ui::kScreenHeight, QImage::Format_RGB32);
  canvas.fill(Qt::black);
  QPainter painter(&canvas);
  ui::TileBitmap(painter, canvas.size(), ui::SharedImage("parte"));
  painter.end();
  mosaico->canvas = canvas;
  mosaico->update();
}

void Tform0::ShowFrame(QLabel* target, const std::vector<QPixmap>& frames, int index) {
  if (index >= 0 && index < static_cast<int>(frames.size())) target->setPixmap(frames[static_cast<std::size_t>(index)]);
}

void Tform0::pilotoTimer() {
  int shown = WalkFrame;
  ShowFrame(anda, ImageList1, shown);
  anda->show();
  anda->move(anda->x() + 8, anda->y());
  WalkFrame = (shown == 5 && anda->x() < 120) ? 0 : WalkFrame + 1;
  if (WalkFrame >= 8) {
    piloto.stop();
    TimerTexto.start();
    ui::SetHintEnabled(DoorLabel(1), true);
    ui::SetHintEnabled(DoorLabel(2), true);
    Bocadillo1->show();
    Bocadillo1->raise();
    LabelBocadillo1->show();
  }
}

void Tform0::TimerTextoTimer() {
  LabelBocadillo1->hide();
  labelBocadillo2->show();
  TimerTexto.stop();
}

void Tform0::DoorClick(int code) {
  if (code == 1 || code == 2) {
    ui::SetHintEnabled(DoorLabel(1), true);
    ui::SetHintEnabled(DoorLabel(2), true);
  }
  SectionCode = code;
  if (core::G().WorldPresent) {
    piloto.stop();
    ZoomStep = 110;
    TimerZoom.start();
    return;
  }
  piloto.stop();
  TimerTexto.stop();
  QLabel* label = DoorLabel(code);
  // A door chosen while another is climbing: the first one goes back to rest.
  for (QLabel* l : doorLabels_)
    if (l != label) ui::SetColours(l, l->palette().color(QPalette::WindowText), ui::Rgb(core::palette::kDialog));
  ui::SetColours(label, label->palette().color(QPalette::WindowText), ui::Rgb(core::palette::kSplash));
  Bocadillo1->hide();
  LabelBocadillo1->hide();
  labelBocadillo2->hide();
  ui::SetHintEnabled(label, false);
  DoorX = label->x() + 4;
  DoorYPos = DoorY(code);
  ZoomStep = 0;
  WalkFrame = 0;
  TimerZoom.stop();
  TimerPuerta.start();
}

void Tform0::TimerPuertaTimer() {
  LabelBocadillo1->hide();
  labelBocadillo2->hide();
  ClimbY = DoorYPos - 10 * ZoomStep;
  anda->move(DoorX, ClimbY);
  ShowFrame(anda, ImageListPuerta, WalkFrame);
  anda->show();
  anda->raise();
  ++ZoomStep;
  ++WalkFrame;
  if (WalkFrame >= 5) {
    TimerPuerta.stop();
    TimerZoom.start();
    anda->hide();
  }
}

void Tform0::TimerZoomTimer() {
  if (ZoomStep >= 100) {
    TimerZoom.stop();
    OpenSection();
    return;
  }
  ZoomStep += 10;
  QPainter painter(&mosaico->canvas);
  painter.drawImage(ZoomRect(SectionCode, ZoomStep, DoorWidth, DoorHeight), ui::SharedImage("parte"));
  if (ImageListPuerta.size() > 4) painter.drawPixmap(DoorX, ClimbY, ImageListPuerta[4]);
  painter.end();
  mosaico->update();
}

void Tform0::OpenSection() {
  QLabel* label = DoorLabel(SectionCode);
  if (label) ui::SetHintEnabled(label, true);
  std::string name;
  for (const DoorSpec& d : Doors())
    if (d.code == SectionCode) name = d.screen;
  const ui::ScreenEntry* entry = ui::Screens().Entry(name);
  if (SectionCode == 6) core::G().HelpStep = 0;
  if (!entry || !entry->widget) {
    // The section is not part of this program: the menu goes back to rest.
    LastOpened.clear();
    RetileMosaic();
    if (label) ui::SetColours(label, label->palette().color(QPalette::WindowText), ui::Rgb(core::palette::kDialog));
    return;
  }
  if (entry->prepareFromMenu) entry->prepareFromMenu(SectionCode);
  LastOpened = name;
  entry->widget->show();
  entry->widget->raise();
  hide();
}

void Tform0::DoorMouseMove(QLabel* label) { ui::SetTextColour(label, ui::Rgb(core::palette::kRed)); }

void Tform0::LabelDejarMouseMove() { ui::SetTextColour(LabelDejar, ui::Rgb(core::palette::kYellow)); }

void Tform0::mosaicoMouseMove() {
  for (QLabel* l : hoverLabels_) ui::SetTextColour(l, ui::Rgb(core::palette::kNavy));
}

void Tform0::LabelDejarClick() {
  core::G().HelpStep = 0;
  QWidget* certificates = ui::Screens().Find("TCertifica");
  if (!certificates) return;
  hide();
  certificates->show();
}

void Tform0::LabelConfigClick() {
  core::Globals& g = core::G();
  panelConfigu->show();
  panelConfigu->raise();
  QRadioButton* radios[] = {cas, cat, gal, eus};
  if (g.LanguageCode >= 0 && g.LanguageCode <= 3) radios[g.LanguageCode]->setChecked(true);
  bool world = core::FileExists(core::CommonPath(core::kWorldCollectionA)) &&
               core::FileExists(core::CommonPath(core::kWorldCollectionB));
  PanelCofigu2->setVisible(world);
  LabelSINO->setVisible(world);
  (g.AnimationSetting ? si : no)->setChecked(true);
  casClick();
  siClick();
}

void Tform0::casClick() {
  for (QRadioButton* r : {cas, cat, gal, eus})
    if (r->isChecked()) LabelIdiomaSel->setText(r->text());
}

void Tform0::siClick() {
  for (QRadioButton* r : {si, no})
    if (r->isChecked()) LabelSINO->setText(r->text());
}

void Tform0::ButtonGrabarClick() {
  core::Globals& g = core::G();
  int oldLanguage = g.LanguageCode;
  bool oldAnimation = g.AnimationSetting;
  QRadioButton* radios[] = {cas, cat, gal, eus};
  for (int i = 0; i < 4; ++i)
    if (radios[i]->isChecked()) g.LanguageCode = i;
  g.AnimationSetting = si->isChecked();
  bool saved = core::SaveSettings(core::CommonPath(core::kSettingsFile));
  if (saved && (g.LanguageCode != oldLanguage || g.AnimationSetting != oldAnimation))
    ui::P().Message(core::Txt(607));
  panelConfigu->hide();
}

void Tform0::ButtonRetroConfClick() { panelConfigu->hide(); }

void Tform0::LabelCurEspClick() { PanelEspeG->Open(); }

void Tform0::BotRetroceClick() {
  core::Globals& g = core::G();
  if (!g.WorldPresent || !showWorld) {
    close();
    return;
  }
  TimerAyuda.stop();
  g.HelpStep = 0;
  PanelAyuda->hide();
  hide();
  g.AnimationOn = true;
  showWorld();
}

void Tform0::TimerAyudaTimer() {
  core::Globals& g = core::G();
  PanelAyuda->show();
  PanelAyuda->raise();
  BotRetroce->show();
  int n = g.HelpStep;
  g.HelpStep = n + 1;
  if (n + 1 >= 9) {
    TimerAyuda.stop();
    g.HelpStep = 0;
    return;
  }
  switch (n) {
    case 0: LabelAyu[0]->setText(T(14)); break;
    case 1: LabelAyu[1]->setText(T(15)); break;
    case 3: LabelAyu[2]->setText(T(16)); break;
    case 5: LabelAyu[3]->setText(T(17)); break;
    case 7: LabelAyu[4]->setText(T(18)); break;
    default: break;
  }
  ShowFrame(chica, ImageList1, g.HelpStep - 1);
}

void Tform0::FormShow() {
  if (core::G().LoadFailed) {
    close();
    return;
  }
  if (onShown) onShown();
  raise();
  activateWindow();
  if (core::G().WorldPresent) TimerAyuda.start();
}

void Tform0::showEvent(QShowEvent* event) {
  ui::Screen::showEvent(event);
  // Coming back from a section: the zoomed door gives way to the wall again.
  if (!TimerZoom.isActive() && !TimerPuerta.isActive()) {
    RetileMosaic();
    for (QLabel* l : doorLabels_)
      ui::SetColours(l, l->palette().color(QPalette::WindowText), ui::Rgb(core::palette::kDialog));
  }
  FormShow();
}

void Tform0::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Escape) close();
  else ui::Screen::keyPressEvent(event);
}

}  // namespace shell
