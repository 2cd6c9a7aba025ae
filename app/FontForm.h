#pragma once
// TFontForm: "Edit Default Font and Colors". The user picks the default face, text colour,
// link colour, font size and background; a preview viewer shows a fixed sample page with the
// current choice at once. The main window hands in its viewer's values, shows the dialog
// modally and reads the five values back only after OK.

#include <QDialog>
#include <memory>
#include <string>

#include "platform/Color.h"

class QLabel;
class QListWidget;
class QPushButton;
class TColorGrid;
class TQtViewerHost;
class TQtWindowing;
class TSpinEdit;
class TriruRedu;

class TFontForm : public QDialog {
 public:
  TFontForm(TQtWindowing& windowing, QWidget* parent);
  ~TFontForm() override;

  // The sample page of the preview.
  static const char* const SamplePage;

  // The selected face; "System" when none is selected. Writing selects the face, or
  // "System" when the list does not hold it; the preview asks for the given face.
  std::string FaceName() const;
  void SetFaceName(const std::string& face);
  TColor TextColor() const { return FTextColor; }
  void SetTextColor(TColor color);
  TColor LinkColor() const { return FLinkColor; }
  void SetLinkColor(TColor color);
  // Within the size box's range, 6 .. 24. Writing sets the box too.
  int TextSize() const { return FTextSize; }
  void SetTextSize(int size);
  // The colour of the selected background name; clBtnFace when none or not a colour.
  // Writing selects its name, adding it at the end of the list when missing.
  TColor BackColor() const;
  void SetBackColor(TColor color);

  // Remembers the values handed in, for Reset.
  void FormShow();
  void ResetButtonClick();

  // The parts, for tests.
  TriruRedu& FontViewer() { return *FFontViewer; }
  TColorGrid* FontColorGrid = nullptr;
  TColorGrid* HotSpotColorGrid = nullptr;
  TSpinEdit* FontSizeEdit = nullptr;
  QListWidget* FontListBox = nullptr;
  QListWidget* BackListBox = nullptr;
  QPushButton* ResetButton = nullptr;
  QPushButton* OKButton = nullptr;
  QPushButton* Cancel = nullptr;

 private:
  void FormCreate();
  void ListBoxClicks(QObject* sender);
  // The size, clamped, to TextSize and the preview; the box is left alone.
  void ShowTextSize(int size);

  TQtViewerHost* FPreviewHost = nullptr;
  std::unique_ptr<TriruRedu> FFontViewer;
  TColor FTextColor = clBtnText;
  TColor FLinkColor = clBlue;
  int FTextSize = 12;
  bool FWriting = false;  // a write in progress: the controls' own change signals are ours

  struct TMemory {
    std::string FaceName;
    TColor TextColor, LinkColor, BackColor;
    int TextSize;
  } FResetMemory{};
};
