#include "startup.h"

#include "globals.h"
#include "maps.h"
#include "readers.h"
#include "services.h"
#include "settings.h"
#include "store.h"
#include "textfile.h"
#include "text.h"
#include "texttable.h"

namespace core {

void ApplyCommandLine(const CommandLine& args) {
  Globals& g = G();
  if (args.first.empty()) return;
  if (args.first == "A") ShowMessage(kUpdatedMessage);
  if (args.first == "S") g.AnimationOn = true;
  if (args.first == "N") g.AnimationOn = false;
  if (args.second.size() == 1 && args.second[0] >= '0' && args.second[0] <= '3')
    g.LangDir = LangDirFor(args.second[0] - '0');
  int value = 0;
  // A second argument that is not a number leaves the sorting as stored.
  if (!args.second.empty() && ParseInt(args.second, value)) g.SortLists = value >= 1;
}

void InitCore(const std::string& exeDir, const CommandLine& args, ImageLoader& images) {
  Globals& g = G();
  AllocateStore();
  g.LoadFailed = false;
  g.DataDir = exeDir + kDataFolder;

  const std::string settings = CommonPath(kSettingsFile);
  ProbeWritable(settings);
  ReadSettings(settings);
  ApplyCommandLine(args);
  if (g.LoadFailed) return;

  if (!ReadTextTable(LangPath("textos"), Textos())) return;
  CopyTextSlots(Textos());

  g.CentreOnMain = true;
  g.WorldPresent = false;
  g.HigherSelection = g.MiddleSelection = false;

  if (!FileExists(CommonPath(kWorldCollectionA)) || !FileExists(CommonPath(kWorldCollectionB)))
    g.AnimationOn = false;
  if (DirectXVersion() < 7) g.AnimationOn = false;

  g.HelpStep = 0;
  g.MapRegion = 1;
  g.MapCaptionWidth = 115;
  Store& s = S();
  s.ReportCount = 0;
  s.BoldLines[0] = 0;

  for (const char* name : kSharedImages) {
    std::string file = name;
    bool ok = images.LoadSharedImage(file, CommonPath(file));
    if (file == "marco") ok = images.LoadSharedImage("marco2", CommonPath(file)) && ok;
    if (!ok) {
      g.LoadFailed = true;
      if (file == "mapa" || file == "mapac" || file == "mapam") ShowMessage("Faltan ficheros");
    }
  }

  SetMarkerPoints(s);

  auto raster = ReadBytes(CommonPath("puntos3"));
  if (!raster) {
    ShowMessage("Faltan ficheros");
    g.LoadFailed = true;
    return;
  }
  if (!BuildMapRasters(*raster, s.rasters)) {
    ShowMessage(BadFileMessage(CommonPath("puntos3"), 0,
                               "el fichero tiene " + std::to_string(raster->size()) + " bytes en lugar de " +
                                   std::to_string(kRasterFileSize)));
    g.LoadFailed = true;
    return;
  }

  ReadWideList(LangPath("informa_l"), s.informa_l, StdWidth);
  ReadWideList(LangPath("materias_l"), s.materias_l, StdWidth);
}

}  // namespace core
