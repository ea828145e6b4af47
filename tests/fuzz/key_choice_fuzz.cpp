// The configuration program's key-choice model over any stored records and
// any sequence of picks in the lists: nothing the user did not change is
// rewritten, no choice leaves its list, two complete rows never share a
// combination once the user has picked, and an untouched page writes back
// exactly what it loaded; Apply refuses only a row whose two stored codes the
// lists show and that holds one key.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstring>
#include <iterator>

#include "panel/pages/external_choices.h"
#include "panel/pages/notebook_choices.h"
#include "panel/pages/symb_choices.h"
#include "tests/fuzz/fuzz_failure.h"

namespace tavel::panel {
namespace {

[[noreturn]] void Fail(const char* what) { FuzzFailure("key choice", what); }

template <typename Record>
Record ConsumeRecord(FuzzedDataProvider& data) {
  Record record{};
  auto bytes = data.ConsumeBytes<uint8_t>(sizeof record);
  if (!bytes.empty()) std::memcpy(&record, bytes.data(), bytes.size());
  // Often keys the lists know, so picks meet stored combinations.
  if (data.ConsumeBool()) {
    auto* words = reinterpret_cast<uint32_t*>(&record);
    const Vk known[] = {0, vk::LShift, vk::RShift, vk::RControl, vk::RMenu, vk::Up, vk::F1,
                        vk::F12, vk::Space, vk::BrowserBack, vk::Digit1, vk::Digit0};
    for (size_t i = 0; i < sizeof record / 4; ++i) {
      if (data.ConsumeBool()) words[i] = known[data.ConsumeIntegralInRange<size_t>(0, std::size(known) - 1)];
    }
  }
  return record;
}

// After loading, before any pick: every row builds back exactly as stored,
// and Apply asks only for a row the lists show as stored with one key.
void CheckUntouched(const ComboRows& rows, std::span<const KeyCombo> stored) {
  const auto incomplete = rows.FirstIncompleteRow();
  for (size_t i = 0; i < rows.size(); ++i) {
    const KeyCombo built = rows.BuildPageRecord(i);
    if (built.firstKey != stored[i].firstKey || built.secondKey != stored[i].secondKey) {
      Fail("an untouched row was rewritten");
    }
    const bool listed = ChoiceToVk(rows.FirstKeys(), VkToChoice(rows.FirstKeys(), stored[i].firstKey)) ==
                            stored[i].firstKey &&
                        ChoiceToVk(rows.SecondKeys(), VkToChoice(rows.SecondKeys(), stored[i].secondKey)) ==
                            stored[i].secondKey;
    const bool oneKey = (stored[i].firstKey == 0) != (stored[i].secondKey == 0);
    if (listed && oneKey && (!incomplete || *incomplete > i)) Fail("a row showing one key passes Apply");
    if (!(listed && oneKey) && incomplete == i) Fail("Apply asks for a row it cannot show");
  }
}

void CheckChoicesInTheirLists(const ComboRows& rows) {
  for (size_t i = 0; i < rows.size(); ++i) {
    const TwoKeyRow& row = rows[i];
    if (row.first < 0 || static_cast<size_t>(row.first) >= rows.FirstKeys().size() ||
        row.second < 0 || static_cast<size_t>(row.second) >= rows.SecondKeys().size()) {
      Fail("a choice outside its list");
    }
  }
}

void FuzzRows(FuzzedDataProvider& data, ComboRows& rows, std::span<const KeyCombo> stored) {
  rows.Clear();
  rows.LoadPageChoices(stored);
  CheckUntouched(rows, stored);
  const int picks = data.ConsumeIntegralInRange(0, 40);
  for (int i = 0; i < picks && data.remaining_bytes() > 0; ++i) {
    const size_t row = data.ConsumeIntegralInRange<size_t>(0, rows.size() - 1);
    const RowSide side = data.ConsumeBool() ? RowSide::First : RowSide::Second;
    const KeyTable table = side == RowSide::First ? rows.FirstKeys() : rows.SecondKeys();
    const KeyChoice selection = data.ConsumeIntegralInRange<KeyChoice>(0, table.size() - 1);
    const TwoKeyRow before = rows[row];
    const ChoiceResult result = rows.CommitRowChoice(row, side, selection);
    const TwoKeyRow after = rows[row];
    if (result.kind == ChoiceResult::Kind::Refused &&
        (after.first != before.first || after.second != before.second)) {
      Fail("a refused pick changed the row");
    }
    if (result.kind != ChoiceResult::Kind::Refused && after.first != 0 && after.second != 0) {
      for (size_t other = 0; other < rows.size(); ++other) {
        if (other != row && rows[other].first == after.first && rows[other].second == after.second) {
          Fail("a pick made a combination another row holds");
        }
      }
    }
    CheckChoicesInTheirLists(rows);
  }
}

}  // namespace
}  // namespace tavel::panel

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* bytes, size_t size) {
  using namespace tavel;
  using namespace tavel::panel;
  FuzzedDataProvider data(bytes, size);
  switch (data.ConsumeIntegralInRange(0, 2)) {
    case 0: {
      NotebookChoices page;
      const auto keys = ConsumeRecord<VrKbMap>(data);
      const auto rows = ConsumeRecord<VrKbBrwMap>(data);
      page.Clear();
      page.LoadPageChoices(keys, rows);
      const NotebookChoices::Records built = page.BuildPageRecord();
      for (size_t i = 0; i < VrKbMap::kEntries; ++i) {
        if (built.keys.entries[i].physicalKey != keys.entries[i].physicalKey ||
            built.keys.entries[i].emulatedKey != keys.entries[i].emulatedKey) {
          Fail("an untouched Windows or Application key was rewritten");
        }
      }
      FuzzRows(data, page.Rows(), rows.entries);
      break;
    }
    case 1: {
      ExternalChoices page;
      const auto map = ConsumeRecord<ExtKbMap>(data);
      FuzzRows(data, page.Rows(), map.entries);
      break;
    }
    default: {
      SymbChoices page;
      const auto map = ConsumeRecord<SymbMap>(data);
      page.Clear();
      page.LoadPageChoices(map);
      for (size_t i = 0; i < SymbMap::kEntries; ++i) {
        if (page.BuildPageRecord().entries[i].characterChoice != map.entries[i].characterChoice) {
          Fail("a character code was rewritten");
        }
      }
      KeyCombo keys[SymbMap::kEntries];
      for (size_t i = 0; i < SymbMap::kEntries; ++i) keys[i] = {map.entries[i].firstKey, map.entries[i].secondKey};
      FuzzRows(data, page.Rows(), keys);
      break;
    }
  }
  return 0;
}
