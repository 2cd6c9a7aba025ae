#pragma once
// What a text section needs to know of the objects that stand inside its text: inline images
// (marker character 4) and windowed form controls (marker character 2). The image and form
// classes implement these interfaces; the section keeps them in two lists ordered by position
// and lays them out, measures and draws them through these operations only.
//
// A position of the text holds an object exactly when the list has an object at that
// position; a marker character that some document wrote itself is plain text.

#include <cstddef>
#include <memory>
#include <optional>
#include <vector>

#include "html/document/UrlTarget.h"
#include "html/support/FreeList.h"
#include "platform/Color.h"

class TCanvas;
class TFontObj;
class TInlineControl;
class TSectionList;

// Marker characters in a section's text.
inline constexpr char32_t ImageMarker = 4;
inline constexpr char32_t ControlMarker = 2;

// Vertical or floating placement of an inline image (order fixed).
enum TImageAlign { iaTop, iaMiddle, iaBottom, iaLeft, iaRight };

class TInlineImage {
 public:
  virtual ~TInlineImage() = default;

  int Pos = 0;          // index of the image's marker in the section's text
  int ImageWidth = 0;   // room the image takes in its line, border included
  int ImageHeight = 0;
  int HSpace = 5;       // free pixels kept beside a floating image
  int FloatOffset = 0;  // floating images: x from the cell's left edge, set by the indent manager
  TImageAlign Align = iaBottom;
  bool PercentWidth = false;  // the width follows the available width
  bool IsMap = false;         // a server-side map: a click's point travels with the link

  bool Floating() const { return Align == iaLeft || Align == iaRight; }

  // Settles ImageWidth and ImageHeight for the available width (0 when the section measures
  // its minimum and maximum widths). font is the run at the image's position.
  virtual void ComputeSize(TSectionList& document, TCanvas& canvas, int availableWidth,
                           const TFontObj& font) = 0;
  // Paints the image at x, given the line's baseline and the top the image hangs from (all in
  // document coordinates; ScrollTop is the image's to subtract).
  virtual void DrawImage(TCanvas& canvas, int x, const TFontObj& font, int baseline, int top) = 0;

  // --- Point queries, answered for the picture as last drawn.
  // Whether (x, y), in document coordinates, lies on the picture; gives the point inside it.
  virtual bool ContainsPoint(int x, int y, int& xInImage, int& yInImage) const = 0;
  // Whether the image itself answers a click at (xInImage, yInImage) inside its picture. An
  // image input records the click and gives its control; an image with a client-side map gives
  // the link of the area there, or nothing at all when no area matches. Any other image answers
  // false and leaves the link of the text it stands in to decide.
  virtual bool AnswersClick(int xInImage, int yInImage, TInlineControl*& formControl,
                            std::optional<TUrlTarget>& link) = 0;
};

class TInlineControl {
 public:
  virtual ~TInlineControl() = default;

  int Pos = 0;              // index of the control's marker in the section's text
  bool OnBaseline = false;  // stands on the text baseline (check boxes, radio buttons)
  bool Shown = false;       // placed in the view (TSectionList::PlaceControls, the draw pass)
  int YValue = 0;           // y of the top of the line the control stands in, set by layout
  int LayoutX = 0;          // x of the window from the page's left edge: layout sets it within
                            // the control's cell, each draw as drawn
  // LayoutTop of a control that no layout has reached: far above any view.
  static constexpr int NotLaidOut = -1000000000;
  int LayoutTop = NotLaidOut;  // y of the window's top in document coordinates, set by layout

  virtual int Width() const = 0;
  virtual int Height() const = 0;
  // Shows the window with its top-left corner at (x, top), panel coordinates; background is
  // the colour behind it (radio buttons paint their backing panel with it).
  virtual void Place(int x, int top, TColor background) = 0;
  virtual void Hide() = 0;
  // Keeps the window out of sight without hiding it, so it does not lose the keyboard focus.
  virtual void MoveOutOfSight() = 0;
  virtual bool HasFocus() const = 0;
};

// A section's images, owned, ordered by Pos.
class TImageObjList : public TFreeList<TInlineImage> {
 public:
  // The image at this position, or null.
  TInlineImage* FindImage(int pos) const;
  // Index of the first image at or after pos (Count() when none).
  std::size_t FirstAtOrAfter(int pos) const;
  // The first image, in list order, whose picture holds (x, y) (document coordinates), with
  // the point inside it; null when none does.
  TInlineImage* ObjectAtPoint(int x, int y, int& xInImage, int& yInImage) const;
};

// A section's form controls in order of Pos; the forms own them.
class TFormControlList {
 public:
  void Add(TInlineControl& control) { Items.push_back(&control); }
  TInlineControl* FindControl(int pos) const;
  std::size_t FirstAtOrAfter(int pos) const;
  std::size_t Count() const { return Items.size(); }
  bool Empty() const { return Items.empty(); }
  TInlineControl& operator[](std::size_t index) const { return *Items[index]; }
  auto begin() const { return Items.begin(); }
  auto end() const { return Items.end(); }

 private:
  std::vector<TInlineControl*> Items;
};
