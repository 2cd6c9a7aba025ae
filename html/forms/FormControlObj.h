#pragma once
// The form control objects: one per INPUT, SELECT and TEXTAREA of a page. Each owns the
// platform window control it shows (none for hidden fields and image inputs), knows its
// initial state (ResetToValue), what it submits (GetSubmission) and how large its window is
// for its font (SetSize, before every layout). A windowed control stands in its section's text
// as marker character 2; an image input is drawn as an inline image (character 4).
//
// The form owns the objects; the document lists the windowed ones for placing and hiding
// (HtmlForm.h says who else refers to them and how they go).

#include <memory>
#include <string>
#include <vector>

#include "html/document/InlineObjects.h"
#include "platform/FormControls.h"

class TAttributeList;
class TCanvas;
class TCell;
class TSectionBase;
class TSectionList;
class ThtmlForm;

class TFormControlObj : public TInlineControl {
 public:
  TFormControlObj(TSectionList& document, ThtmlForm& form, const TAttributeList& attributes);
  ~TFormControlObj() override;

  TSectionList& Document;
  ThtmlForm& Form;
  std::u32string Value;  // VALUE, empty when absent
  std::u32string Name;   // NAME, empty when absent
  // The section the control stands in (a hidden field: the one its tag stood in). The control
  // goes when that section goes.
  const TSectionBase* Section = nullptr;

  // The design's class name, for dumps.
  virtual const char* ClassName() const = 0;
  // The platform control, or null (hidden fields, image inputs).
  TFormControl* GetControl() const { return TheControl.get(); }
  // Back to the state the page gave.
  virtual void ResetToValue() {}
  // Called with index 0, 1, 2 ... until it answers false; each call may give one "name=value"
  // string (an empty one is skipped).
  virtual bool GetSubmission(int index, std::u32string& text);
  // Sizes the window from its font, measured on canvas.
  virtual void SetSize(TCanvas& canvas);
  // The window stops reporting to this object (before the page's controls go).
  void DropHandlers();

  // --- TInlineControl: the window's size and placing.
  int Width() const override;
  int Height() const override;
  void Place(int x, int top, TColor background) override;
  void Hide() override;
  void MoveOutOfSight() override;
  bool HasFocus() const override;

 protected:
  // Takes the window and gives it the focus handlers every control has.
  void Adopt(std::unique_ptr<TFormControl> control);
  // Resizes the window, keeping its place.
  void Resize(int width, int height);
  // Width and height of "A" in the controls' font.
  static void MeasureA(TCanvas& canvas, const TFormControlFactory& factory, int& width,
                       int& height);
  // The handler of clicks on buttons, check boxes and radio buttons: the document's
  // OnObjectClick with ONCLICK. Answers whether the page is still the same; when it is not,
  // this object is gone and the caller must not touch it again.
  bool ObjectClick();

  std::u32string OnClickText;  // ONCLICK

 private:
  std::unique_ptr<TFormControl> TheControl;
};

class THiddenFormControlObj : public TFormControlObj {
 public:
  using TFormControlObj::TFormControlObj;
  const char* ClassName() const override { return "THiddenFormControlObj"; }
  bool GetSubmission(int index, std::u32string& text) override;
};

// An image that submits its form with the point clicked. It has no window: its picture stands
// in the text as an inline image.
class TImageFormControlObj : public TFormControlObj {
 public:
  TImageFormControlObj(TSectionList& document, ThtmlForm& form, const TAttributeList& attributes);
  const char* ClassName() const override { return "TImageFormControlObj"; }
  bool GetSubmission(int index, std::u32string& text) override;

  // The hit test's point inside the picture, kept until a click uses it.
  void SetClickPoint(int x, int y) { XTmp = x, YTmp = y; }
  // The picture was clicked: the stored point becomes the submitted one and the form goes.
  void ImageClick();

  int XPos = -1, YPos = 0;  // the click submitted; XPos -1 when not clicked
  int XTmp = 0, YTmp = 0;
};

class TEditFormControlObj : public TFormControlObj {
 public:
  // typeWord: the lower-cased TYPE ("password" hides the characters).
  TEditFormControlObj(TSectionList& document, ThtmlForm& form, const TAttributeList& attributes,
                      const std::u32string& typeWord);
  const char* ClassName() const override { return "TEditFormControlObj"; }
  void ResetToValue() override;
  bool GetSubmission(int index, std::u32string& text) override;
  void SetSize(TCanvas& canvas) override;
  TEditControl& Edit() const { return *FEdit; }

  int EditSize = 20;  // width in characters

 private:
  TEditControl* FEdit;
};

class TButtonFormControlObj : public TFormControlObj {
 public:
  TButtonFormControlObj(TSectionList& document, ThtmlForm& form,
                        const TAttributeList& attributes, const std::u32string& typeWord);
  const char* ClassName() const override { return "TButtonFormControlObj"; }
  void SetSize(TCanvas& canvas) override;
  TButtonControl& Button() const { return *FButton; }
  // What a click does: OnObjectClick, then reset or submit, unless the handler opened another
  // page.
  void Click();

  int Which = 0;  // 0 submit, 1 reset, 2 button

 private:
  TButtonControl* FButton;
};

class TCheckBoxFormControlObj : public TFormControlObj {
 public:
  TCheckBoxFormControlObj(TSectionList& document, ThtmlForm& form,
                          const TAttributeList& attributes);
  const char* ClassName() const override { return "TCheckBoxFormControlObj"; }
  void ResetToValue() override;
  bool GetSubmission(int index, std::u32string& text) override;
  TCheckControl& Box() const { return *FBox; }

  bool IsChecked;

 private:
  TCheckControl* FBox;
};

class TRadioButtonFormControlObj : public TFormControlObj {
 public:
  TRadioButtonFormControlObj(TSectionList& document, ThtmlForm& form,
                             const TAttributeList& attributes);
  const char* ClassName() const override { return "TRadioButtonFormControlObj"; }
  void ResetToValue() override;
  bool GetSubmission(int index, std::u32string& text) override;
  TCheckControl& Button() const { return *FButton; }
  // The backing panel takes the colour of the cell the button stands in, when it has one.
  void Place(int x, int top, TColor background) override;

  bool IsChecked;
  // The cell the button stands in (the document's root outside tables), which outlives the
  // button since the button's section is in it.
  const TCell* Cell = nullptr;

 private:
  TCheckControl* FButton;
};

// One OPTION of a SELECT.
struct TOptionObj {
  std::u32string Value;  // VALUE, empty when absent
  bool Selected = false;
};

// A SELECT shown as a list box (MULTIPLE, or SIZE above 1).
class TListBoxFormControlObj : public TFormControlObj {
 public:
  TListBoxFormControlObj(TSectionList& document, ThtmlForm& form,
                         const TAttributeList& attributes);
  const char* ClassName() const override { return "TListBoxFormControlObj"; }
  void AddOption(const std::u32string& text, const TOptionObj& option);
  void ResetToValue() override;
  bool GetSubmission(int index, std::u32string& text) override;
  void SetSize(TCanvas& canvas) override;
  TListControl& List() const { return *FList; }

  std::vector<std::u32string> TheOptions;  // the option texts
  std::vector<TOptionObj> Options;          // one per text
  int Rows = -1;           // visible rows; -1 until the first layout counts the options
  int LongestOption = 3;   // characters
  bool Multiple = false;

 protected:
  TListBoxFormControlObj(TSectionList& document, ThtmlForm& form,
                         const TAttributeList& attributes, bool dropDown);
  // The option's string for a submission.
  std::u32string OptionString(int index) const;

  TListControl* FList;
};

// A SELECT shown as a drop-down list that allows no typing.
class TComboFormControlObj : public TListBoxFormControlObj {
 public:
  TComboFormControlObj(TSectionList& document, ThtmlForm& form,
                       const TAttributeList& attributes);
  const char* ClassName() const override { return "TComboFormControlObj"; }
  void ResetToValue() override;
  bool GetSubmission(int index, std::u32string& text) override;
  void SetSize(TCanvas& canvas) override;
};

class TTextAreaFormControlObj : public TFormControlObj {
 public:
  TTextAreaFormControlObj(TSectionList& document, ThtmlForm& form,
                          const TAttributeList& attributes);
  const char* ClassName() const override { return "TTextAreaFormControlObj"; }
  void ResetToValue() override;
  bool GetSubmission(int index, std::u32string& text) override;
  void SetSize(TCanvas& canvas) override;
  TMemoControl& Memo() const { return *FMemo; }

  int Rows = 5;
  int Cols = 30;
  bool WordWrap = false;
  std::vector<std::u32string> TheText;  // the initial lines

 private:
  TMemoControl* FMemo;
  std::vector<std::u32string> FSubmitted;  // the lines of the submission under way
};

// Counts of characters, rows and columns beyond this are taken as this, so an absurd SIZE or
// ROWS cannot make a window of impossible size.
inline constexpr int MaxControlChars = 1000;
inline constexpr int MaxControlRows = 500;
// OPTION text and VALUE are cut to this many characters.
inline constexpr std::size_t MaxOptionLength = 80;
