#include "store.h"

#include <vector>

#include "texttable.h"

namespace core {
namespace {

std::unique_ptr<Store> gStore;
std::vector<std::function<void()>>& FreeHooks() {
  static std::vector<std::function<void()>> hooks;
  return hooks;
}

constexpr int kMarkers[19][2] = {{102, 141}, {156, 73}, {82, 41},  {221, 100}, {204, 162}, {111, 42}, {128, 108},
                                 {100, 68},  {188, 64}, {77, 111}, {58, 49},   {131, 60},  {114, 89}, {148, 133},
                                 {143, 52},  {160, 107}, {130, 47}, {83, 171}, {136, 174}};

constexpr const char* kCodes[64] = {"37", "38", "39", "3A", "3B", "3C", "3G", "3D", "3E", "3F", "16", "1I", "1J",
                                    "1K", "11", "2E", "36", "3J", "14", "21", "24", "2D", "26", "27", "12", "13",
                                    "17", "1A", "1D", "1E", "1F", "1G", "1H", "45", "4A", "46", "47", "48", "49",
                                    "2K", "2L", "15", "18", "19", "1B", "2J", "28", "2H", "29", "2A", "2B", "2C",
                                    "33", "2I", "42", "43", "41", "44", "22", "25", "23", "2G", "31", "32"};

}  // namespace

Store::Store() {
  SetMarkerPoints(*this);
  BuildCodeTable(*this);
}

Store& S() {
  if (!gStore) AllocateStore();
  return *gStore;
}

bool StoreAllocated() { return gStore != nullptr; }

void AllocateStore() { gStore = std::make_unique<Store>(); }

void FreeStore() {
  for (auto& hook : FreeHooks()) hook();
  gStore.reset();
  ClearTexts();
}

void OnFreeStore(std::function<void()> hook) { FreeHooks().push_back(std::move(hook)); }

void SetMarkerPoints(Store& store) {
  for (int i = 0; i < 19; ++i) store.markers[static_cast<std::size_t>(i) + 1] = {kMarkers[i][0], kMarkers[i][1]};
}

void BuildCodeTable(Store& store) {
  for (int i = 0; i < 64; ++i) store.codeTable[static_cast<std::size_t>(i) + 1] = kCodes[i];
}

}  // namespace core
