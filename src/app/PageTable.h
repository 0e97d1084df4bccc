// The main window's pages, one row each in tab order: everything the shell
// needs to build a page with its tab and picture button, and to keep it up to
// date. Adding a page is adding a row here (and its name in PageIndices.h).
#pragma once

#include <array>

#include "store/StoreChange.h"
#include "ui/PageIndices.h"

class TAppContext;
class TTripPage;

struct TPageDescriptor {
  // What the page takes part in besides showing the selected trip.
  enum TFlag : unsigned {
    NoFlags = 0,
    FollowsWeightUnit = 1u << 0,  // told when the weight unit changes
    FollowsVolumeUnit = 1u << 1,  // told when the volume unit changes
  };
  // The page keeps what it shows through a change of trip.
  static constexpr int NotRefreshed = -1;

  TPageIndices::TPageIndex Index;  // the tab's position, the row's position
  const char* Caption;             // the tab's caption, the picture button's hint
  // The picture button's image, ":/pictures/<Picture>.png"; none: the page
  // has no picture button, and its tab shows the caption as its hint.
  const char* Picture;
  // The part of a trip the page edits, naming the undo steps made there.
  TStoreSection Shows;
  // The page's turn in the whole-window refresh (lowest first), or NotRefreshed.
  int RefreshOrder;
  unsigned Flags;
  // Builds the page on the window's context.
  TTripPage* (*Create)(TAppContext& Context);

  bool Has(TFlag Flag) const { return (Flags & Flag) != 0; }
};

using TPageTable = std::array<TPageDescriptor, TPageIndices::PageCount>;

// The pages in tab order.
const TPageTable& PageTable();

// The caption of the page that edits Section; none when no page does.
const char* PageCaptionFor(TStoreSection Section);
